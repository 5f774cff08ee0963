#include "model/accounts/RekeningControle.h"
#include "model/core/Domein.h"

#include <charconv>

#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/TekstHulp.h"

namespace valdero {
namespace {

void Fout(Kasboek& kb, const std::string& tekst) {
  kb.berichten().BerichtDlg(tekst, BerichtSoort::Fout, knop::OK);
}

std::optional<int> AlsGetal(const std::string& tekst) {
  const auto b = tekst.find_first_not_of(' ');
  if (b == std::string::npos) return std::nullopt;
  const auto e = tekst.find_last_not_of(' ');
  int waarde = 0;
  const char* begin = tekst.data() + b;
  const char* eind = tekst.data() + e + 1;
  if (*begin == '+') ++begin;
  const auto [ptr, ec] = std::from_chars(begin, eind, waarde);
  if (ec != std::errc() || ptr != eind) return std::nullopt;
  return waarde;
}

}  // namespace

std::optional<int> ControleerRekNr(Kasboek& kb, const std::string& tekst, TBank& rekening) {
  const auto nummer = AlsGetal(tekst);
  if (!nummer) {
    Fout(kb, "Rekening is geen getal");
    return std::nullopt;
  }
  if (*nummer >= 1 && *nummer <= 98) return nummer;
  if (*nummer == kTransferRekening) {
    if (!kb.sessie.TransferBevestigd) kb.sessie.TransferBevestigd = Vraag(kb, "Als transferrekening opvoeren");
    if (kb.sessie.TransferBevestigd) {
      rekening.Naam = kTransferNaam;
      rekening.Soort = kTransferSoort;
    }
    return nummer;
  }
  Fout(kb, "Alleen nummers van 1 to 100 toegestaan");
  return std::nullopt;
}

bool RekNrUniek(Kasboek& kb, int rekNr, int positie) {
  for (int i = 1; i <= kb.MaxRek() && i < static_cast<int>(kb.RekLijst.size()); ++i) {
    if (i != positie && kb.RekLijst[static_cast<std::size_t>(i)].RekNr == rekNr) {
      Fout(kb, "RekenFile " + std::to_string(rekNr) + " bestaat al");
      return false;
    }
  }
  return true;
}

bool ControleerSoort(Kasboek& kb, const std::string& tekst, int rij) {
  const std::string kode = Kap(tekst, 2);
  for (const auto& k : kb.SoortKodes)
    if (k == kode) return true;
  Fout(kb, "Rekening soort :" + tekst + " Rij:" + std::to_string(rij) + " niet juist");
  return false;
}

// A changed account number takes its own group and its transactions along,
// so that nothing in the ledger is left pointing at a number that is gone.
void VerhuisRekNr(Kasboek& kb, int oud, int nieuw) {
  const std::string oudeKode = std::to_string(oud);
  const std::string nieuweKode = std::to_string(nieuw);
  const auto groep = kb.ZoekGroep(oudeKode);
  const bool groepMee = groep && !kb.ZoekGroep(nieuweKode);
  if (groepMee) kb.GroepLijst[static_cast<std::size_t>(*groep)].Kode = nieuweKode;
  for (std::size_t i = 1; i < kb.KasLijst.size(); ++i) {
    TKas& k = kb.KasLijst[i];
    if (k.RekNr == oud) k.RekNr = nieuw;
    if (k.TegenRek == oud) k.TegenRek = nieuw;
    if (groepMee && k.GroepKode == oudeKode) k.GroepKode = nieuweKode;
  }
}

int VrijRekNr(const Kasboek& kb) {
  for (int nr = 1;; ++nr)
    if (!kb.ZoekRekening(nr)) return nr;
}

}  // namespace valdero
