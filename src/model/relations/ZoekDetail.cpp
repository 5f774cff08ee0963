#include "relations/ZoekDetail.h"

#include <cctype>

#include "core/Bedragen.h"
#include "core/Datum.h"
#include "core/Kasboek.h"
#include "core/TekstHulp.h"

namespace valdero {

GroepBtw BtwVanGroep(const Kasboek& kb, const std::string& groepKode) {
  const int g = kb.ZoekGroep(groepKode);
  if (g == 0) return {};
  const std::string letter = VulRechts(kb.GroepLijst[static_cast<std::size_t>(g)].Klasse, 3);
  const auto k = static_cast<std::size_t>(kb.ZoekKlasse(letter));
  if (k >= kb.KlasseLijst.size()) return {};
  const TKlasse02& klasse = kb.KlasseLijst[k];
  // The class of the VAT bookings themselves carries none.
  std::string kop = klasse.Omschrijving.substr(0, 3);
  for (char& c : kop) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (kop == "BTW") return {};
  if (klasse.BtwSoort != 1 && klasse.BtwSoort != 2) return {};
  return {klasse.BtwSoort, klasse.BtwPerc};
}

TransActieTekst TransActieVan(Kasboek& kb, const TKas& kas) {
  const auto rek = static_cast<std::size_t>(kb.ZoekRekening(kas.RekNr));
  const std::string rekNaam = rek != 0 ? kb.RekLijst[rek].Naam : std::string();
  const auto munt = static_cast<std::size_t>(kas.Munt);
  const std::string muntNaam = munt < kb.ValutaLijst.size() ? kb.ValutaLijst[munt].Naam : "";
  const auto g = static_cast<std::size_t>(kb.ZoekGroep(kas.GroepKode));
  const std::string klasse = g != 0 ? kb.GroepLijst[g].Klasse : std::string();
  const GroepBtw btw = BtwVanGroep(kb, kas.GroepKode);

  TransActieTekst t;
  t[0] = {"RekeningNr.", std::to_string(kas.RekNr) + " " + rekNaam, "VolgNr",
          std::to_string(kas.Volgnr())};
  t[1] = {"Datum", DatumTekst(kas.Datum), "Actiecode", kas.ActieKode};
  t[2] = {"Tegenrekening", kas.TegenRekNr, "Munt", muntNaam};
  t[3] = {"Relatie", kas.Relatie, "Koers", GetalTekst(kb, kas.MuntKoers, 5)};
  t[4] = {"Bedrag", GetalTekst(kb, kas.Bedrag, 2), "", ""};
  if (btw.soort != 0) {
    // Stored amounts include VAT.
    const double f = btw.perc;
    t[4][2] = "BTW bedrag";
    t[4][3] = GetalTekst(kb, f * kas.Bedrag / (f + 100), 2);
  }
  t[5] = {"Omschrijving", kas.Omschrijving, "Klasse", klasse};
  return t;
}

}  // namespace valdero
