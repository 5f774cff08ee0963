#pragma once
// What the account dialog asks about a new loan account. It stays set until
// the next new account clears the group code; the loan steps run only when
// that code is not empty.

#include <string>

namespace valdero {

struct Lening {
  bool VanInstantie = false;  // borrowed FROM an institution, not lent TO a person
  int RekNr = 0;
  int Munt = 0;
  std::string GroepKode;  // at most 3 letters or digits
  std::string Titel;      // at most 24 characters
  double Bedrag = 0;      // base currency, as typed (without sign)
  std::string Klasse;     // " S" from an institution, " T" to a person
  double Datum = 0;
  std::string Relatie;    // at most 32 characters
};

}  // namespace valdero
