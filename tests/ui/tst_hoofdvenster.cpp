// The main window: menus and their tags, enabling from the load flags, the
// start panel, the selection panel and the window list.
#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "ShellBoek.h"
#include "model/storage/BoekBestand.h"
#include "ui/shell/TValdero.h"

using namespace valdero;

namespace {

// The main window on the book the test filled, every window and the main
// life-cycle commands plugged in as recorders.
struct Venster {
  explicit Venster(std::function<void(ShellBoek&)> vul, LaadUitkomst u = LaadUitkomst::Geladen) : lader(u) {
    vul(boek);
    hoofd = std::make_unique<TValdero>(boek.kb, lader, "");
    hoofd->Koppel(opnemer);
    hoofd->Koppel(levensloop);
  }
  template <typename T>
  T* Deel(const char* naam) const {
    return hoofd->findChild<T*>(QString::fromUtf8(naam));
  }
  bool Aan(const char* pad) const {
    QAction* a = hoofd->Actie(QString::fromUtf8(pad));
    return a && a->isEnabled();
  }
  ShellBoek boek;
  Opnemer opnemer;
  LevensloopOpnemer levensloop{opnemer.oproepen};
  KlaarLader lader;
  std::unique_ptr<TValdero> hoofd;
};

}  // namespace

class TstHoofdvenster : public QObject {
  Q_OBJECT
 private slots:
  void menuItems_data();
  void menuItems();
  void menusVolgenLaadvlaggen_data();
  void menusVolgenLaadvlaggen();
  void verkeerdeSectieGeeftFoutmelding();
  void zonderVensterBlijftItemUit();
  void beleggingKnoppenEnStatusbalk();
  void selectiePaneel_data();
  void selectiePaneel();
  void selectieEscapeZetItemsWeerAan();
  void selectieToetsenOpHetVakZelf();
  void vensterLijst();
  void transactiesOpenenBoekingen();
  void wachtwoordVoorHetTonen_data();
  void wachtwoordVoorHetTonen();
  void startPaneelKeuzes_data();
  void startPaneelKeuzes();
  void andereValutaViaSelectiePaneel();
  void startZoektBoekInVasteVolgorde();
  void startMetArgumentLeidtJaarAf();
};

