#include "model/search/ZoekDetail.h"

#include <cctype>

#include "model/bookings/Posten.h"
#include "model/core/Bedragen.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/TekstHulp.h"

namespace valdero {

TransActieTekst TransActieVan(Kasboek& kb, const TKas& kas) {
  const auto rek = kb.ZoekRekening(kas.RekNr);
  const std::string rekNaam = rek ? kb.RekLijst[static_cast<std::size_t>(*rek)].Naam : std::string();
  const auto munt = static_cast<std::size_t>(kas.Munt);
  const std::string muntNaam = munt < kb.ValutaLijst.size() ? kb.ValutaLijst[munt].Naam : "";
  const auto g = kb.ZoekGroep(kas.GroepKode);
  const std::string klasse = g ? kb.GroepLijst[static_cast<std::size_t>(*g)].Klasse : std::string();
  const BtwUitkomst btw = BtwVanGroep(kb, kas.GroepKode);

  TransActieTekst t;
  t[0] = {"RekeningNr.", std::to_string(kas.RekNr) + " " + rekNaam, "VolgNr",
          std::to_string(kas.Volgnr())};
  t[1] = {"Datum", DatumTekst(kas.Datum), "Actiecode", kas.ActieKode};
  t[2] = {"Tegenrekening", kas.TegenRekNr, "Munt", muntNaam};
  t[3] = {"Relatie", kas.Relatie, "Koers", GetalTekst(kb, kas.MuntKoers, 5)};
  t[4] = {"Bedrag", GetalTekst(kb, kas.Bedrag, 2), "", ""};
  if (btw.soort != 0) {
    // Stored amounts include VAT.
    t[4][2] = "BTW bedrag";
    t[4][3] = GetalTekst(kb, BtwDeel(kas.Bedrag, btw.Percentage()), 2);
  }
  t[5] = {"Omschrijving", kas.Omschrijving, "Klasse", klasse};
  return t;
}

}  // namespace valdero
