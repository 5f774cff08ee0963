// The booking window opened from the main window: the "&Transacties" and
// "Bele&ggingen" menus, the agenda button and the free search's "&Wijzigen";
// the window list and the blocked menus follow the window.
#include <QGroupBox>
#include <QPushButton>
#include <QTableView>

#include "BoekingVenster.h"
#include "KlaarLader.h"
#include "ui/shell/Vensters.h"
#include "model/bookings/Posten.h"
#include "model/core/KasVolgorde.h"
#include "ui/shell/TValdero.h"

using namespace valdero;
using namespace valdero::test;

namespace {

struct MetHoofdvenster {
  Venster v;
  KlaarLader lader;
  std::unique_ptr<TValdero> hoofd;
  std::unique_ptr<Vensters> vensters;
  MetHoofdvenster() {
    v.boek.Rekening(99, "TRANSFER REKENING", "TR");
    v.boek.Kas(1, "410", -20, Dag(2, 5), 1, "brood");
    v.boek.Kas(99, "410", -30, Dag(20, 5), 1, "verwacht");
    hoofd = std::make_unique<TValdero>(v.kb, lader, "");
    vensters = std::make_unique<Vensters>(*hoofd);
    vensters->KoppelBoekingVenster(v.form, v.zoek);
    hoofd->KoppelingenBijgewerkt();
  }
  bool Aan(const char* pad) const {
    QAction* a = hoofd->Actie(QString::fromUtf8(pad));
    return a && a->isEnabled();
  }
  QString Titel() { return v.Kind<QGroupBox>("BoekingPanel")->title(); }
};

}  // namespace

class TstBoekingFormHoofdvenster : public QObject {
  Q_OBJECT
 private slots:
  void menusOpenenEnBlokkeren();
  void agendaEnVrijZoeken();
  void hoofdvensterSluitenVraagtOmRedden();
  void agendaVolgtDeGeboekteVoorspellingen();
};

void TstBoekingFormHoofdvenster::menusOpenenEnBlokkeren() {
  MetHoofdvenster m;
  QVERIFY(m.Aan("&Transacties"));
  m.hoofd->Actie("&Transacties|&Bijboeken")->trigger();
  QVERIFY(m.v.form.isVisible());
  QCOMPARE(m.Titel(), QString("B I J B O E K E N"));
  QVERIFY(!m.Aan("&Transacties"));
  QVERIFY(m.Aan("Bele&ggingen"));
  QVERIFY(m.hoofd->Lijst().Geregistreerd(4));

  QTest::mouseClick(m.v.Kind<QPushButton>("StopKnop"), Qt::LeftButton);
  QVERIFY(!m.v.form.isVisible());
  QVERIFY(m.Aan("&Transacties"));
  QVERIFY(!m.hoofd->Lijst().Geregistreerd(4));

  m.hoofd->Actie("Bele&ggingen|&Kopen           (buy)")->trigger();
  QCOMPARE(m.Titel(), QString("A A N K O O P van EFFECTEN"));
  QVERIFY(!m.Aan("Bele&ggingen"));
  QVERIFY(m.Aan("&Transacties"));
  // A booking button while the window is open keeps its one list entry.
  m.hoofd->Actie("&Transacties|&Af boeken")->trigger();
  QCOMPARE(m.Titel(), QString("A F B O E K E N  "));
  QVERIFY(!m.Aan("&Transacties"));
  QTest::mouseClick(m.v.Kind<QPushButton>("SluitKnop"), Qt::LeftButton);
  QVERIFY(m.Aan("&Transacties") && m.Aan("Bele&ggingen"));
  QVERIFY(!m.hoofd->Lijst().Geregistreerd(4));
  QVERIFY2(m.v.boek.berichten.getoond.empty(), "no \"Venster al gesloten\"");
}

void TstBoekingFormHoofdvenster::hoofdvensterSluitenVraagtOmRedden() {
  MetHoofdvenster m;
  // As in the program: the booking window belongs to the main window.
  m.v.form.setParent(m.hoofd.get(), Qt::Window);
  m.hoofd->show();
  m.hoofd->Actie("&Transacties|&Bijboeken")->trigger();
  QVERIFY(m.v.form.isVisible());
  QVERIFY(m.v.Typ(veld::Rekening, "2"));

  m.v.boek.berichten.Antwoord(antwoord::Ja);  // the record is still to be saved
  QVERIFY(!m.hoofd->close());
  QVERIFY(m.hoofd->isVisible() && m.v.form.isVisible());
  QCOMPARE(m.v.boek.berichten.Teksten().back(), std::string("Kas-record nog redden"));

  QVERIFY(m.hoofd->close());  // Nee: both close
  QVERIFY(!m.v.form.isVisible());
  m.v.form.setParent(nullptr);  // the test owns it
}

void TstBoekingFormHoofdvenster::agendaVolgtDeGeboekteVoorspellingen() {
  MetHoofdvenster m;
  auto* agenda = m.hoofd->findChild<QPushButton*>("AgendaBtn");
  int plan = 0;
  for (int i = 1; i <= m.v.kb.MaxKas(); ++i)
    if (m.v.kb.KasLijst[static_cast<std::size_t>(i)].RekNr == 99) plan = i;
  const TKas bewaard = m.v.kb.KasLijst[static_cast<std::size_t>(plan)];

  // The only plan deleted after loading: the agenda has nothing to show.
  VerwijderBoekingen(m.v.kb, {plan});
  agenda->click();
  QVERIFY(!m.v.form.isVisible());
  QCOMPARE(m.v.boek.berichten.Teksten().back(), std::string("Agenda niet actief, gebruik Transacties "));

  // Planned again: the agenda opens.
  VoegKasIn(m.v.kb, bewaard);
  m.v.kiezer.stap = [](TZoekDlg& d) {
    KlikRijMet(d, "verwacht");
    KlikKnop(d, "KopieBtn");
  };
  agenda->click();
  QCOMPARE(m.Titel(), QString("P R E D I C T I E"));
  QVERIFY(m.hoofd->Lijst().Geregistreerd(4));
  m.v.form.close();
}

void TstBoekingFormHoofdvenster::agendaEnVrijZoeken() {
  MetHoofdvenster m;
  m.v.kiezer.stap = [](TZoekDlg& d) {
    KlikRijMet(d, "verwacht");
    KlikKnop(d, "KopieBtn");
  };
  m.hoofd->findChild<QPushButton*>("AgendaBtn")->click();
  QCOMPARE(m.Titel(), QString("P R E D I C T I E"));
  QVERIFY(m.hoofd->Lijst().Geregistreerd(4));
  m.v.form.close();

  // "&Wijzigen" of the free search on the bread.
  m.v.zoek.ToonVrijZoeken();
  auto* raster = m.v.zoek.findChild<QTableView*>("StringGrid1");
  emit raster->customContextMenuRequested(raster->visualRect(raster->model()->index(0, 0)).center());
  QMenu* menu = m.v.zoek.findChild<QMenu*>("PopupZoeken");
  menu->close();
  for (QAction* a : menu->actions())
    if (a->text() == "&Wijzigen") a->trigger();
  QCOMPARE(m.Titel(), QString("W I J Z I G E N "));
  QCOMPARE(m.v.Tekst(veld::Omschrijving), QString("brood"));
  QVERIFY(m.hoofd->Lijst().Geregistreerd(4));
  m.v.form.close();
  QVERIFY(!m.hoofd->Lijst().Geregistreerd(4));
}

QTEST_MAIN(TstBoekingFormHoofdvenster)
#include "tst_boekingform_hoofdvenster.moc"
