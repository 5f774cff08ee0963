// The booking window typed into field by field with Enter, as a user does:
// ordinary bookings in a foreign display currency, the grid views, the
// panel's buttons and closing.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QBrush>
#include <QStyleOptionComboBox>
#include <QTableView>

#include "BoekingVenster.h"
#include "ui/shell/QtBoekingVensters.h"
#include "ui/groups/TNewBudgetDlg.h"

using namespace valdero;
using namespace valdero::test;

class TstBoekingForm : public QObject {
  Q_OBJECT
 private slots:
  void bijEnAfInVreemdeMunt();
  void onbekendeGroep();
  void groepViaGroepDialoog();
  void herstelEnSchrap();
  void opentZonderLegeRuimteEnToontRekeningenHeel();
  void rasterSnijdtDatumEnTotalenNietAf();
  void okMetGetypteInvoerVraagtOfHijGeboektWordt_data();
  void okMetGetypteInvoerVraagtOfHijGeboektWordt();
  void sluitenVraagtOmRedden();
  void tabInRekeningVeld();
  void lijstenOpNaam();
  void veldenBegrenzenInvoer();
};

namespace {

QAction* MenuItem(QMenu* menu, const QString& tekst) {
  for (QAction* a : menu->actions())
    if (a->text() == tekst) return a;
  return nullptr;
}

}  // namespace

