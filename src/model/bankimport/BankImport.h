#pragma once
// One import run: from the menu tag to the sorted list of import lines and
// the proposed start date. The run owns the import state (file name, lines,
// import line list, in-file flags, match lists) and its error code, which the
// book's IOStatus shows; both are cleared at the start. Only the offer of a new account changes the
// book.

#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/bankimport/RekeningHerkenning.h"
#include "model/bankimport/SaldoControle.h"
#include "model/bankimport/TNewKas.h"
#include "model/core/Voortgang.h"

namespace valdero {

class Kasboek;
class RekeningDialoogVoerder;
class SelectMutVoerder;

// Error codes of the import (kept in IOStatus).
namespace importfout {
constexpr int Leeg = 1;        // no file chosen; a line without fields
constexpr int Formaat = 2;     // file not readable; wrong field count
constexpr int Datum = 3;       // a date fails; stop asked for
constexpr int Bewerking = 4;
constexpr int Bedrag = 5;      // an amount fails
constexpr int Onverwacht = 6;  // the file is no file of the layout
}  // namespace importfout

struct StartDatumVoorstel {
  double vroegst = 0;
  double laatst = 0;
  double voorstel = 0;
};

class BankImport {
 public:
  // `rekeningVoerder` runs the account dialog of an accepted new-account
  // offer; without one every offer is declined without asking.
  BankImport(Kasboek& kb, SelectMutVoerder& kiezer, RekeningDialoogVoerder* rekeningVoerder);

  Kasboek& kb() { return kb_; }

  // The whole run for a menu tag: choose and read the file, parse, ask
  // about errors. True when lines are ready for the start date.
  bool Importeer(int tag);
  // The run from reading on, for a file already chosen.
  bool ImporteerBestand(int tag, const std::string& pad);
  // Parsing the bytes of a file; `naam` is the name the messages use.
  bool Verwerk(int tag, const std::string& naam, std::string_view bytes);

  // Algorithm of the start date: the range and the proposal; remembers the
  // statement word of the account's last transaction.
  StartDatumVoorstel StelStartDatumVoor();

  // --- The import state ---
  const std::string& BankBestand() const { return bankBestand_; }
  int Tag() const { return tag_; }
  int Formaat() const { return formaat_; }
  const std::vector<std::string>& Regels() const { return regels_; }
  // Position 0 is a blank record; 1..Laatste() the lines read.
  std::vector<TNewKas>& Lijst() { return lijst_; }
  int Laatste() const { return static_cast<int>(lijst_.size()) - 1; }
  bool InBestand(int rekNr) const { return rekNr >= 0 && rekNr <= 100 && inBestand_[static_cast<std::size_t>(rekNr)]; }
  void WisInBestand(int rekNr) {
    if (rekNr >= 0 && rekNr <= 100) inBestand_[static_cast<std::size_t>(rekNr)] = false;
  }
  bool RegelsKlaar() const { return regelsKlaar_; }
  int LaatsteAfschrift() const { return laatsteAfschrift_; }
  const RekeningMatch& EigenMatch() const { return eigenMatch_; }

  // --- Helpers the readers use ---
  int Fout() const;
  void ZetFout(int code);
  // Reading ends here: the user asked to stop, or the file is no file of
  // the layout. A fault of one line does not stop it: the lines after it
  // are read, as the question at the end promises.
  void Stop(int code, std::string reden = {});
  bool Afgebroken() const { return afgebroken_ || Fout() > importfout::Bedrag; }
  // A new line with the fields every layout sets, appended to the list.
  TNewKas& NieuweRegel(int index);
  // The line of the file the faults found from now on name (counted from
  // 0); NieuweRegel and Gelezen set it too.
  void BronRegel(std::size_t regel) { bronRegel_ = regel; }
  // A fault of the line being read. Each kind of fault (`soort`) is reported
  // once, after the whole file was read, naming its first line and the
  // number of lines it hit; `melding` follows "file regel: N". `code` (0 for
  // none) goes to IOStatus when that is still 0.
  void RegelFout(const std::string& soort, const std::string& melding, int code, bool piep);
  // A line left out of the list (no fields, the wrong number of fields); it
  // counts in the question at the end.
  void RegelOvergeslagen() { ++overgeslagen_; }