void TstHoofdvenster::menuItems_data() {
  QTest::addColumn<QString>("pad");
  QTest::addColumn<int>("tag");
  const std::pair<const char*, int> items[] = {
      {"&Bestand|&Nieuw", 0},
      {"&Bestand|Open &Valdero", 0},
      {"&Bestand|Open &Rekening", 1},
      {"&Bestand|Open &Groep", 1},
      {"&Bestand|Open &Budget|Begroting per &Jaar", 2},
      {"&Bestand|Open &Budget|Begroting  per &Maand", 3},
      {"&Bestand|Open &Budget|Begroting per &Kwartaal", 4},
      {"&Bestand|Open &Budget|Begrotig per &Periode", 5},
      {"&Bestand|Open &Budget|&Selectie van klassen", 6},
      {"&Bestand|Open Re&latie", 0},
      {"&Bestand|&Bewaren", 0},
      {"&Bestand|Bewaren &als...", 0},
      {"&Bestand|&Importeren|&Rabo", 0},
      {"&Bestand|&Importeren|&ABN", 2},
      {"&Bestand|&Importeren|ING (dd-mm-jjjj)", 5},
      {"&Bestand|&Importeren|&SNS", 3},
      {"&Bestand|&Importeren|&Keuze|Rabo", 10},
      {"&Bestand|&Importeren|&Keuze|Girotel", 11},
      {"&Bestand|&Importeren|&Keuze|ABN", 12},
      {"&Bestand|&Importeren|&Keuze|ING 1", 14},
      {"&Bestand|&Importeren|&Keuze|SNS", 13},
      {"&Bestand|&Importeren|&Keuze|ING 2", 15},
      {"&Bestand|&Importeren|Mutaties Bewaren als...", 0},
      {"&Bestand|&Wachtwoord", 0},
      {"&Bestand|Versleu&telen...", 0},
      {"&Bestand|Versleuteling op&heffen", 0},
      {"&Bestand|&Einde", 0},
      {"&Transacties|&Bijboeken", 1},
      {"&Transacties|&Af boeken", 2},
      {"&Transacties|&Wijzigen", 0},
      {"&Transacties|&Kopiëren", 4},
      {"&Transacties|&Transfereren", 8},
      {"&Transacties|&Verwijderen", 3},
      {"&Transacties|&Overschrijven|&Af rekening naar tegenrek.", 6},
      {"&Transacties|&Overschrijven|&Bij rekening van tegenrek.", 5},
      {"Bele&ggingen|&Aanschaffen (add)", 11},
      {"Bele&ggingen|&Inwisselen     (pay out)", 12},
      {"Bele&ggingen|&Wijzigen        (change)", 10},
      {"Bele&ggingen|&Kopen           (buy)", 15},
      {"Bele&ggingen|&Verkopen      (sell)", 16},
      {"Bele&ggingen|Ve&rwijderen   (remove)", 13},
      {"Bele&ggingen|Waar&deren    (value)", 14},
      {"Bele&ggingen|&Rente/Divid   (change)", 17},
      {"&Overzichten|&Rekeningen", 1},
      {"&Overzichten|&Groepen|&Enkel", 5},
      {"&Overzichten|&Groepen|&Samengesteld", 6},
      {"&Overzichten|&Klassen", 10},
      {"&Overzichten|Re&laties", 16},
      {"&Overzichten|&Btw berekening", 150},
      {"&Overzichten|&Begroting|IN/UIT per &jaar", 11},
      {"&Overzichten|&Begroting|IN/UIT per &maand", 12},
      {"&Overzichten|&Begroting|IN/UIT per &kwartaal", 13},
      {"&Overzichten|&Begroting|IN/UIT &selectie", 15},
      {"&Overzichten|&Begroting|IN/UIT per &tijdvak", 14},
      {"&Overzichten|Budget Ba&lans|Saldo per &jaar", 21},
      {"&Overzichten|Budget Ba&lans|Saldo per &maand", 22},
      {"&Overzichten|Budget Ba&lans|Saldo per &kwartaal", 23},
      {"&Overzichten|Budget Ba&lans|Saldo per &tijdvak", 24},
      {"&Overzichten|Budget Ba&lans|Saldo &Selectie", 25},
      {"&Overzichten|&ValderoSaldi|&Alle rekeningen", 31},
      {"&Overzichten|&ValderoSaldi|Rekening &Selectie", 32},
      {"&Overzichten|&Zoeken", 40},
      {"&Overzichten|&Exporteren", 60},
      {"Grafieken|Rekeningen", 101},
      {"Grafieken|Groepen", 105},
      {"Grafieken|Klassen", 110},
      {"Grafieken|Begroting|IN / UIT per Jaar", 111},
      {"Grafieken|Begroting|IN /UITper Maand", 112},
      {"Grafieken|Begroting|IN / UITper Kwartaal", 113},
      {"Grafieken|Begroting|IN / UIT Selectie", 115},
      {"Grafieken|ValderoSaldi|Alle rekeningen", 131},
      {"Grafieken|ValderoSaldi|Rekening Selectie", 132},
      {"Bee&ld|&Transactie", 0},
      {"Bee&ld|Belegging", 0},
      {"Bee&ld|&Valuta", 0},
      {"&Extra|&Opties", 0},
      {"&Extra|&Persoonsdata", 0},
      {"&Extra|Startup Max.venster", 0},
      {"&Extra|&Notities", 0},
      {"&Help|Inhoud Help", 0},
      {"&Help|Info", 0},
  };
  for (auto [pad, tag] : items) QTest::newRow(pad) << QString::fromUtf8(pad) << tag;
}

void TstHoofdvenster::menuItems() {
  QFETCH(QString, pad);
  QFETCH(int, tag);
  Venster v([](ShellBoek& b) { b.Gewoon(); });
  QAction* a = v.hoofd->Actie(pad);
  QVERIFY2(a, qPrintable(pad));
  QCOMPARE(a->text(), pad.section(QLatin1Char('|'), -1));
  QCOMPARE(a->data().toInt(), tag);
}