// The display currency is the dollar (1.25 euro, exact in single precision):
// amounts are typed and shown in dollars and stored in euros.
void TstBoekingForm::bijEnAfInVreemdeMunt() {
  Venster v;
  v.kb.ValutaLijst[1].Koers = 1.25f;
  v.kb.weergave.HulpMunt = 1;
  QSignalSpy blokkade(&v.form, &TBoekingForm::MenuBlokkade);
  QVERIFY(v.form.Boeking(1));
  QVERIFY(v.form.isVisible());
  QCOMPARE(blokkade.count(), 1);
  QCOMPARE(blokkade[0][0].toBool(), false);  // "&Transacties"
  QCOMPARE(blokkade[0][1].toBool(), true);
  QCOMPARE(v.form.windowTitle(), QString("Boekingen"));
  QCOMPARE(v.Kind<QGroupBox>("BoekingPanel")->title(), QString("B I J B O E K E N"));
  QCOMPARE(v.Tekst(veld::Munt), QString("USD"));
  QVERIFY(!v.Kind<QPushButton>("BewaarKnop")->isEnabled());
  QVERIFY(v.Kind<QPushButton>("SluitKnop")->isEnabled());

  QVERIFY(v.Typ(veld::Rekening, "2"));
  QVERIFY(!v.Kind<QPushButton>("SluitKnop")->isEnabled());
  QVERIFY(v.Typ(veld::Volgnr, "12"));
  QVERIFY(v.Typ(veld::Blad, "5"));
  QVERIFY(v.Typ(veld::Groep, "201"));
  QCOMPARE(v.Kind<QLabel>("KlasseText")->text(), QString(" I "));
  QVERIFY(v.Typ(veld::Actie, "BY"));
  QVERIFY(v.Typ(veld::Datum, "3-5"));
  QCOMPARE(v.Tekst(veld::Datum), QString("3-5-2026"));
  QVERIFY(v.Typ(veld::TegenRek, "NL12AB"));
  QVERIFY(v.Typ(veld::Relatie, "Werkgever BV"));
  QVERIFY(v.Typ(veld::Munt, ""));
  QVERIFY(v.form.Veld(veld::Koers)->isVisible());  // not the base currency
  QVERIFY(v.Typ(veld::Koers, ""));
  QVERIFY(v.Typ(veld::Bedrag, "100"));
  auto* bedrag = static_cast<QComboBox*>(v.form.Veld(veld::Bedrag));
  QVERIFY(bedrag->lineEdit()->styleSheet().contains("green"));
  QVERIFY(v.Typ(veld::Omschrijving, "Loon mei"));
  QVERIFY(v.Kind<QPushButton>("BewaarKnop")->isEnabled());
  QVERIFY(v.Bewaar());

  QCOMPARE(v.kb.MaxKas(), 1);
  const TKas& bij = v.boek.K(1);
  QCOMPARE(bij.RekNr, 2);
  QCOMPARE(bij.VolgBlad, 12 * 64 + 5);
  QCOMPARE(bij.GroepKode, std::string("201"));
  QCOMPARE(bij.ActieKode, std::string("BY"));
  QCOMPARE(bij.Datum, Dag(3, 5));
  QCOMPARE(bij.TegenRekNr, std::string("12"));
  QCOMPARE(bij.Relatie, std::string("Werkgever BV"));
  QCOMPARE(bij.Munt, 1);
  QCOMPARE(bij.Bedrag, 125.0);
  QCOMPARE(bij.Omschrijving, std::string("Loon mei"));
  QCOMPARE(bij.BoekSoort, 1);
  QVERIFY(!v.Kind<QGroupBox>("BoekingPanel")->isVisible());
  QVERIFY(v.form.PopupBoek()->isVisible());

  // The menu starts the debit in the same window; the account, statement and
  // date of the previous booking come back.
  QVERIFY(v.KiesMenu("&Afboeken"));
  QCOMPARE(v.Kind<QGroupBox>("BoekingPanel")->title(), QString("A F B O E K E N  "));
  QCOMPARE(v.Tekst(veld::Volgnr), QString("12"));
  QVERIFY(v.Typ(veld::Rekening, ""));
  QVERIFY(v.Typ(veld::Volgnr, ""));
  QVERIFY(v.Typ(veld::Blad, ""));
  QVERIFY(v.Typ(veld::Groep, "410"));
  QVERIFY(v.Typ(veld::Actie, ""));
  QVERIFY(v.Typ(veld::Datum, "4-5"));
  QVERIFY(v.Typ(veld::TegenRek, ""));
  QVERIFY(v.Typ(veld::Relatie, "Bakker"));
  QVERIFY(v.Typ(veld::Munt, "USD"));
  QVERIFY(v.Typ(veld::Koers, ""));
  QVERIFY(v.Typ(veld::Bedrag, "50"));
  QVERIFY(bedrag->lineEdit()->styleSheet().contains("red"));
  QCOMPARE(v.Kind<QLineEdit>("SaldoEdit")->text(), QString("50,00"));
  QVERIFY(v.Typ(veld::Omschrijving, "brood"));
  QVERIFY(v.Bewaar());

  QCOMPARE(v.kb.MaxKas(), 2);
  QCOMPARE(v.boek.K(2).Bedrag, -62.5);
  QCOMPARE(v.boek.K(2).GroepKode, std::string("410"));
  QCOMPARE(v.boek.Saldo(2), 62.5);
  QCOMPARE(v.boek.GroepTotaal("410"), -62.5);

  // The grid stays hidden until asked for; the first click shows all
  // balances, the second the account.
  auto* raster = v.Kind<QTableView>("RekenSaldogrid");
  auto* kasRek = v.Kind<QPushButton>("KasRekKnop");
  QVERIFY(!raster->isVisible());
  QCOMPARE(kasRek->text(), QString("ValDero"));
  QTest::mouseClick(kasRek, Qt::LeftButton);
  QVERIFY(raster->isVisible());
  QCOMPARE(kasRek->text(), QString("Rekening"));
  QCOMPARE(v.Kind<QLabel>("RekenLab")->text(), QString("ValDero Rekeningen Saldi             Jaar: 2026"));
  QCOMPARE(raster->model()->columnCount(), 5);
  QCOMPARE(raster->model()->rowCount(), 3);
  QCOMPARE(raster->model()->index(1, 1).data().toString(), QString("Spaar"));
  QCOMPARE(raster->model()->index(1, 4).data().toString(), QString("50,00"));
  QCOMPARE(raster->currentIndex().row(), 1);
  Afdruk(v.form, "boeking-saldi");

  // The account in dollars: the credit green under "Bij", the debit red
  // under " Af" with one minus sign, and the closing row.
  QTest::mouseClick(kasRek, Qt::LeftButton);
  QCOMPARE(kasRek->text(), QString("ValDero"));
  QCOMPARE(v.Kind<QLabel>("RekenLab")->text(), QString("Nummer :2 Rekening : Spaar  Jaar: 2026"));
  QCOMPARE(raster->model()->rowCount(), 3);
  QCOMPARE(raster->model()->headerData(5, Qt::Horizontal).toString(), QString(" Af"));
  QCOMPARE(raster->model()->index(0, 4).data().toString(), QString("100,00"));
  QCOMPARE(raster->model()->index(0, 4).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 128, 0));
  QCOMPARE(raster->model()->index(1, 5).data().toString(), QString("-50,00"));
  QCOMPARE(raster->model()->index(1, 5).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
  QCOMPARE(raster->model()->index(2, 4).data().toString(), QString("USD"));
  QCOMPARE(raster->model()->index(2, 5).data().toString(), QString("Eindsaldo : "));
  QCOMPARE(raster->model()->index(2, 7).data().toString(), QString("50,00"));
  QCOMPARE(raster->currentIndex().row(), 2);

  const QString verschil = VerschilMetBestand(v);
  QVERIFY2(verschil.isEmpty(), qPrintable(verschil));

  // The next booking keeps the account's grid above the panel.
  QVERIFY(v.KiesMenu("&Bijboeken"));
  QVERIFY(raster->isVisible());
  QVERIFY(v.TypVelden({{veld::Rekening, ""}, {veld::Volgnr, "13"}, {veld::Blad, "1"},
                       {veld::Groep, "201"}, {veld::Actie, "OV"}, {veld::Datum, "5-5"},
                       {veld::TegenRek, "NL99INGB0001234567"}, {veld::Relatie, "Werkgever BV"},
                       {veld::Munt, ""}, {veld::Koers, ""}, {veld::Bedrag, "12,50"}}));
  Afdruk(v.form, "boeking-rekening");
}

