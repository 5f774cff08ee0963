#include "model/bankimport/RekeningHerkenning.h"

#include <cctype>

#include "model/bankimport/BankTekst.h"
#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/TekstHulp.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool IsCijfer(char c) { return c >= '0' && c <= '9'; }

bool LijktOpIban(const std::string& s) {
  return s.size() >= 15 && s.size() <= 34 && IsLetter(s[0]) && IsLetter(s[1]) && IsCijfer(s[2]) &&
         IsCijfer(s[3]);
}

std::string ZonderVoorloopNullen(const std::string& s) {
  const auto p = s.find_first_not_of('0');
  if (p == std::string::npos) return s.empty() ? s : std::string("0");
  return s.substr(p);
}

RekeningMatch Match(const Kasboek& kb, std::string& tekst) {
  tekst = ReduceerRekeningNummer(tekst);
  RekeningMatch uit;
  if (tekst.empty()) return uit;
  if (tekst != "0") tekst = ZonderVoorloopNullen(tekst);
  for (int i = 1; i <= kb.MaxRek(); ++i) {
    const TBank& rek = kb.RekLijst[static_cast<std::size_t>(i)];
    if (NaamCijfers(rek.Naam) == tekst) uit.rekeningen.push_back(rek.RekNr);
  }
  if (!uit.rekeningen.empty()) uit.aantal = static_cast<int>(uit.rekeningen.size());
  if (uit.aantal == 1) uit.rekNr = uit.rekeningen.front();
  return uit;
}

}  // namespace

std::string ReduceerRekeningNummer(const std::string& tekst) {
  std::string kaal;
  for (char c : tekst)
    if (c != ' ') kaal += c;
  if (!LijktOpIban(kaal)) return Getrimd(tekst);
  if (kaal.compare(0, 2, "NL") == 0 && kaal.size() == 18) return ZonderVoorloopNullen(kaal.substr(8));
  return kaal.substr(0, 12);
}

std::string NaamCijfers(const std::string& naam) {
  std::string cijfers;
  for (char c : naam)
    if (IsCijfer(c)) cijfers += c;
  return cijfers;
}

RekeningMatch MatchOwnAccount(const Kasboek& kb, std::string& tekst) { return Match(kb, tekst); }

RekeningMatch MatchCounterAccount(const Kasboek& kb, std::string& tekst) {
  RekeningMatch uit = Match(kb, tekst);
  if (uit.rekNr != 0) {
    if (const auto pos = kb.ZoekRekening(uit.rekNr)) tekst = kb.RekLijst[static_cast<std::size_t>(*pos)].Naam;
  }
  return uit;
}

std::string AccountNameByDigits(const Kasboek& kb, const std::string& cijfers) {
  for (int i = 1; i <= kb.MaxRek(); ++i) {
    const TBank& rek = kb.RekLijst[static_cast<std::size_t>(i)];
    if (NaamCijfers(rek.Naam) == cijfers) return Kap(rek.Naam, 24);
  }
  return {};
}

std::string AccountNameDigits(Kasboek& kb, int rekNr) {
  const auto pos = kb.ZoekRekening(rekNr);
  if (!pos) {
    kb.berichten().BerichtDlg("Geen Rekening gevonden: " + std::to_string(rekNr), BerichtSoort::Fout,
                              knop::OK);
    return {};
  }
  return NaamCijfers(kb.RekLijst[static_cast<std::size_t>(*pos)].Naam);
}

}  // namespace valdero