void TstHoofdvenster::menusVolgenLaadvlaggen_data() {
  QTest::addColumn<bool>("rek");
  QTest::addColumn<bool>("groep");
  QTest::addColumn<bool>("kas");
  QTest::addColumn<bool>("transacties");
  QTest::addColumn<bool>("overzichten");
  QTest::addColumn<bool>("startPanel");
  QTest::addColumn<bool>("menuPanel");
  QTest::newRow("alles gelezen") << true << true << true << true << true << false << true;
  QTest::newRow("niets gelezen") << false << false << false << false << false << true << false;
  QTest::newRow("alleen rekeningen en groepen") << true << true << false << true << false << false << true;
  QTest::newRow("alleen rekeningen") << true << false << false << false << false << false << false;
}

void TstHoofdvenster::menusVolgenLaadvlaggen() {
  QFETCH(bool, rek);
  QFETCH(bool, groep);
  QFETCH(bool, kas);
  QFETCH(bool, transacties);
  QFETCH(bool, overzichten);
  QFETCH(bool, startPanel);
  QFETCH(bool, menuPanel);
  Venster v([&](ShellBoek& b) {
    b.Gewoon();
    b.kb.RekGelezen = rek;
    b.kb.GroepGelezen = groep;
    b.kb.KasGelezen = kas;
  });
  v.hoofd->show();
  QCOMPARE(v.Aan("&Bestand|Open &Rekening"), rek);
  QCOMPARE(v.Aan("&Bestand|Open &Groep"), groep);
  QCOMPARE(v.Aan("&Bestand|Open &Budget"), groep);
  QCOMPARE(v.Aan("&Bestand|&Bewaren"), kas);
  QCOMPARE(v.Aan("&Bestand|&Importeren"), kas);
  QCOMPARE(v.Aan("&Transacties"), transacties);
  QCOMPARE(v.Aan("Bele&ggingen"), transacties);
  QCOMPARE(v.Aan("&Overzichten"), overzichten);
  QVERIFY2(!v.Aan("&Bestand|&Wachtwoord"), "only after the password check");
  QVERIFY(v.Aan("&Bestand|&Einde"));
  QCOMPARE(v.Deel<QGroupBox>("NieuwKaspanel")->isVisible(), startPanel);
  QCOMPARE(v.Deel<QWidget>("MenuPanel")->isVisible(), menuPanel);
  QCOMPARE(v.Deel<QLabel>("KasNaamlabel")->text(), rek ? QString("Huis26") : QString());
  QCOMPARE(v.Deel<QLabel>("KasOpen")->isVisible(), rek && groep);
}

void TstHoofdvenster::verkeerdeSectieGeeftFoutmelding() {
  Venster v([](ShellBoek& b) {
    b.Gewoon();
    b.kb.RekGelezen = false;
  });
  QCOMPARE(v.boek.berichten.Teksten(),
           std::vector<std::string>{"Rekening- of Budgetsectie heeft verkeerd formaat\n\r controleer bestands layout"});
  QCOMPARE(v.boek.kb.IOStatus, 2);
  QVERIFY(!v.Deel<QGroupBox>("NieuwKaspanel")->isVisible());
}