// An unknown code either becomes a group through the group dialog (Ja) or
// the booking goes to "Algemeen" (Nee); either way the group is in the book
// and in the file.
void TstBoekingForm::onbekendeGroep() {
  struct Geval {
    const char* naam;
    int antwoord;
    const char* getypt;
    std::string kode;
    std::string groepNaam;
    const char* veld;
  };
  const Geval gevallen[] = {
      {"Ja: the dialog creates it", antwoord::Ja, "777 Tuin", "777", "777 Tuin", "777   777 Tuin"},
      {"Nee: Algemeen", antwoord::Nee, "zzz", "aaaa", "Algemeen", "aaaa   Algemeen"},
  };
  for (const Geval& g : gevallen) {
    qInfo("%s", g.naam);
    Venster v;
    QVERIFY(v.form.Boeking(2));
    QVERIFY(v.TypVelden({{veld::Rekening, "1"}, {veld::Volgnr, "1"}, {veld::Blad, ""}}));
    v.boek.berichten.Antwoord(g.antwoord);
    QVERIFY(v.Typ(veld::Groep, g.getypt));
    QCOMPARE(v.boek.berichten.getoond.front().tekst,
             "Groep " + std::string(g.getypt) + " bestaat niet\r wilt u groep opvoeren");
    QCOMPARE(v.Tekst(veld::Groep), QString(g.veld));
    QVERIFY(v.Gefocust(veld::Actie));
    const int g1 = v.kb.ZoekGroep(g.kode).value();
    QVERIFY(g1);
    QCOMPARE(v.kb.GroepLijst[static_cast<std::size_t>(g1)].Naam, g.groepNaam);
    QVERIFY(v.TypVelden({{veld::Actie, ""}, {veld::Datum, "7-5"}, {veld::TegenRek, ""},
                         {veld::Relatie, "Tuincentrum"}, {veld::Munt, ""}, {veld::Bedrag, "40"},
                         {veld::Omschrijving, ""}}));
    QVERIFY(v.Bewaar());
    QCOMPARE(v.boek.K(1).GroepKode, g.kode);
    QCOMPARE(v.boek.GroepTotaal(g.kode), -40.0);
    auto terug = v.LeesTerug();
    QVERIFY(terug->kb.ZoekGroep(g.kode).has_value());
    const QString verschil = VerschilMetBestand(v);
    QVERIFY2(verschil.isEmpty(), qPrintable(verschil));
  }
}

