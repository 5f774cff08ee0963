// The reports that list single transactions: one account (kind 1), one group
// (5), a group with its subgroups side by side (6), the groups of chosen
// classes (10) and chosen relations (16).

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "model/core/Bedragen.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Voortgang.h"
#include "model/reports/RapportBouwers.h"
#include "model/reports/RapportHulp.h"
#include "model/reports/RapportSoort.h"
#include "model/reports/RapportStand.h"
#include "model/reports/RapportTabel.h"
#include "model/reports/ReportSelection.h"

namespace valdero {
namespace {

// Calls `doe` for every transaction in the period, in list order or reverse;
// the walk over the whole year is the report's progress.
template <class Doe>
void LoopTransacties(const Kasboek& kb, const RapportStand& stand, Doe doe) {
  const int n = kb.MaxKas();
  VoortgangMelder melder(kb.voortgang(), kRapportOpbouwen, static_cast<std::uint64_t>(std::max(n, 0)));
  for (int k = 1; k <= n; ++k) {
    const int i = stand.aflopend ? n - k + 1 : k;
    const TKas& kas = kb.KasLijst[static_cast<std::size_t>(i)];
    if (stand.InPeriode(kas.Datum)) doe(i, kas);
    melder.Stap(static_cast<std::uint64_t>(k));
  }
}

std::string Groepweergave(const Kasboek& kb, const RapportIndex& index, const std::string& kode) {
  if (!kb.weergave.GroepenOpNaam) return kode;
  const int g = index.Groep(kode);
  return g == 0 ? kode : kb.GroepLijst[static_cast<std::size_t>(g)].Naam;
}

// The statement view's description: at most seven lines of at most 42
// characters, split at the last blank from position 42 down to 33.
std::vector<std::string> WikkelOmschrijving(const std::string& tekst) {
  std::vector<std::string> regels;
  if (tekst.size() <= 1) return regels;
  std::string rest = tekst;
  for (int r = 0; r < 7 && !rest.empty(); ++r) {
    if (rest.size() < 42) {
      regels.push_back(rest);
      break;
    }
    std::size_t p = 32;
    for (std::size_t q = 42; q >= 33; --q)
      if (rest[q - 1] == ' ') {
        p = q;
        break;
      }
    regels.push_back(rest.substr(0, p));
    rest.erase(0, p);
  }
  return regels;
}

void ZetTransactieTotalen(Kasboek& kb, RapportTabel& tabel, double plus, double min, bool geenRijen,
                          const char* waarvoor) {
  const std::string cur = MuntKode(kb);
  TotaalRegel totaal{"TOTAAL  " + cur, {LeegVeld(), LeegVeld()}, true};
  TotaalRegel saldo{"SALDO  " + cur, {LeegVeld()}, false};
  if (geenRijen) {
    Mededeling(kb, std::string("Geen records voor deze ") + waarvoor);
  } else {
    tabel.geselecteerd = 0;
    if (plus > 0) totaal.velden[0] = PlusVeld(kb, plus);
    if (min < 0) totaal.velden[1] = MinVeld(kb, -min);
    if (plus != 0 && min != 0) {
      const double s = plus + min;
      saldo.zichtbaar = true;
      saldo.velden[0] = {RapportBedrag(kb, s), s > 0 ? VeldKleur::Groen : VeldKleur::Rood, true};
    }
  }
  tabel.totalen = {totaal, saldo};
}

std::string Tekst(int getal) { return std::to_string(getal); }

}  // namespace

const char* PeriodeNaam(int code) {
  switch (code) {
    case 1: return " Jaar";
    case 2: return " 1e Halfjaar";
    case 3: return " 2e Halfjaar";
    case 4: return " Tijdvak";
    default: return "";
  }
}

void BouwRekeningRapport(Kasboek& kb, const RapportStand& stand, RapportTabel& tabel) {
  const TBank& rek = kb.RekLijst[static_cast<std::size_t>(stand.positie)];
  const bool titels = kb.weergave.GroepenOpNaam;
  tabel.groepTitels = titels;
  tabel.kop = "INKOMSTEN en UITGAVEN  R E K E N I N G  Nr: " + rek.RekNrTekst + "  Jaar:" + kb.KasJaar +
              kKopRegelEinde + " Rekening Naam :" + rek.Naam + " Soort :" + rek.Soort;
  // Once the view was switched, the column of group titles is "Titel".
  const std::string tweede = titels ? (stand.gewisseld ? "Titel" : "Groep") : "Kode";
  if (stand.afschrift) {
    tabel.titels = {"Vlgnr", tweede, "Datum", "Tegenrek.", "Relatie/Omschrijving", "Code", "Bedrag"};
    tabel.breedtes = {40, titels ? 192 : 42, 65, 70, 315, 33, 72};
  } else {
    tabel.titels = {"Vlgnr", tweede, "Datum", "Relatie", "Bedrag", "Saldo", "Omschrijving"};
    tabel.breedtes = {40, titels ? 192 : 42, 65, 160, 72, 72, 245};
  }
  tabel.munt = "Munt :" + MuntKode(kb);

  const RapportIndex index(kb);
  double saldo = 0;
  LoopTransacties(kb, stand, [&](int i, const TKas& kas) {
    if (kas.RekNr != rek.RekNr) return;
    saldo += kas.Bedrag;
    RapportRij rij;
    rij.kasIndex = i;
    const std::string groep = Groepweergave(kb, index, kas.GroepKode);
    if (stand.afschrift) {
      rij.cellen = Cellen(Tekst(kas.Volgnr()), groep, DatumTekstLang(kas.Datum),
                          kas.TegenRekNr == "0" ? std::string() : kas.TegenRekNr, kas.Relatie, kas.ActieKode,
                          RapportBedrag(kb, kas.Bedrag));
      rij.omschrijving = WikkelOmschrijving(kas.Omschrijving);
    } else {
      rij.cellen = Cellen(Tekst(kas.Volgnr()), groep, DatumTekstLang(kas.Datum), kas.Relatie,
                          RapportBedrag(kb, kas.Bedrag), RapportBedrag(kb, saldo), kas.Omschrijving);
    }
    tabel.laatsteMaand = SplitsDatum(kas.Datum).maand;
    tabel.VoegToe(std::move(rij));
  });
  if (stand.afschrift) tabel.afschriftSaldo = SaldoVeld(kb, saldo);
  tabel.geselecteerd = tabel.AantalRijen() - 1;
  tabel.aantal = "Aantal = " + Tekst(tabel.AantalRijen());
}

void BouwGroepRapport(Kasboek& kb, const RapportStand& stand, RapportTabel& tabel) {
  const TBudget& groep = kb.GroepLijst[static_cast<std::size_t>(stand.positie)];
  const std::string kode = groep.Kode;
  const bool samengesteld = stand.soort == rapport::Samengesteld && !stand.subgroepen.empty();
  const int k = samengesteld ? static_cast<int>(stand.subgroepen.size()) : 0;
  tabel.subgroepen = k;
  const std::string cur = MuntKode(kb);
  const std::string teken = MuntTeken(kb);

  std::string sub;
  for (const std::string& s : stand.subgroepen) sub += s + ", ";
  tabel.kop = "GROEP-POST TRANSACTIES  Jaar:" + kb.KasJaar + kKopRegelEinde + " Boekings-Code : " + kode +
              "  " + (samengesteld ? sub : std::string()) + groep.Naam;
  if (samengesteld) {
    tabel.titels = {"Rek.", "VlgNr.", "Datum", "Relatie", "Bedrag--" + kode};
    for (const std::string& s : stand.subgroepen) tabel.titels.push_back(s);
    tabel.titels.push_back("Omschrijving");
    const int a = k > 3 ? std::max(300 / k, 40) : 96;
    tabel.breedtes = {40, 45, 65, 149};
    for (int j = 0; j <= k; ++j) tabel.breedtes.push_back(a);
    tabel.breedtes.push_back(200);
  } else {
    tabel.titels = {"Rek.", "VlgNr.", "Datum", "Relatie", "Bij_" + teken, "Af_" + teken, "Omschrijving"};
    tabel.breedtes = {40, 45, 65, 159, 96, 96, 230};
  }
  tabel.effectVelden = (groep.Klasse == " E " || groep.Klasse == " F ") && kode > "100";

  // The subgroup cell of a row: the first transaction anywhere with that
  // subgroup's code, the row's date and the row's relation.
  std::vector<std::unordered_map<std::string, double>> eerste(static_cast<std::size_t>(k));
  if (samengesteld) {
    std::unordered_map<std::string, int> subIndex;
    for (int j = 0; j < k; ++j) subIndex.emplace(stand.subgroepen[static_cast<std::size_t>(j)], j);
    for (int i = 1; i <= kb.MaxKas(); ++i) {
      const TKas& kas = kb.KasLijst[static_cast<std::size_t>(i)];
      const auto it = subIndex.find(kas.GroepKode);
      if (it == subIndex.end()) continue;
      eerste[static_cast<std::size_t>(it->second)].emplace(std::to_string(kas.Datum) + '\x1f' + kas.Relatie,
                                                           kas.Bedrag);
    }
  }

  double plus = 0, min = 0;
  std::vector<double> subSom(static_cast<std::size_t>(k), 0.0);
  LoopTransacties(kb, stand, [&](int i, const TKas& kas) {
    if (kas.GroepKode != kode) return;
    RapportRij rij;
    rij.kasIndex = i;
    rij.cellen = Cellen(Tekst(kas.RekNr), Tekst(kas.Volgnr()), DatumTekstLang(kas.Datum), kas.Relatie);
    rij.cellen.reserve(static_cast<std::size_t>(k) + 7);
    if (samengesteld) {
      rij.cellen.push_back(RapportBedrag(kb, kas.Bedrag));
      rij.som = kas.Bedrag;
      plus += kas.Bedrag;
      const std::string sleutel = std::to_string(kas.Datum) + '\x1f' + kas.Relatie;
      for (int j = 0; j < k; ++j) {
        const auto& m = eerste[static_cast<std::size_t>(j)];
        const auto it = m.find(sleutel);
        if (it == m.end()) {
          rij.cellen.emplace_back();
        } else {
          rij.cellen.push_back(RapportBedrag(kb, it->second));
          subSom[static_cast<std::size_t>(j)] += it->second;
          rij.som += it->second;
        }
      }
    } else {
      rij.cellen.push_back(kas.Bedrag > 0 ? RapportBedrag(kb, kas.Bedrag) : std::string());
      rij.cellen.push_back(kas.Bedrag < 0 ? RapportBedrag(kb, -kas.Bedrag) : std::string());
      if (kas.Bedrag > 0) plus += kas.Bedrag;
      if (kas.Bedrag < 0) min += kas.Bedrag;
    }
    rij.cellen.push_back(kas.Omschrijving);
    if (tabel.effectVelden) {
      tabel.aantalEffecten = GetalTekst(kb, kas.Aantal, 2);
      tabel.koers = GetalTekst(kb, kas.Prijs, 2);
    }
    tabel.VoegToe(std::move(rij));
  });

  // An account's own group: a summary row for what the account holds under
  // other groups, and the account's totals as the group's.
  if (kode.size() < 3) {
    const RapportIndex index(kb);
    const int a = index.Rekening(std::atoi(kode.c_str()));
    if (a > 0 && std::to_string(kb.RekLijst[static_cast<std::size_t>(a)].RekNr) == kode) {
      const TBank& rek = kb.RekLijst[static_cast<std::size_t>(a)];
      const TInUit cel = MatrixCel(kb, MatrixTotaalRij(kb), a);
      const double dIn = cel.In - plus;
      const double dUit = cel.Uit - min;
      if (dIn != 0 || dUit != 0) {
        RapportRij rij;
        rij.cellen = {rek.RekNrTekst, "-", Vandaag(kb), rek.Naam,
                      dIn > 0 ? RapportBedrag(kb, dIn) : std::string(),
                      dUit < 0 ? RapportBedrag(kb, -dUit) : std::string(),
                      rek.Soort == "EF" ? "Kopen / Verkopen" : "Inkomsten/Uitgaven"};
        if (samengesteld) rij.cellen.resize(static_cast<std::size_t>(k + 6));
        tabel.VoegToe(std::move(rij));
      }
      plus = cel.In;
      min = cel.Uit;
    }
  }

  tabel.aantal = "Aantal = " + Tekst(tabel.AantalRijen());
  if (!samengesteld) {
    ZetTransactieTotalen(kb, tabel, plus, min, tabel.AantalRijen() == 0, "groep");
    return;
  }
  // Kind 6: the main amount and each subgroup's sum, coloured by sign.
  auto veld = [&kb](double x) {
    if (x == 0) return LeegVeld();
    return RapportVeld{RapportBedrag(kb, x), x > 0 ? VeldKleur::Groen : VeldKleur::Rood, true};
  };
  TotaalRegel totaal{"TOTAAL  " + cur, {}, true};
  TotaalRegel saldo{"SALDO  " + cur, {LeegVeld()}, false};
  if (tabel.AantalRijen() == 0) {
    Mededeling(kb, "Geen records voor deze groep");
    totaal.velden.assign(static_cast<std::size_t>(k + 1), LeegVeld());
  } else {
    tabel.geselecteerd = 0;
    totaal.velden.push_back(veld(plus));
    double subTotaal = 0;
    for (double s : subSom) {
      totaal.velden.push_back(veld(s));
      subTotaal += s;
    }
    if (plus != 0 && subTotaal != 0) {
      const double s = plus + subTotaal;
      saldo.zichtbaar = true;
      saldo.velden[0] = {RapportBedrag(kb, s), s > 0 ? VeldKleur::Groen : VeldKleur::Rood, true};
    }
  }
  tabel.totalen = {totaal, saldo};
}

void BouwKlasseRapport(Kasboek& kb, const ReportSelection& selectie, const RapportStand& stand,
                       RapportTabel& tabel) {
  std::string klassen;
  for (std::size_t i = 0; i < kb.KlasseLijst.size() && i < selectie.Klassen.size(); ++i) {
    if (selectie.Klassen[i].empty()) continue;
    const TKlasse02& k = kb.KlasseLijst[i];
    klassen += k.Letter;
    if (k.BtwSoort == 1) klassen += "(BTW laag)";
    if (k.BtwSoort == 2) klassen += "(BTW hoog)";
    klassen += ",";
  }
  tabel.kop = "SPECIFIEKE KLASSE TRANSACTIES  Jaar:" + kb.KasJaar + PeriodeNaam(selectie.PeriodCode) +
              kKopRegelEinde + "Records van geselecteerde klassen : " + klassen;
  const std::string teken = MuntTeken(kb);
  tabel.titels = {"Rek.", "Kode", "Datum", "Relatie", "Bij_" + teken, "Af_" + teken, "Omschrijving"};
  tabel.breedtes = {40, 42, 66, 159, 96, 96, 230};

  // Whether each group's class is chosen, decided once per group.
  const RapportIndex index(kb);
  std::vector<char> gekozen(static_cast<std::size_t>(kb.MaxGroep()) + 1, 0);
  for (int g = 1; g <= kb.MaxGroep(); ++g)
    gekozen[static_cast<std::size_t>(g)] = selectie.KlasseGekozen(kb.GroepLijst[static_cast<std::size_t>(g)].Klasse);

  // The amounts are listed as booked: the period already picks the half
  // year or the typed period, and a divided amount would match no
  // transaction of the list.
  // A year's transactions use a few hundred codes: the verdict per code is
  // remembered by the code's bytes in a small table, so that most
  // transactions cost no hash of a string.
  struct Onthouden {
    std::uint64_t sleutel = 0;  // 0: empty
    bool gekozen = false;
  };
  std::array<Onthouden, 1024> onthouden{};
  auto isGekozen = [&](const std::string& kode) {
    if (kode.size() > 7) {
      const int g = index.Groep(kode);
      return g != 0 && gekozen[static_cast<std::size_t>(g)] != 0;
    }
    std::uint64_t sleutel = 0;
    std::memcpy(&sleutel, kode.data(), kode.size());
    sleutel = (sleutel << 8) | (kode.size() + 1);  // never 0
    Onthouden& plek = onthouden[(sleutel * 0x9E3779B97F4A7C15ULL) >> 54];
    if (plek.sleutel != sleutel) {
      const int g = index.Groep(kode);
      plek = {sleutel, g != 0 && gekozen[static_cast<std::size_t>(g)] != 0};
    }
    return plek.gekozen;
  };
  double plus = 0, min = 0;
  LoopTransacties(kb, stand, [&](int i, const TKas& kas) {
    if (!isGekozen(kas.GroepKode)) return;
    RapportRij rij;
    rij.kasIndex = i;
    rij.cellen = Cellen(Tekst(kas.RekNr) + "-" + Tekst(kas.Volgnr()), kas.GroepKode, DatumTekstLang(kas.Datum),
                        kas.Relatie, kas.Bedrag > 0 ? RapportBedrag(kb, kas.Bedrag) : std::string(),
                        kas.Bedrag < 0 ? RapportBedrag(kb, -kas.Bedrag) : std::string(), kas.Omschrijving);
    if (kas.Bedrag > 0) plus += kas.Bedrag;
    if (kas.Bedrag < 0) min += kas.Bedrag;
    tabel.VoegToe(std::move(rij));
  });
  ZetTransactieTotalen(kb, tabel, plus, min, tabel.AantalRijen() == 0, "klasseselectie");
  tabel.geselecteerd = tabel.AantalRijen() - 1;
  tabel.aantal = "Aantal = " + Tekst(tabel.AantalRijen());
}

void BouwRelatieRapport(Kasboek& kb, const ReportSelection& selectie, const RapportStand& stand,
                        RapportTabel& tabel) {
  std::string namen;
  for (std::size_t i = 0; i < selectie.Relaties.size() && i < 3; ++i) namen += selectie.Relaties[i] + ", ";
  if (selectie.Relaties.size() >= 3) namen += " ...";
  tabel.kop = "SPECIFIEKE RELATIE RECORDS Jaar:" + kb.KasJaar + PeriodeNaam(selectie.PeriodCode) +
              kKopRegelEinde + "Records van geselecteerde relaties :  " + namen;
  const std::string teken = MuntTeken(kb);
  tabel.titels = {"Rek.", "Kode", "Datum", "Relatie", "Bij_" + teken, "Af_" + teken, "Omschrijving"};
  tabel.breedtes = {40, 45, 65, 159, 96, 96, 230};

  const std::unordered_set<std::string> namenSet(selectie.Relaties.begin(), selectie.Relaties.end());
  double plus = 0, min = 0;
  LoopTransacties(kb, stand, [&](int i, const TKas& kas) {
    if (kas.Relatie.empty() || namenSet.count(kas.Relatie) == 0) return;
    RapportRij rij;
    rij.kasIndex = i;
    rij.cellen = Cellen(Tekst(kas.RekNr) + "-" + Tekst(kas.Volgnr()), kas.GroepKode, DatumTekstLang(kas.Datum),
                        kas.Relatie, kas.Bedrag > 0 ? RapportBedrag(kb, kas.Bedrag) : std::string(),
                        kas.Bedrag < 0 ? RapportBedrag(kb, -kas.Bedrag) : std::string(), kas.Omschrijving);
    if (kas.Bedrag > 0) plus += kas.Bedrag;
    if (kas.Bedrag < 0) min += kas.Bedrag;
    tabel.VoegToe(std::move(rij));
  });
  ZetTransactieTotalen(kb, tabel, plus, min, tabel.AantalRijen() == 0, "klasseselectie");
  tabel.geselecteerd = tabel.AantalRijen() - 1;
  tabel.aantal = "Aantal = " + Tekst(tabel.AantalRijen());
}

}  // namespace valdero