void TstHoofdvenster::zonderVensterBlijftItemUit() {
  ShellBoek boek;
  boek.Gewoon();
  KlaarLader lader;
  EnkeleVensters vensters({VensterOpeners::Venster::Boeking});
  std::vector<std::string> oproepen;
  LevensloopOpnemer levensloop(oproepen);
  levensloop.aanwezig.clear();
  TValdero hoofd(boek.kb, lader, "");
  hoofd.Koppel(vensters);
  QVERIFY(hoofd.Actie("&Transacties|&Bijboeken")->isEnabled());
  QVERIFY2(!hoofd.Actie("&Bestand|Open &Rekening")->isEnabled(), "no accounts window yet");
  QVERIFY(!hoofd.Actie("&Bestand|&Nieuw")->isEnabled());
  hoofd.Koppel(levensloop);
  QVERIFY(!hoofd.Actie("&Bestand|&Nieuw")->isEnabled());
  levensloop.aanwezig.insert(LevensloopCommandos::Commando::Nieuw);
  vensters.aanwezig.insert(VensterOpeners::Venster::Rekeningen);
  hoofd.KoppelingenBijgewerkt();
  QVERIFY(hoofd.Actie("&Bestand|&Nieuw")->isEnabled());
  QVERIFY(hoofd.Actie("&Bestand|Open &Rekening")->isEnabled());
  QVERIFY(!hoofd.findChild<QPushButton*>("GroepBtn")->isEnabled());
  vensters.aanwezig.insert(VensterOpeners::Venster::GroepBeheer);
  hoofd.KoppelingenBijgewerkt();
  QVERIFY(hoofd.findChild<QPushButton*>("GroepBtn")->isEnabled());
  // Unplugged, nothing of them is offered any more.
  hoofd.Ontkoppel(vensters);
  QVERIFY(!hoofd.Actie("&Transacties|&Bijboeken")->isEnabled());
  QVERIFY(!hoofd.findChild<QPushButton*>("GroepBtn")->isEnabled());
}

void TstHoofdvenster::beleggingKnoppenEnStatusbalk() {
  Venster v([](ShellBoek& b) {
    b.Rekening(5, "Effecten", "EF");  // not the last account
    b.Gewoon();
    b.kb.Config.Vlaggen = vlag::TransactieBalk | vlag::BeleggingBalk | vlag::ValutaBalk;
  });
  v.hoofd->show();
  QVERIFY(v.Deel<QToolBar>("ToolBarTransStock")->isVisible());
  QVERIFY(v.Deel<QAction>("AanschafBtn")->isEnabled());
  QVERIFY(v.Deel<QAction>("BijBtn")->isEnabled());
  QVERIFY(v.Deel<QWidget>("ToolbarValuta")->isVisible());
  QVERIFY(v.Deel<QToolButton>("EurBtn")->isChecked());
  QVERIFY2(!v.Deel<QToolButton>("USDBtn")->isEnabled(), "no dollar in the book");
  QCOMPARE(v.Deel<QLabel>("StatusPanel1")->text(), QString("BasisMunt: Euro van de Eu"));
  QCOMPARE(v.Deel<QLabel>("StatusPanel2")->text(), QString("Datum: 10-12-2026"));
  QCOMPARE(v.Deel<QLabel>("StatusPanel3")->text(), QString("Tijd: 12:00:00"));

  // Unchecking "Belegging" disables its buttons; the bar stays for bookings.
  v.hoofd->Actie("Bee&ld|Belegging")->trigger();
  QVERIFY(!v.Deel<QAction>("AanschafBtn")->isEnabled());
  QVERIFY(v.Deel<QToolBar>("ToolBarTransStock")->isVisible());
  QCOMPARE(v.boek.kb.Config.Vlaggen & vlag::BeleggingBalk, 0);
  v.hoofd->Actie("Bee&ld|&Transactie")->trigger();
  QVERIFY(!v.Deel<QToolBar>("ToolBarTransStock")->isVisible());
}

// Hand-typed and picked lines, in both listing orders.
void TstHoofdvenster::selectiePaneel_data() {
  QTest::addColumn<QString>("menu");
  QTest::addColumn<bool>("opNaam");
  QTest::addColumn<int>("gekozen");  // index picked, or -1 to type `regel`
  QTest::addColumn<QString>("regel");
  QTest::addColumn<QString>("oproep");  // "" when nothing may open
  QTest::newRow("rekening gekozen op nummer") << "&Overzichten|&Rekeningen" << false << 1 << "" << "overzicht 1 2";
  QTest::newRow("rekening gekozen op naam") << "&Overzichten|&Rekeningen" << true << 1 << "" << "overzicht 1 2";
  QTest::newRow("rekening getypt op nummer") << "&Overzichten|&Rekeningen" << false << -1 << "12" << "overzicht 1 2";
  QTest::newRow("rekening getypt op naam") << "&Overzichten|&Rekeningen" << true << -1 << "Spaar   1" << "overzicht 1 1";
  QTest::newRow("onbekende rekening") << "&Overzichten|&Rekeningen" << false << -1 << "7 Kas" << "";
  QTest::newRow("groep op code") << "&Overzichten|&Groepen|&Enkel" << false << 2 << "" << "overzicht 5 3";
  QTest::newRow("groep op naam") << "&Overzichten|&Groepen|&Samengesteld" << true << 1 << "" << "overzicht 6 2";
  QTest::newRow("onbekende groep") << "&Overzichten|&Groepen|&Enkel" << false << -1 << "999" << "";
  QTest::newRow("grafiek rekening") << "Grafieken|Rekeningen" << true << 0 << "" << "grafiek 101 1";
  QTest::newRow("export alles") << "&Overzichten|&Exporteren" << true << 2 << "" << "export 0";
  QTest::newRow("periode in weken") << "&Bestand|Open &Budget|Begrotig per &Periode" << false << 5 << "" << "budget 5 12";
}