// The real group dialog, filled in by the user: the typed text is the
// proposed title and code; the user picks the class and completes it.
void TstBoekingForm::groepViaGroepDialoog() {
  struct Bediener : QtBoekingVensters {
    QStringList gezien;
    void Bedien(TNewBudgetDlg& d) override {
      auto* verder = d.findChild<QPushButton*>("VerderBtn");
      gezien << d.windowTitle();
      verder->click();  // the introduction
      gezien << d.findChild<QComboBox*>("BudItemBox")->currentText();
      verder->click();  // the title as typed
      gezien << d.findChild<QLineEdit*>("BudItemEdit")->text();
      verder->click();  // the code as typed; no amounts in this view
      d.findChild<QComboBox*>("BudItemBox")->setEditText(" U ");
      verder->click();
    }
  } bediener;
  Venster v(&bediener);
  QVERIFY(v.form.Boeking(2));
  QVERIFY(v.TypVelden({{veld::Rekening, "1"}, {veld::Volgnr, "1"}, {veld::Blad, ""}}));
  v.boek.berichten.Antwoord(antwoord::Ja);
  QVERIFY(v.Typ(veld::Groep, "Tuin"));
  QCOMPARE(bediener.gezien, (QStringList{"Nieuwe Groep", "Tuin", "Tuin"}));
  const int g = v.kb.ZoekGroep("Tuin").value();
  QVERIFY(g);
  QCOMPARE(v.kb.GroepLijst[static_cast<std::size_t>(g)].Klasse, std::string(" U "));
  QCOMPARE(v.Tekst(veld::Groep), QString("Tuin   Tuin"));
  QCOMPARE(v.Kind<QLabel>("KlasseText")->text(), QString(" U "));
  QVERIFY(v.Gefocust(veld::Actie));
}

// Typed without Enter and confirmed with OK: the booking is never lost
// without a word.
void TstBoekingForm::okMetGetypteInvoerVraagtOfHijGeboektWordt_data() {
  QTest::addColumn<int>("antwoord");
  QTest::addColumn<bool>("geboekt");
  QTest::addColumn<bool>("open");
  QTest::newRow("Ja boekt") << int(antwoord::Ja) << true << false;
  QTest::newRow("Nee laat vallen") << int(antwoord::Nee) << false << false;
  QTest::newRow("Schrap blijft") << int(antwoord::Schrap) << false << true;
}

