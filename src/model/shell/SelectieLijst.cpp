#include "model/shell/SelectieLijst.h"
#include "model/core/Domein.h"

#include <charconv>

#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"
#include "model/core/TekstHulp.h"

namespace valdero {
namespace {


std::string RekeningRegel(const TBank& r, bool opNaam, int breedte) {
  if (opNaam) return VulRechts(r.Naam, breedte) + "   " + r.RekNrTekst;
  return r.RekNrTekst + " " + r.Naam;
}

std::optional<int> AlsGetal(const std::string& tekst) {
  int n = 0;
  const char* eind = tekst.data() + tekst.size();
  auto [p, ec] = std::from_chars(tekst.data(), eind, n);
  if (ec != std::errc() || p != eind) return std::nullopt;
  return n;
}

std::optional<SelectieKeuze> Rekening(Kasboek& kb, const std::string& sleutel, bool nulIsAlles) {
  if (auto n = AlsGetal(sleutel)) {
    if (nulIsAlles && *n == 0) return SelectieKeuze{0, 0, {}};
    if (const auto pos = kb.ZoekRekening(*n)) return SelectieKeuze{*pos, *n, {}};
  }
  Foutmelding(kb, "Rekening " + sleutel, FoutNr::BestaatNiet, HintNr::ProbeerOpnieuw);
  return std::nullopt;
}

}  // namespace

SelectieLijst RekeningSelectie(const Kasboek& kb, bool voorRapport) {
  SelectieLijst l{SelectieSoort::Rekening, "Kies Rekening", {}, kb.weergave.RekeningenOpNaam};
  for (int i = 1; i <= kb.MaxRek() && i < static_cast<int>(kb.RekLijst.size()); ++i)
    l.regels.push_back(RekeningRegel(kb.RekLijst[static_cast<std::size_t>(i)], l.opNaam, voorRapport ? 28 : 20));
  return l;
}

SelectieLijst GroepSelectie(const Kasboek& kb) {
  SelectieLijst l{SelectieSoort::Groep, "Kies groep of subgroep", {}, kb.weergave.GroepenOpNaam};
  for (int i = 1; i <= kb.MaxGroep() && i < static_cast<int>(kb.GroepLijst.size()); ++i) {
    const TBudget& g = kb.GroepLijst[static_cast<std::size_t>(i)];
    l.regels.push_back(l.opNaam ? VulRechts(g.Naam, 20) + "   " + g.Kode : g.Kode + " " + g.Naam);
  }
  return l;
}

SelectieLijst PeriodeSelectie() {
  return {SelectieSoort::Periode, "Kies periode (in weken)", {" 1", " 2", " 4", " 6", " 8", " 12", " 26"}, false};
}

SelectieLijst ValutaSelectie(const Kasboek& kb) {
  SelectieLijst l{SelectieSoort::Valuta, "Kies Valuta", {}, false};
  for (const TValut& v : kb.ValutaLijst)
    if (v.Koers > 0) l.regels.push_back(VulRechts(v.Kode, 5) + v.Naam);
  return l;
}

SelectieLijst BtwSelectie(const Kasboek& kb) {
  SelectieLijst l{SelectieSoort::Btw, "Kies Rekening", {}, kb.weergave.RekeningenOpNaam};
  for (int i = 1; i <= kb.MaxRek() && i < static_cast<int>(kb.RekLijst.size()); ++i) {
    const TBank& r = kb.RekLijst[static_cast<std::size_t>(i)];
    if (r.Soort == "BT") l.regels.push_back(RekeningRegel(r, l.opNaam, 20));
  }
  l.regels.push_back(" 0 Alle betaal rekeningen");
  return l;
}

SelectieLijst ExportSelectie(const Kasboek& kb) {
  SelectieLijst l{SelectieSoort::Export, "Kies Rekening", {}, kb.weergave.RekeningenOpNaam};
  for (int i = 1; i <= kb.MaxRek() && i < static_cast<int>(kb.RekLijst.size()); ++i) {
    const TBank& r = kb.RekLijst[static_cast<std::size_t>(i)];
    if (r.RekNr != kTransferRekening) l.regels.push_back(RekeningRegel(r, l.opNaam, 20));
  }
  l.regels.push_back("0 Alle valdero bedragen");
  return l;
}

std::string SleutelUitRegel(const std::string& regel, bool opNaam) {
  const auto begin = regel.find_first_not_of(' ');
  if (begin == std::string::npos) return {};
  const auto eind = regel.find_last_not_of(' ') + 1;
  if (opNaam) {
    const auto blanco = regel.rfind(' ', eind - 1);
    const auto start = (blanco == std::string::npos || blanco < begin) ? begin : blanco + 1;
    return regel.substr(start, eind - start);
  }
  const auto blanco = regel.find(' ', begin);
  return regel.substr(begin, (blanco == std::string::npos ? eind : blanco) - begin);
}

std::optional<SelectieKeuze> KiesUitSelectie(Kasboek& kb, const SelectieLijst& lijst,
                                             const std::string& regel) {
  // The fixed "all" lines start with their number whatever the listing order.
  const bool vasteRegel = !lijst.regels.empty() && regel == lijst.regels.back() &&
                          (lijst.soort == SelectieSoort::Btw || lijst.soort == SelectieSoort::Export);
  const std::string sleutel = SleutelUitRegel(regel, lijst.opNaam && !vasteRegel);
  switch (lijst.soort) {
    case SelectieSoort::Rekening:
      return Rekening(kb, sleutel, false);
    case SelectieSoort::Btw:
      return Rekening(kb, sleutel, true);
    case SelectieSoort::Export:
      if (sleutel == std::to_string(kTransferRekening)) {
        Foutmelding(kb, "Rekening " + sleutel, FoutNr::BestaatNiet, HintNr::ProbeerOpnieuw);
        return std::nullopt;
      }
      return Rekening(kb, sleutel, true);
    case SelectieSoort::Groep:
      if (const auto pos = kb.ZoekGroep(sleutel)) return SelectieKeuze{*pos, 0, sleutel};
      Foutmelding(kb, "Groepkode " + sleutel, FoutNr::BestaatNiet, HintNr::ProbeerOpnieuw);
      return std::nullopt;
    case SelectieSoort::Periode:
      if (auto n = AlsGetal(sleutel); n && *n > 0) return SelectieKeuze{0, *n, {}};
      Foutmelding(kb, "Periode " + sleutel, FoutNr::BestaatNiet, HintNr::ProbeerOpnieuw);
      return std::nullopt;
    case SelectieSoort::Valuta: {
      const std::string kode = SleutelUitRegel(regel, false);
      int gevonden = -1;
      for (std::size_t i = 0; i < kb.ValutaLijst.size(); ++i)
        if (kb.ValutaLijst[i].Kode == kode) gevonden = static_cast<int>(i);
      if (gevonden >= 0) return SelectieKeuze{gevonden, 0, kode};
      kb.berichten().BerichtDlg("Muntsoort niet juist", BerichtSoort::Fout, knop::OK);
      return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace valdero