void TstHoofdvenster::selectiePaneel() {
  QFETCH(QString, menu);
  QFETCH(bool, opNaam);
  QFETCH(int, gekozen);
  QFETCH(QString, regel);
  QFETCH(QString, oproep);
  Venster v([&](ShellBoek& b) {
    b.Gewoon();
    b.kb.Config.Vlaggen = opNaam ? vlag::RekeningenOpNaam | vlag::GroepenOpNaam : 0;
  });
  v.hoofd->show();
  v.hoofd->Actie(menu)->trigger();
  auto* box = v.Deel<QComboBox>("SelectBox1");
  QVERIFY(v.Deel<QGroupBox>("SelectPanel")->isVisible());
  if (gekozen >= 0) {
    box->setCurrentIndex(gekozen);
  } else {
    box->setEditText(regel);
  }
  QTest::keyClick(box->lineEdit(), Qt::Key_Return);
  QVERIFY(!v.Deel<QGroupBox>("SelectPanel")->isVisible());
  if (oproep.isEmpty()) {
    QVERIFY(v.opnemer.oproepen.empty());
    QCOMPARE(v.boek.berichten.getoond.size(), std::size_t(1));
    QVERIFY(v.boek.berichten.getoond[0].tekst.find("bestaat niet") != std::string::npos);
  } else {
    QCOMPARE(v.opnemer.oproepen, std::vector<std::string>{oproep.toStdString()});
    QVERIFY(v.boek.berichten.getoond.empty());
  }
}

void TstHoofdvenster::selectieEscapeZetItemsWeerAan() {
  Venster v([](ShellBoek& b) { b.Gewoon(); });
  v.hoofd->show();
  v.opnemer.venster.show();
  v.hoofd->Actie("&Overzichten|&Rekeningen")->trigger();
  QTest::keyClick(v.Deel<QComboBox>("SelectBox1")->lineEdit(), Qt::Key_Return);
  QVERIFY2(!v.Aan("&Overzichten|&Rekeningen"), "disabled while its overview is open");
  v.hoofd->Actie("Grafieken|Rekeningen")->trigger();
  QTest::keyClick(v.Deel<QComboBox>("SelectBox1")->lineEdit(), Qt::Key_Escape);
  QVERIFY(!v.Deel<QGroupBox>("SelectPanel")->isVisible());
  QVERIFY(v.Aan("&Overzichten|&Rekeningen"));
  QVERIFY(v.Aan("Grafieken|Rekeningen"));
}