void TstBoekingForm::okMetGetypteInvoerVraagtOfHijGeboektWordt() {
  QFETCH(int, antwoord);
  QFETCH(bool, geboekt);
  QFETCH(bool, open);
  Venster v;
  QVERIFY(v.form.Boeking(1));
  auto zet = [&v](int tag, const QString& tekst) {
    if (auto* c = qobject_cast<QComboBox*>(v.form.Veld(tag))) c->setEditText(tekst);
    else static_cast<QLineEdit*>(v.form.Veld(tag))->setText(tekst);
  };
  zet(veld::Bedrag, "12,50");
  zet(veld::Omschrijving, "boodschappen");
  QVERIFY(v.Kind<QPushButton>("SluitKnop")->isEnabled());
  v.boek.berichten.Antwoord(antwoord);
  QTest::mouseClick(v.Kind<QPushButton>("SluitKnop"), Qt::LeftButton);
  QVERIFY(!v.boek.berichten.getoond.empty());
  QCOMPARE(QString::fromStdString(v.boek.berichten.getoond[0].tekst), QString("Kas-record nog boeken"));
  QCOMPARE(v.boek.berichten.getoond[0].knoppen, knop::Ja | knop::Nee | knop::Schrap);
  QCOMPARE(v.kb.MaxKas(), geboekt ? 1 : 0);
  if (geboekt) {
    QCOMPARE(v.kb.KasLijst[1].Bedrag, 12.5);
    QCOMPARE(QString::fromStdString(v.kb.KasLijst[1].Omschrijving), QString("boodschappen"));
    QCOMPARE(v.LeesTerug()->kb.MaxKas(), 1);
  }
  QCOMPARE(v.form.isVisible(), open);

  // Nothing typed: OK closes without a question.
  Venster leeg;
  QVERIFY(leeg.form.Boeking(1));
  QTest::mouseClick(leeg.Kind<QPushButton>("SluitKnop"), Qt::LeftButton);
  QVERIFY(leeg.boek.berichten.getoond.empty());
  QVERIFY(!leeg.form.isVisible());
}

// Fresh, the grid is hidden: the panel stands at the top, the window is no
// higher than what it shows, and every account fits its field.
void TstBoekingForm::opentZonderLegeRuimteEnToontRekeningenHeel() {
  Venster v;
  QVERIFY(v.form.Boeking(1));
  auto* panel = v.Kind<QGroupBox>("BoekingPanel");
  QVERIFY(!v.Kind<QTableView>("RekenSaldogrid")->isVisible());
  QVERIFY2(panel->y() < 20, "no empty area above the panel");
  QVERIFY(v.form.height() < panel->geometry().bottom() + 60);
  auto* ok = v.Kind<QPushButton>("SluitKnop");
  QVERIFY(ok->y() > panel->geometry().bottom());
  QVERIFY(ok->geometry().bottom() < v.form.height());

  auto* rekening = qobject_cast<QComboBox*>(v.form.Veld(veld::Rekening));
  QStyleOptionComboBox optie;
  optie.initFrom(rekening);
  optie.editable = true;
  const QRect veldVak =
      rekening->style()->subControlRect(QStyle::CC_ComboBox, &optie, QStyle::SC_ComboBoxEditField, rekening);
  QVERIFY(rekening->count() > 0);
  const QString transfer = "99   TRANSFER REKENING";
  QVERIFY2(rekening->fontMetrics().horizontalAdvance(transfer) <= veldVak.width(), qPrintable(transfer));

  // Showing the balances makes room for the grid above the panel.
  QTest::mouseClick(v.Kind<QPushButton>("KasRekKnop"), Qt::LeftButton);
  QVERIFY(v.Kind<QTableView>("RekenSaldogrid")->isVisible());
  QVERIFY(panel->y() > v.Kind<QTableView>("RekenSaldogrid")->geometry().bottom());
  Afdruk(v.form, "boeking-met-saldi");
}

// At a large configured font the account's grid still shows its dates,
// "Eindsaldo : " and the totals whole (the relation may be cut).
void TstBoekingForm::rasterSnijdtDatumEnTotalenNietAf() {
  Venster v;
  v.kb.Config.FontGrootte = 14;
  QVERIFY(v.form.Boeking(1));
  QVERIFY(v.Typ(veld::Rekening, "2"));
  QVERIFY(v.TypVelden({{veld::Volgnr, "1"}, {veld::Blad, "1"}, {veld::Groep, "201"}, {veld::Actie, "BY"},
                       {veld::Datum, "24-12"}, {veld::TegenRek, ""}, {veld::Relatie, "Werkgever"},
                       {veld::Munt, ""}, {veld::Bedrag, "123456,78"}, {veld::Omschrijving, "salaris"}}));
  QVERIFY(v.Bewaar());
  auto* kasRek = v.Kind<QPushButton>("KasRekKnop");
  QTest::mouseClick(kasRek, Qt::LeftButton);  // all balances
  QTest::mouseClick(kasRek, Qt::LeftButton);  // the account
  auto* raster = v.Kind<QTableView>("RekenSaldogrid");
  QVERIFY(raster->isVisible());
  const QFontMetrics fm(raster->font());
  QCOMPARE(raster->font().pointSize(), 14);
  for (int r = 0; r < raster->model()->rowCount(); ++r)
    for (int c = 0; c < raster->model()->columnCount(); ++c) {
      if (c == 3) continue;  // the relation
      const QString t = raster->model()->index(r, c).data().toString();
      QVERIFY2(fm.horizontalAdvance(t) < raster->columnWidth(c), qPrintable(QString("%1 in column %2").arg(t).arg(c)));
    }
}