  // The fields below give kOnleesbaar for what they cannot read, after
  // reporting it as a fault of the line. A line holding such a value never
  // reaches the list: no amount or date is made up for it.
  static const double kOnleesbaar;
  // yyyymmdd (the first 8 characters); on failure the fault is voor + the
  // date text + na (without the date text when `noemDatum` is false), code 3.
  bool DatumJjjjmmdd(const std::string& veld, const std::string& voor, const std::string& na,
                     double& datum, bool noemDatum = true);
  // d-m-yyyy as the program writes dates.
  bool DatumDmj(const std::string& veld, const std::string& voor, const std::string& na, double& datum);
  // A date the file writes in yyyy-mm-dd (ISO) form; reported like the others.
  bool DatumIso(const std::string& veld, double& datum);
  // An amount as the user's settings read it (the old layouts).
  double Getal(std::string tekst);
  // An amount with a fixed decimal separator (the current layouts); reports
  // as Getal does.
  double VastGetal(const std::string& tekst, char decimaal);
  // Whether a value of the helpers above was read.
  static bool IsGelezen(double waarde);
  // The currency's position from the first three characters; an unknown
  // code is reported once per file and code, and gives position 0.
  int Munt(const std::string& veld);
  // The own account; `aanbod` offers a new account for an unknown number.
  void EigenRekening(TNewKas& regel, const std::string& tekst, bool aanbod);
  // The counter account into TegenRekNr and TegenRek; kinds 1 and 2 become
  // 5 and 6 for an own account. `zetNummer` false leaves TegenRekNr alone.
  void TegenRekening(TNewKas& regel, const std::string& tekst, bool zetNummer = true);
  // The reader has come to line `regel` (0-based) of Regels(): the progress
  // of reading a long file.
  void Gelezen(std::size_t regel) {
    bronRegel_ = regel;
    if (melder_) melder_->Stap(regel + 1);
  }
  // Balances for the check after parsing.
  void Saldi(SaldoAfschrift afschrift) { saldi_.push_back(std::move(afschrift)); }

  int OfferNewAccount(const std::string& nummer);
  // The account selection over every account, for a file that names no
  // account number (a history file of another program); 0 when cancelled.
  int KiesRekening();

 private:
  struct GemeldeFout {
    std::string soort;
    std::string melding;
    std::size_t eersteRegel = 0;
    std::size_t laatsteRegel = 0;
    int regels = 0;
    bool piep = false;
  };

  bool KiesBestand(int tag, std::string& pad);
  // Bytes of a file: the check of line lengths, then parsing.
  bool VerwerkBytes(int tag, const std::string& naam, std::string_view bytes, bool meldGelezen);
  // Drops the lines that hold a value the reader could not read.
  void LaatOnleesbareWeg();
  void MeldRegelFouten();
  std::string Reden() const;
  void Sorteer();
  void KiesEigenRekening();

  Kasboek& kb_;
  VoortgangMelder* melder_ = nullptr;  // while a reader reads
  SelectMutVoerder& kiezer_;
  RekeningDialoogVoerder* rekeningVoerder_;
  std::string bankBestand_;
  int tag_ = 0;
  int formaat_ = 0;
  std::vector<std::string> regels_;
  std::vector<TNewKas> lijst_{TNewKas{}};
  std::array<bool, 101> inBestand_{};
  bool regelsKlaar_ = false;
  int laatsteAfschrift_ = 0;
  RekeningMatch eigenMatch_;
  RekeningMatch tegenMatch_;
  std::vector<SaldoAfschrift> saldi_;
  // Numbers whose offer or question was answered in this run: asked once.
  std::set<std::string> afgeslagen_;
  std::map<std::string, bool> stopAntwoord_;
  // The faults of lines in the order they were first found.
  std::vector<GemeldeFout> fouten_;
  std::size_t bronRegel_ = 0;
  int overgeslagen_ = 0;
  bool afgebroken_ = false;
  int fout_ = 0;
  std::string reden_;  // the question's reason when it is not the code's text
};

}  // namespace valdero
