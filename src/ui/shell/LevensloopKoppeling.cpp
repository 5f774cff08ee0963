#include "ui/shell/LevensloopKoppeling.h"

#include <QGroupBox>
#include <QTimer>

#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/storage/BoekVersleuteling.h"
#include "model/lifecycle/HerstelKeuze.h"
#include "ui/lifecycle/THerstelDlg.h"
#include "ui/shell/TValdero.h"

namespace valdero {

LevensloopKoppeling::LevensloopKoppeling(TValdero& hoofd, RekeningDialoogVoerder& rekeningVoerder,
                                         WachtwoordVoerder& wachtwoord)
    : hoofd_(hoofd),
      rekeningDialoog_(hoofd.Boek(), rekeningVoerder),
      levensloop_(hoofd.Boek(), *this, rekeningDialoog_, wachtwoord) {
  hoofd_.Koppel(static_cast<LevensloopCommandos&>(*this));
}

LevensloopKoppeling::~LevensloopKoppeling() {
  // The window may outlive this object.
  hoofd_.Ontkoppel(static_cast<const LevensloopCommandos&>(*this));
}

void LevensloopKoppeling::Versleutelen() { static_cast<void>(VraagEnVersleutel(hoofd_.Boek())); }

void LevensloopKoppeling::VersleutelingOpheffen() {
  Kasboek& kb = hoofd_.Boek();
  if (valdero::Vraag(kb, "Versleuteling opheffen? Het boek, de configuratie, de reservekopie en de "
                         "herstelpunten worden weer onversleuteld bewaard."))
    static_cast<void>(HefVersleutelingOp(kb));
}

void LevensloopKoppeling::Open() {
  if (QGroupBox* start = hoofd_.findChild<QGroupBox*>(QStringLiteral("NieuwKaspanel"))) start->hide();
  // Refused access ends the program; closing from the event loop lets the
  // command finish first.
  if (!levensloop_.OpenBoekCommando()) QTimer::singleShot(0, &hoofd_, &QWidget::close);
}

void LevensloopKoppeling::BewaarAls() {
  const int basis = hoofd_.Boek().BasisMunt;
  levensloop_.BewaarAls();
  // The saves go to the new file from now on: its name is the one shown.
  hoofd_.ToonBoekNaam();
  if (hoofd_.Boek().BasisMunt != basis) hoofd_.ToonBasisMunt();
}

void LevensloopKoppeling::Herstelpunt() {
  HerstelKeuze keuze(hoofd_.Boek());
  THerstelDlg dlg(keuze, &hoofd_);
  dlg.exec();
  if (!dlg.Teruggezet()) return;
  // The book put back is opened as Open does, its password asked again.
  hoofd_.LaadBoek(false);
  if (hoofd_.Boek().GroepGelezen && !levensloop_.ControleerWachtwoord())
    QTimer::singleShot(0, &hoofd_, &QWidget::close);
}

void LevensloopKoppeling::LaadBoek() { hoofd_.LaadBoek(false); }

void LevensloopKoppeling::VernieuwHoofdvenster() {
  // What could not be put together was reported; the main window shows it.
  static_cast<void>(hoofd_.VernieuwHoofdvenster());
}

void LevensloopKoppeling::NieuweRekeningGemaakt() { hoofd_.NieuweRekeningGemaakt(); }

void LevensloopKoppeling::NieuweGroepenGemaakt() { hoofd_.NieuweGroepenGemaakt(); }

void LevensloopKoppeling::ToonStartDatum(double van, double tot) { hoofd_.ToonDatumPanel(van, van, tot); }

void LevensloopKoppeling::WachtwoordToegestaan() { hoofd_.WachtwoordToegestaan(); }

}  // namespace valdero