void TstBoekingForm::herstelEnSchrap() {
  Venster v;
  QVERIFY(v.form.Boeking(1));
  auto* bewaar = v.Kind<QPushButton>("BewaarKnop");
  auto* herstel = v.Kind<QPushButton>("HerstelKnop");
  auto* ok = v.Kind<QPushButton>("SluitKnop");
  const QString volgnr = v.Tekst(veld::Volgnr);
  QVERIFY(v.TypVelden({{veld::Rekening, "2"}, {veld::Volgnr, "44"}}));
  QCOMPARE(v.form.Model().Stand().werk.RekNr, 2);
  QVERIFY(herstel->isEnabled() && bewaar->isEnabled() && !ok->isEnabled());

  QTest::mouseClick(herstel, Qt::LeftButton);
  QCOMPARE(v.Tekst(veld::Volgnr), volgnr);
  QCOMPARE(v.form.Model().Stand().werk.RekNr, 1);
  QVERIFY(v.Gefocust(veld::Rekening));
  QVERIFY(!herstel->isEnabled() && !bewaar->isEnabled() && ok->isEnabled());

  QVERIFY(v.Typ(veld::Rekening, "2"));
  QTest::mouseClick(v.Kind<QPushButton>("SchrapBtn"), Qt::LeftButton);
  QVERIFY(!v.Kind<QGroupBox>("BoekingPanel")->isVisible());
  QVERIFY(v.form.PopupBoek()->isVisible());
  QVERIFY(!bewaar->isEnabled() && !herstel->isEnabled());
  // No plan on the agenda account: nothing to transfer.
  QVERIFY(!MenuItem(v.form.PopupBoek(), "Open&Transfer")->isEnabled());
  QCOMPARE(v.kb.MaxKas(), 0);
}

void TstBoekingForm::sluitenVraagtOmRedden() {
  Venster v;
  QSignalSpy gesloten(&v.form, &TBoekingForm::Gesloten);
  QSignalSpy blokkade(&v.form, &TBoekingForm::MenuBlokkade);
  QVERIFY(v.form.Boeking(1));
  QVERIFY(v.Typ(veld::Rekening, "2"));
  v.boek.berichten.Antwoord(antwoord::Ja);  // yes, the record is still to be saved
  v.form.close();
  QVERIFY(v.form.isVisible());
  QCOMPARE(v.boek.berichten.Teksten(), std::vector<std::string>{"Kas-record nog redden"});
  QCOMPARE(gesloten.count(), 0);

  v.form.close();  // Nee: close without saving
  QVERIFY(!v.form.isVisible());
  QCOMPARE(gesloten.count(), 1);
  QCOMPARE(blokkade.count(), 2);
  QCOMPARE(blokkade.last()[1].toBool(), false);
  QCOMPARE(v.kb.MaxKas(), 0);

  // "&Stop" closes without asking.
  v.boek.berichten.Wis();
  QVERIFY(v.form.Boeking(2));
  QVERIFY(v.form.isVisible());
  QVERIFY(v.Typ(veld::Rekening, "2"));
  QTest::mouseClick(v.Kind<QPushButton>("StopKnop"), Qt::LeftButton);
  QVERIFY(!v.form.isVisible());
  QVERIFY(v.boek.berichten.getoond.empty());
  QCOMPARE(gesloten.count(), 2);
}

