#include "model/shell/MenuItems.h"

namespace valdero {

std::string_view MenuPad(MenuItem item) {
  switch (item) {
    case MenuItem::Bestand: return "&Bestand";
    case MenuItem::Nieuw: return "&Bestand|&Nieuw";
    case MenuItem::OpenRekening: return "&Bestand|Open &Rekening";
    case MenuItem::OpenGroep: return "&Bestand|Open &Groep";
    case MenuItem::OpenBudget: return "&Bestand|Open &Budget";
    case MenuItem::OpenRelatie: return "&Bestand|Open Re&latie";
    case MenuItem::Bewaren: return "&Bestand|&Bewaren";
    case MenuItem::BewarenAls: return "&Bestand|Bewaren &als...";
    case MenuItem::Importeren: return "&Bestand|&Importeren";
    case MenuItem::Wachtwoord: return "&Bestand|&Wachtwoord";
    case MenuItem::Transacties: return "&Transacties";
    case MenuItem::Transfereren: return "&Transacties|&Transfereren";
    case MenuItem::Beleggingen: return "Bele&ggingen";
    case MenuItem::Overzichten: return "&Overzichten";
    case MenuItem::OverzichtRekeningen: return "&Overzichten|&Rekeningen";
    case MenuItem::OverzichtGroepen: return "&Overzichten|&Groepen";
    case MenuItem::BtwBerekening: return "&Overzichten|&Btw berekening";
    case MenuItem::Grafieken: return "Grafieken";
    case MenuItem::GrafiekRekeningen: return "Grafieken|Rekeningen";
    case MenuItem::GrafiekGroepen: return "Grafieken|Groepen";
    case MenuItem::Beeld: return "Bee&ld";
    case MenuItem::BeeldTransactie: return "Bee&ld|&Transactie";
    case MenuItem::BeeldBelegging: return "Bee&ld|Belegging";
    case MenuItem::BeeldValuta: return "Bee&ld|&Valuta";
    case MenuItem::StartupToggle: return "&Extra|Startup Max.venster";
  }
  return {};
}

}  // namespace valdero