// The keys as a user types them go to the focused box, not to its edit.
void TstHoofdvenster::selectieToetsenOpHetVakZelf() {
  Venster v([](ShellBoek& b) { b.Gewoon(); });
  v.hoofd->show();
  QVERIFY(QTest::qWaitForWindowActive(v.hoofd.get()));
  auto* paneel = v.Deel<QGroupBox>("SelectPanel");
  auto* box = v.Deel<QComboBox>("SelectBox1");

  v.hoofd->Actie("&Overzichten|&Exporteren")->trigger();
  QWidget* focus = QApplication::focusWidget();
  QVERIFY(focus);
  QTest::keyClick(focus, Qt::Key_Return);
  QVERIFY(!paneel->isVisible());
  QCOMPARE(v.opnemer.oproepen.size(), std::size_t(1));
  QVERIFY(v.opnemer.oproepen[0].rfind("export ", 0) == 0);

  v.hoofd->Actie("&Bestand|Open &Budget|Begrotig per &Periode")->trigger();
  QVERIFY(paneel->isVisible());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QVERIFY(!paneel->isVisible());
  QCOMPARE(v.opnemer.oproepen.size(), std::size_t(1));

  v.hoofd->Actie("&Bestand|Open &Budget|Begrotig per &Periode")->trigger();
  box->lineEdit()->clear();
  QTest::keyClicks(QApplication::focusWidget(), "4");
  if (QWidget* lijst = box->completer()->popup(); lijst && lijst->isVisible())
    QTest::keyClick(lijst, Qt::Key_Return);
  else
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QVERIFY(!paneel->isVisible());
  QCOMPARE(v.opnemer.oproepen.size(), std::size_t(2));
  QVERIFY(v.opnemer.oproepen[1].rfind("budget 5", 0) == 0);
}

void TstHoofdvenster::vensterLijst() {
  Venster v([](ShellBoek& b) { b.Gewoon(); });
  v.hoofd->show();
  v.opnemer.venster.setWindowTitle("Rekeningen");
  v.opnemer.venster.show();
  v.hoofd->Actie("&Bestand|Open &Rekening")->trigger();
  QVERIFY(!v.Aan("&Bestand|Open &Rekening"));
  v.hoofd->Actie("&Transacties|&Bijboeken")->trigger();
  v.hoofd->Actie("&Transacties|&Af boeken")->trigger();
  const auto nummers = [&] {
    std::vector<int> n;
    for (const auto& r : v.hoofd->Lijst().Regels()) n.push_back(r.nummer);
    return n;
  };
  QCOMPARE(nummers(), (std::vector<int>{0, 1, 4}));
  QCOMPARE(v.hoofd->Lijst().Regels()[1].hint, std::string("Selecteer Rekeningen tabel"));

  v.hoofd->MeldAf(1);
  QVERIFY2(v.Aan("&Bestand|Open &Rekening"), "usable again once its window closed");
  QVERIFY(v.boek.berichten.getoond.empty());
  v.hoofd->MeldAf(1);
  QCOMPARE(v.boek.berichten.Teksten(), std::vector<std::string>{"Venster al gesloten"});
  QCOMPARE(nummers(), (std::vector<int>{0, 4}));
  v.hoofd->MeldAf(0);
  QCOMPARE(nummers(), (std::vector<int>{0, 4})) ;

  // The entries of "Bee&ld" follow the list.
  QStringList beeld;
  for (QAction* a : v.hoofd->Actie("Bee&ld")->menu()->actions())
    if (!a->isSeparator()) beeld << a->text();
  QCOMPARE(beeld, (QStringList{"&Transactie", "Belegging", "&Valuta", "Valdero  ", "Rekeningen"}));

  // An invisible window is not listed.
  v.opnemer.venster.hide();
  v.hoofd->Actie("&Overzichten|&Zoeken")->trigger();
  v.hoofd->Actie("&Bestand|Open Re&latie")->trigger();
  QCOMPARE(nummers(), (std::vector<int>{0, 4}));
}

void TstHoofdvenster::transactiesOpenenBoekingen() {
  Venster v([](ShellBoek& b) {
    b.Gewoon();
    b.kb.Config.Vlaggen = vlag::TransactieBalk;
  });
  v.hoofd->Actie("Bele&ggingen|&Verkopen      (sell)")->trigger();
  v.hoofd->BoekingPopup()->actions().at(1)->trigger();
  v.Deel<QAction>("WegBtn")->trigger();
  QCOMPARE(v.opnemer.oproepen, (std::vector<std::string>{"boeking 16", "boeking 2", "boeking 3"}));
  // Without a transfer the agenda only warns.
  v.opnemer.oproepen.clear();
  v.hoofd->findChild<QPushButton*>("AgendaBtn")->click();
  QVERIFY(v.opnemer.oproepen.empty());
  QCOMPARE(v.boek.berichten.Teksten(), std::vector<std::string>{"Agenda niet actief, gebruik Transacties "});
  QVERIFY(!v.Aan("&Transacties|&Transfereren"));

  // A record on the booking panel blocks the menu it came from.
  v.hoofd->BlokkeerMenu(true, true);
  QVERIFY(!v.Aan("Bele&ggingen"));
  QVERIFY(v.Aan("&Transacties"));
  v.hoofd->BlokkeerMenu(true, false);
  QVERIFY(v.Aan("Bele&ggingen"));
}