// Tab in the account field takes the account without Enter; Tab itself moves
// the focus on.
void TstBoekingForm::tabInRekeningVeld() {
  Venster v;
  QVERIFY(v.form.Boeking(1));
  v.form.activateWindow();
  QWidget* rekening = v.form.focusWidget();
  QVERIFY(v.Gefocust(veld::Rekening));
  QTest::keyClicks(rekening, "2");
  QTest::keyClick(rekening, Qt::Key_Tab);
  QCOMPARE(v.form.Model().Stand().werk.RekNr, 2);
  QCOMPARE(v.form.Model().Stand().onthoudRek, 2);
  QVERIFY(!v.Kind<QPushButton>("BewaarKnop")->isEnabled());  // Tab is no Enter
}

// With accounts and groups listed name first the user types the start of a
// name; the list completes it and the number or code at its end counts.
void TstBoekingForm::lijstenOpNaam() {
  Venster v;
  v.boek.Rekening(7, "Contant", "KS");
  v.kb.weergave.RekeningenOpNaam = v.kb.weergave.GroepenOpNaam = true;
  QVERIFY(v.form.Boeking(1));
  QCOMPARE(v.Tekst(veld::Rekening), QString("Betaal  1"));
  QVERIFY(v.Typ(veld::Rekening, "Spa"));
  QCOMPARE(v.Tekst(veld::Rekening), QString("Spaar  2"));
  QCOMPARE(v.form.Model().Stand().werk.RekNr, 2);
  QVERIFY(v.TypVelden({{veld::Volgnr, "3"}, {veld::Blad, ""}, {veld::Groep, "Salar"}}));
  QCOMPARE(v.Tekst(veld::Groep), QString("Salaris   201"));
  QCOMPARE(v.form.Model().Stand().werk.GroepKode, std::string("201"));
  // Back in the account field, a number typed in full needs no completion.
  auto* rekening = static_cast<QComboBox*>(v.form.Veld(veld::Rekening));
  rekening->setFocus();
  rekening->lineEdit()->selectAll();
  QVERIFY(v.Typ(veld::Rekening, "07"));
  QCOMPARE(v.form.Model().Stand().werk.RekNr, 7);
  QVERIFY(v.boek.berichten.getoond.empty());
}

// Each field takes no more than its longest entry; a longer text the window
// shows itself stays whole and can be shortened.
void TstBoekingForm::veldenBegrenzenInvoer() {
  struct Geval {
    int tag;
    QString getypt;
    int lengte;
  };
  const Geval gevallen[] = {{veld::Volgnr, "12345", 3},
                            {veld::Blad, "123", 2},
                            {veld::Datum, "01-05-2026-1", 10},
                            {veld::Relatie, QString(40, 'r'), 32},
                            {veld::Bedrag, "1234567890123456", 12},
                            {veld::Omschrijving, QString(130, 'o'), 120}};
  Venster v;
  QVERIFY(v.form.Boeking(1));
  for (const Geval& g : gevallen) {
    QWidget* w = v.form.Veld(g.tag);
    w->setFocus();
    QLineEdit* e = qobject_cast<QLineEdit*>(w);
    if (auto* c = qobject_cast<QComboBox*>(w)) e = c->lineEdit();
    e->clear();
    QTest::keyClicks(w, g.getypt);
    QCOMPARE(e->text(), g.getypt.left(g.lengte));
  }

  QVERIFY(v.form.Boeking(17));
  QCOMPARE(v.Tekst(veld::Actie), QString("ID Interest/Div. shares"));
  QWidget* actie = v.form.Veld(veld::Actie);
  static_cast<QComboBox*>(actie)->lineEdit()->end(false);
  QTest::keyClick(actie, Qt::Key_Backspace);
  QCOMPARE(v.Tekst(veld::Actie), QString("ID Interest/Div. share"));
}

QTEST_MAIN(TstBoekingForm)
#include "tst_boekingform.moc"
