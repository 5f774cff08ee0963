#include "model/reports/SelectieDialoog.h"

#include <algorithm>

#include "model/core/Kasboek.h"
#include "model/core/Windows1252.h"
#include "model/reports/ReportSelection.h"
#include "model/core/TekstVorm.h"

namespace valdero {
namespace {

// The kind names of the default table, for a book without a configuration.
const std::vector<std::string> kStandaardSoorten = {"BT betalingen", "BZ bezittingen", "EF effecten",
                                                    "LN leningen",   "SP sparen",      "TR tranferrek.",
                                                    "ZN zonder naam"};

}  // namespace

SelectieModus ModusVoor(int soort) {
  const int s = soort >= 100 ? soort - 100 : soort;
  if (s >= 16 && s <= 19) return SelectieModus::Relaties;
  if (s == 32) return SelectieModus::Soorten;
  return SelectieModus::Klassen;
}

SelectieInhoud VulSelectie(const Kasboek& kb, int soort) {
  SelectieInhoud in;
  in.modus = ModusVoor(soort);
  in.periodeZichtbaar = soort < 100 || soort == 115;
  in.perioden = {"Jaar", "1eHalfJr", "2eHalfJr", "Periode"};
  switch (in.modus) {
    case SelectieModus::Klassen:
      in.kader = "Klassen";
      in.instructie = {" Kies gewenste", " klassen door", " klikken van de", " klassevakjes"};
      in.lijstHoogte = 305;
      for (const TKlasse02& k : kb.KlasseLijst) {
        in.items.push_back(EersteTekens(Getrimd(k.Letter) + " " + k.Naam, 27));
        in.waarden.push_back(k.Letter);
      }
      break;
    case SelectieModus::Relaties: {
      in.kader = "Relaties ";
      in.instructie = {" Kies gewenste", " relaties door", " klikken van de", " relatievakjes"};
      in.lijstHoogte = 320;
      // One entry per name; names that agree in their first 20 characters
      // are one relation, named as the first transaction had it.
      std::vector<std::string> namen;
      std::vector<std::string> gezien;
      for (int i = 1; i <= kb.MaxKas(); ++i) {
        const std::string& naam = kb.KasLijst[static_cast<std::size_t>(i)].Relatie;
        if (Getrimd(naam).empty()) continue;
        const std::string sleutel = EersteTekens(naam, 20);
        if (std::find(gezien.begin(), gezien.end(), sleutel) != gezien.end()) continue;
        gezien.push_back(sleutel);
        namen.push_back(naam);
      }
      std::sort(namen.begin(), namen.end());
      in.items = namen;
      in.waarden = namen;
      break;
    }
    case SelectieModus::Soorten:
      in.kader = "Rekening Typen";
      in.instructie = {" Kies gewenste", " rekening door", " klikken van de", " soortvakjes"};
      in.perioden = {"Jaar", "Maand", "Kwartaal", "Periode"};
      in.lijstHoogte = 200;
      for (std::size_t i = 0; i < kb.SoortKodes.size(); ++i) {
        std::string naam = i < kb.SoortLijst.size() ? kb.SoortLijst[i].Naam : std::string();
        if ((!kb.ConfigAanwezig || naam.empty()) && i < kStandaardSoorten.size()) naam = kStandaardSoorten[i];
        in.items.push_back(naam);
        in.waarden.push_back(kb.SoortKodes[i]);
      }
      break;
  }
  return in;
}

std::string BevestigSelectie(const Kasboek& kb, const SelectieInhoud& in, const std::vector<bool>& aangevinkt,
                             int periode, ReportSelection& selectie) {
  const bool iets = std::any_of(aangevinkt.begin(), aangevinkt.end(), [](bool b) { return b; });
  if (!iets) {
    switch (in.modus) {
      case SelectieModus::Soorten: return "Kies minstens één rekening";
      case SelectieModus::Klassen: return "Kies minstens één klasse";
      case SelectieModus::Relaties: return "Kies minstens één relatie";
    }
  }
  auto vink = [&](std::size_t i) { return i < aangevinkt.size() && aangevinkt[i]; };
  selectie.PeriodCode = 1;
  switch (in.modus) {
    case SelectieModus::Soorten: {
      static constexpr int kCodes[] = {1, 12, 4, 52};
      selectie.PeriodCode = periode >= 0 && periode < 4 ? kCodes[periode] : 1;
      selectie.Soorten.assign(kb.SoortKodes.size(), std::string());
      for (std::size_t i = 0; i < in.waarden.size() && i < selectie.Soorten.size(); ++i)
        if (vink(i)) selectie.Soorten[i] = in.waarden[i];
      break;
    }
    case SelectieModus::Klassen:
      selectie.PeriodCode = periode >= 0 && periode < 4 ? periode + 1 : 1;
      selectie.Klassen.assign(kb.KlasseLijst.size(), std::string());
      for (std::size_t i = 0; i < in.waarden.size() && i < selectie.Klassen.size(); ++i)
        if (vink(i)) selectie.Klassen[i] = in.waarden[i];
      break;
    case SelectieModus::Relaties:
      selectie.PeriodCode = periode >= 0 && periode < 4 ? periode + 1 : 1;
      selectie.Relaties.clear();
      for (std::size_t i = 0; i < in.waarden.size(); ++i)
        if (vink(i)) selectie.Relaties.push_back(in.waarden[i]);
      break;
  }
  return {};
}

}  // namespace valdero