void TstHoofdvenster::wachtwoordVoorHetTonen_data() {
  QTest::addColumn<bool>("toegang");
  QTest::newRow("goed wachtwoord") << true;
  QTest::newRow("drie keer fout") << false;
}

// The password is asked during the load itself, before the window shows
// anything of the book, whether or not anything ever activates the window.
void TstHoofdvenster::wachtwoordVoorHetTonen() {
  QFETCH(bool, toegang);
  ShellBoek boek;
  boek.Gewoon();
  Opnemer opnemer;
  LevensloopOpnemer levensloop(opnemer.oproepen);
  levensloop.aanwezig.insert(LevensloopCommandos::Commando::ControleerWachtwoord);
  int controles = 0;
  bool zichtbaarBijControle = true;
  TValdero* venster = nullptr;
  levensloop.controle = [&] {
    ++controles;
    zichtbaarBijControle = venster && venster->isVisible();
    return toegang;
  };
  KlaarLader lader;
  TValdero hoofd(boek.kb, lader, "");
  venster = &hoofd;
  hoofd.Koppel(opnemer);
  QCOMPARE(controles, 0);
  // The book loaded before the check was there: it is asked as the check
  // comes, still before anything is shown.
  hoofd.Koppel(levensloop);
  QCOMPARE(controles, 1);
  QVERIFY(!zichtbaarBijControle);
  QCOMPARE(hoofd.ToegangGeweigerd(), !toegang);
  QCOMPARE(hoofd.Actie("&Bestand|&Wachtwoord")->isEnabled(), toegang);
  // Refused, nothing of the book is left to show.
  QCOMPARE(boek.kb.GroepGelezen, toegang);
  QCOMPARE(boek.kb.RekLijst.empty(), !toegang);
  hoofd.show();
  hoofd.activateWindow();
  QTest::qWait(50);
  QCOMPARE(controles, 1);
  QTRY_COMPARE(hoofd.isVisible(), toegang);
}

void TstHoofdvenster::startPaneelKeuzes_data() {
  QTest::addColumn<int>("keuze");
  QTest::addColumn<QString>("oproep");
  QTest::addColumn<int>("topic");
  QTest::newRow("nieuw") << 0 << "nieuw" << 221;
  QTest::newRow("open") << 1 << "open" << 222;
  QTest::newRow("schrap") << 2 << "" << 268;
}

void TstHoofdvenster::startPaneelKeuzes() {
  QFETCH(int, keuze);
  QFETCH(QString, oproep);
  QFETCH(int, topic);
  Venster v([](ShellBoek&) {}, LaadUitkomst::NietsGekozen);
  int gevraagd = 0;
  QObject::connect(v.hoofd.get(), &TValdero::HelpGevraagd, [&](int t) { gevraagd = t; });
  v.hoofd->show();
  auto* panel = v.Deel<QGroupBox>("NieuwKaspanel");
  QVERIFY(panel->isVisible());
  panel->findChildren<QRadioButton*>().at(keuze)->click();
  v.Deel<QPushButton>("HelpNieuwBtn")->click();
  QCOMPARE(gevraagd, topic);
  v.Deel<QPushButton>("NieuwKasBtn")->click();
  if (oproep.isEmpty()) {
    QVERIFY(v.opnemer.oproepen.empty());
    QVERIFY(!panel->isVisible());
  } else {
    QCOMPARE(v.opnemer.oproepen, std::vector<std::string>{oproep.toStdString()});
  }
}

