#pragma once
// One line of a bank's mutation file, as every layout's reader fills it.
// Everything after reading (matching, reconciliation, posting) sees only
// these fields, never the layout the line came from.

#include <string>

namespace valdero {

struct TNewKas {
  int Index = 0;          // line number in the file from 0; later the row in the list
  int RekNr = 0;          // own account, 0 = not recognised
  int VolgBlad = 0;       // statement word (sequence x 64 + sheet)
  std::string BankRekNr;  // own account number from the file, no leading zeros
  std::string GroepKode = "1";
  std::string ActieKode;
  double Datum = 0;
  std::string TegenRekNr;  // 12 characters at most
  std::string Relatie;     // 32 characters at most
  int TegenRek = 0;        // own account the counter account belongs to
  int TegenVolgBlad = 0;
  double BeginSaldo = 0;
  double EindSaldo = 0;
  double Bedrag = 0;
  float MuntKoers = 1.0f;
  std::string Omschrijving;  // 255 characters at most
  int Munt = 0;
  int BoekSoort = 0;  // 1 bij, 2 af, 5 bij van eigen rekening, 6 af naar eigen rekening
  int Extra1 = 0;
  int Belegging = 0;
  double PayDate = 0;
  float Aantal = 0;
  float Prijs = 0;
  // The group a file of another bookkeeping program names (its category,
  // found by name); empty when the file names none or no group has it.
  std::string BestandGroep;
};

// Booking kinds an imported line carries.
namespace importsoort {
constexpr int Bij = 1;
constexpr int Af = 2;
constexpr int BijVanEigen = 5;
constexpr int AfNaarEigen = 6;
}  // namespace importsoort

}  // namespace valdero
