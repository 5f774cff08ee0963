#include "ui/shell/Vensters.h"

#include "model/core/Kasboek.h"
#include "model/storage/ConfigBestand.h"
#include "ui/shell/TValdero.h"

namespace valdero {

Vensters::Vensters(TValdero& hoofd) : hoofd_(hoofd), kb_(hoofd.Boek()) { hoofd_.Koppel(*this); }

Vensters::~Vensters() {
  // The main window may outlive the windows plugged in here.
  hoofd_.Ontkoppel(*this);
}

bool Vensters::Heeft(Venster venster) const {
  switch (venster) {
    case Venster::Rekeningen: return rekeningen_ != nullptr;
    case Venster::Budget: return budget_ != nullptr;
    case Venster::Relaties: return relaties_ != nullptr;
    case Venster::Boeking: return boeking_ != nullptr;
    case Venster::Rapport: return overzicht_ != nullptr;
    case Venster::Grafiek: return grafiek_ != nullptr;
    case Venster::BtwRapport: return btw_ != nullptr;
    case Venster::Exporteren: return export_ != nullptr;
    case Venster::Zoeken: return zoeken_ != nullptr;
    case Venster::Selectie: return selectieDlg_ != nullptr;
    case Venster::Importeren: return afschrift_ != nullptr;
    case Venster::RekeningBeheer: return rekeningBeheer_ != nullptr;
    case Venster::GroepBeheer: return groepBeheer_ != nullptr;
    case Venster::Opties: return opties_ != nullptr;
    case Venster::Persoonsdata: return persoon_ != nullptr;
  }
  return false;
}

QWidget* Vensters::VensterVan(int nummer) const {
  const auto it = perNummer_.find(nummer);
  return it == perNummer_.end() ? nullptr : it->second;
}

void Vensters::SchrijfConfig() {
  // Without an open book there is no configuration file to write to; a
  // configuration that cannot be written says so itself.
  if (!kb_.sessie.ConfigPad.empty() && kb_.sessie.KasPad != "*.vdr") static_cast<void>(valdero::SchrijfConfig(kb_));
}

void Vensters::OpenRapportVan(int soort, int positie, int nummer) {
  if (soort >= 100)
    OpenGrafiek(soort, positie, VoorschriftVoorRapport(soort));
  else
    OpenRapport(soort, positie, VoorschriftVoorRapport(soort));
  hoofd_.Registreer(nummer, VensterVan(nummer));
}

}  // namespace valdero