void TstHoofdvenster::andereValutaViaSelectiePaneel() {
  Venster v([](ShellBoek& b) {
    b.Gewoon();
    for (auto [kode, naam, teken] : {std::tuple{"USD", "Dollar", "$"}, {"NZD", "Nieuw-Zeeland", "N"}}) {
      TValut m;
      m.Kode = kode;
      m.Naam = naam;
      m.Koers = 0.7f;
      m.Teken = teken;
      b.kb.ValutaLijst.push_back(m);
    }
    b.kb.Config.Vlaggen = vlag::ValutaBalk;
  });
  v.hoofd->show();
  auto* x = v.Deel<QToolButton>("Auxiliar");
  QVERIFY(x->isEnabled());
  x->click();
  QCOMPARE(v.Deel<QLabel>("SelectLabel")->text(), QString("Kies Valuta"));
  auto* box = v.Deel<QComboBox>("SelectBox1");
  QCOMPARE(box->itemText(2), QString("NZD  Nieuw-Zeeland"));
  box->setCurrentIndex(2);
  QTest::keyClick(box->lineEdit(), Qt::Key_Return);
  QCOMPARE(v.boek.kb.weergave.HulpMunt, 2);
  QCOMPARE(x->text(), QString("N"));
  QVERIFY(x->isChecked());
  QVERIFY(!v.Deel<QToolButton>("EurBtn")->isChecked());
  v.Deel<QToolButton>("USDBtn")->click();
  QCOMPARE(v.boek.kb.weergave.HulpMunt, 1);
  QVERIFY(!x->isChecked());
}

// The real loading, in a folder of its own.
void TstHoofdvenster::startZoektBoekInVasteVolgorde() {
  const auto map = std::filesystem::temp_directory_path() / "valdero-shell-leeg";
  std::filesystem::remove_all(map);
  std::filesystem::create_directories(map);
  ShellBoek boek;
  boek.kb.sessie.Map = map;
  BoekLader lader;  // the model's LaadBoek
  TValdero hoofd(boek.kb, lader, "");
  hoofd.show();
  QCOMPARE(boek.berichten.dialogen.size(), std::size_t(1));
  QCOMPARE(boek.berichten.dialogen[0].titel, std::string("Ópen Valdero"));
  QCOMPARE(boek.kb.sessie.KasPad, std::string("*.vdr"));
  QCOMPARE(boek.kb.KasJaar, std::string("2026"));
  QVERIFY(hoofd.findChild<QGroupBox*>("NieuwKaspanel")->isVisible());
  QVERIFY(!hoofd.findChild<QWidget*>("MenuPanel")->isVisible());
  QVERIFY(!hoofd.Actie("&Transacties")->isEnabled());
  std::filesystem::remove_all(map);
}

void TstHoofdvenster::startMetArgumentLeidtJaarAf() {
  const auto map = std::filesystem::temp_directory_path() / "valdero-shell-huis";
  std::filesystem::remove_all(map);
  std::filesystem::create_directories(map);
  {
    ShellBoek bron;
    bron.Gewoon();
    bron.kb.sessie.Map = map;
    const auto beeld = SchrijfBoek(bron.kb);
    std::ofstream(map / "Huis08.vdr", std::ios::binary)
        .write(reinterpret_cast<const char*>(beeld.data()), static_cast<std::streamsize>(beeld.size()));
  }
  ShellBoek boek;
  boek.kb.sessie.Map = map;
  BoekLader lader;
  TValdero hoofd(boek.kb, lader, "Huis08");
  QVERIFY(boek.berichten.dialogen.empty());
  QCOMPARE(boek.kb.sessie.KasNaam, std::string("Huis08"));
  QCOMPARE(boek.kb.KasJaar, std::string("2008"));
  QVERIFY(boek.kb.RekGelezen && boek.kb.GroepGelezen && boek.kb.KasGelezen);
  QCOMPARE(hoofd.findChild<QLabel*>("KasNaamlabel")->text(), QString("Huis08"));
  std::filesystem::remove_all(map);
}

QTEST_MAIN(TstHoofdvenster)
#include "tst_hoofdvenster.moc"
