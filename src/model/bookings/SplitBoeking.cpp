// Split bookings: after a save on a main code ("410") the booking offers the
// sub-groups ("410a", "410b", ...) one by one, each started as the next item
// of the split, and the grid shows the items booked so far.

#include <vector>

#include "model/bookings/BoekModi.h"
#include "model/bookings/BoekingModel.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/TekstHulp.h"

namespace valdero {

std::optional<int> BoekingModel::VolgendeSubgroep() {
  const std::string prefix = Kap(werk.GroepKode, 3);
  if (werk.GroepKode == prefix) {
    split.slot[0] = werk;
    split.aantal = 0;
  }
  int g = 1;
  if (splitModus) {
    const auto hoofd = kb.ZoekGroep(prefix);
    if (hoofd) g = *hoofd + 1;
  }
  for (; g <= kb.MaxGroep() && g < static_cast<int>(kb.GroepLijst.size()); ++g) {
    const TBudget& groep = kb.GroepLijst[static_cast<std::size_t>(g)];
    if (Kap(groep.Kode, 3) != prefix || !(groep.Kode > werk.GroepKode)) continue;
    werk.GroepKode = groep.Kode;
    std::optional<int> volgende;
    const char letter = groep.Klasse.size() > 1 ? groep.Klasse[1] : ' ';
    if (letter == 'B' || letter == 'U' || letter == 'V') volgende = modus::SplitAf;
    else if (letter == 'I' || letter == 'R' || letter == 'T') volgende = modus::SplitBij;
    if (boekModus == modus::Wijzigen) volgende = modus::VolgendWijzigen;
    const std::string naam = "\"" + Kap(groep.Naam, 32) + "\"";
    std::string vraag;
    if (volgende) {
      vraag = naam + " boeken";
    } else if (split.slot[0].Bedrag > 0) {
      vraag = naam + " Bij boeken";
      volgende = modus::SplitBij;
    } else {
      vraag = naam + " Af boeken";
      volgende = modus::SplitAf;
    }
    if (Vraag(kb, vraag)) return volgende;
  }
  return std::nullopt;
}

void BoekingModel::SplitVervolg(int m) {
  werk.Bedrag = 0;
  werk.Datum = laatsteDatum;
  werk.Omschrijving.clear();
  werk.Munt = kb.BasisMunt;
  werk.Belegging = 0;
  werk.PayDate = 0;
  werk.MuntKoers = 1;
  werk.Aantal = 0;
  werk.Prijs = 0;
  boekModus = m % 100;
  recordIndex = kb.MaxKas() + 1;
  splitModus = true;
}

void BoekingModel::GridSplit() {
  grid.label = "Bedragen van gesplitste transactie";
  std::vector<TKas> items;
  for (int s = 0; s <= split.aantal; ++s) {
    TKas k = split.slot[static_cast<std::size_t>(s)];
    k.Bedrag *= static_cast<double>(k.MuntKoers);
    items.push_back(std::move(k));
  }
  std::vector<const TKas*> regels;
  for (const TKas& k : items) regels.push_back(&k);
  GridRegels(regels);
}

}  // namespace valdero
