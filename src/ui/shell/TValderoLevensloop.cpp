// What the life-cycle commands (New, the new year, the password) switch on
// the main window while they run.
#include <QAction>
#include <QDateEdit>
#include <QGroupBox>
#include <QToolButton>

#include "ui/widgets/QtDatum.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/TekstHulp.h"
#include "model/shell/StatusTeksten.h"
#include "ui/shell/TValdero.h"

namespace valdero {
void TValdero::ToonDatumPanel(double datum, double van, double tot) {
  datumKeuze_->setDateRange(AlsQDate(van), AlsQDate(tot));
  ToonDatumPanel(datum);
}

void TValdero::NieuweRekeningGemaakt() {
  // A second New while the first one runs would start over on the half-made
  // book.
  Zet(MenuItem::Nieuw, false);
  nieuwKasPanel_->hide();
  Zet(MenuItem::OpenRekening, true);
}

void TValdero::NieuweGroepenGemaakt() {
  RapportVoorschrift voorschrift = VoorschriftVoor(1);
  voorschrift.periode = 1;
  if (Heeft(VensterOpeners::Venster::Budget)) {
    vensters_->OpenBudget(1, voorschrift);
    RegistreerNummer(2);
  }
  for (const MenuItem p : {MenuItem::OpenGroep, MenuItem::OpenBudget, MenuItem::OpenRelatie})
    Zet(p, true);
  Zet(MenuItem::Transfereren, false);
  transferActief_ = false;
}

void TValdero::WachtwoordToegestaan() { Zet(MenuItem::Wachtwoord, true); }

void TValdero::ToonBasisMunt() {
  PasConfigToe();
  if (const std::string tekst = BasisMuntTekst(kb_, 14); !tekst.empty())
    ZetStatus(1, QString::fromStdString(tekst));
}

}  // namespace valdero
