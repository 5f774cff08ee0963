#include "model/groups/GroepRegels.h"

#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/TekstHulp.h"
#include "model/core/Windows1252.h"

namespace valdero {
namespace {

bool LetterOfCijfer(char32_t c) {
  return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

void Waarschuw(Kasboek& kb, const std::string& tekst) {
  kb.berichten().BerichtDlg(tekst, BerichtSoort::Waarschuwing, knop::OK);
}

void Fout(Kasboek& kb, const std::string& tekst) {
  kb.berichten().BerichtDlg(tekst, BerichtSoort::Fout, knop::OK);
}

}  // namespace

bool KodeToegestaan(Kasboek& kb, const std::string& kode, const std::string& huidigeKode) {
  // An account's own group follows its account number and nothing else.
  if (!huidigeKode.empty() && IsKort(huidigeKode)) {
    Fout(kb, "Bestaande Kode = " + huidigeKode + " \r" + "BankKode alleen wijzigen met RekeningNummer");
    return false;
  }
  if (IsKort(kode)) {
    Waarschuw(kb, "Kode :" + kode + " is gelijk aan RekeningCode,\r" + "Invoeren/wijzigen niet toegestaan");
    return false;
  }
  bool goed = true;
  std::size_t pos = 0;
  while (pos < kode.size()) {
    if (!LetterOfCijfer(VolgendTeken(kode, pos))) {
      Fout(kb, "Groep kode :" + kode + " niet juist");
      goed = false;
    }
  }
  return goed;
}

bool GroepUniek(Kasboek& kb, const TBudget& groep, int uitgezonderd) {
  if (groep.Kode == kNieuweKode) return true;
  for (int i = 1; i <= kb.MaxGroep() && i < static_cast<int>(kb.GroepLijst.size()); ++i) {
    if (i == uitgezonderd) continue;
    const TBudget& ander = kb.GroepLijst[static_cast<std::size_t>(i)];
    // An empty title clashes with nothing, but its code still must be unique.
    if (!groep.Naam.empty() && ander.Naam == groep.Naam) {
      Waarschuw(kb, "Titel :" + groep.Naam + " is al gebruikt");
      return false;
    }
    if (ander.Kode == groep.Kode) {
      Waarschuw(kb, "Groepkode :" + groep.Kode + " bestaat al!");
      return false;
    }
  }
  return true;
}

int HernoemGroepInKas(Kasboek& kb, const std::string& oud, const std::string& nieuw) {
  if (oud == nieuw || oud == kNieuweKode || nieuw == kNieuweKode) return 0;
  int aantal = 0;
  for (std::size_t i = 1; i < kb.KasLijst.size(); ++i) aantal += kb.KasLijst[i].GroepKode == oud ? 1 : 0;
  if (aantal == 0) return 0;
  // One question for all of them, saying how many: a group of a busy year
  // would otherwise ask the same thing once per transaction.
  const std::string hoeveel = aantal == 1 ? "de transactie" : "alle " + std::to_string(aantal) + " transacties";
  if (!Vraag(kb, "Groepkode " + oud + " vervangen door kode " + nieuw + "\rvoor " + hoeveel + " met deze kode"))
    return 0;
  for (std::size_t i = 1; i < kb.KasLijst.size(); ++i)
    if (kb.KasLijst[i].GroepKode == oud) kb.KasLijst[i].GroepKode = nieuw;
  return aantal;
}

void HernummerGroepen(Kasboek& kb) {
  for (std::size_t i = 0; i < kb.GroepLijst.size(); ++i)
    kb.GroepLijst[i].Nummer = static_cast<int>(i);
}

}  // namespace valdero
