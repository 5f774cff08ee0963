// "Rekening / Groep Selectie" driven with the keyboard in both modes: the
// arrow keys walk the list, typing replaces the proposal, Enter takes the
// text and Esc takes nothing; the model reads the text back as an account
// number or a group code.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "TestBoek.h"
#include "model/core/Datum.h"
#include "ui/bankimport/TSelectMutForm.h"

using namespace valdero;

namespace {

struct Boek : test::BoekMetPoorten {
  Boek() : BoekMetPoorten(MaakDatum(2026, 3, 15)) {
    test::VoegRekeningToe(kb, 1, "Betaal 123456789");
    test::VoegRekeningToe(kb, 2, "Spaar 987654321", "SP");
    test::VoegRekeningToe(kb, 7, "Spaar 1234", "SP");
    test::VoegGroepToe(kb, "1", "Saldo Betaal", " C ");
    test::VoegGroepToe(kb, "410", "Boodschappen");
    test::VoegGroepToe(kb, "410a", "Brood");
    test::MarkeerGelezen(kb);
  }
};

// Runs `toetsen` on the shown dialog once its event loop runs, then Kies's
// answer.
std::optional<std::string> KiesMet(TSelectMutForm& form, const SelectMut& selectie,
                                   const std::function<void(QComboBox&)>& toetsen) {
  QTimer::singleShot(0, &form, [&form, toetsen] {
    auto* lijst = form.findChild<QComboBox*>();
    if (lijst != nullptr && form.isVisible()) toetsen(*lijst);
    // A failed check above leaves the dialog open: close it, so the test
    // reports instead of waiting.
    if (form.isVisible()) form.reject();
  });
  return form.Kies(selectie);
}

}  // namespace

class TstSelectMut : public QObject {
  Q_OBJECT
 private slots:
  void rekeningenLijstGekozenMetPijltjesEnEnter();
  void eenDeelVanDeRekeningenEnGetypteNummers_data();
  void eenDeelVanDeRekeningenEnGetypteNummers();
  void groepenBeginnenBijDeVoorgesteldeGroepOfNnnn();
  void escapeKiestNiets();
};

void TstSelectMut::rekeningenLijstGekozenMetPijltjesEnEnter() {
  Boek boek;
  TSelectMutForm form;
  const SelectMut selectie = SelectMut::Rekeningen(boek.kb, -1, {});
  const auto keuze = KiesMet(form, selectie, [](QComboBox& lijst) {
    QCOMPARE(lijst.currentText(), QStringLiteral("1 Betaal 123456789"));
    QCOMPARE(lijst.count(), 3);
    QTest::keyClick(&lijst, Qt::Key_Down);
    QTest::keyClick(&lijst, Qt::Key_Down);
    QTest::keyClick(lijst.lineEdit(), Qt::Key_Return);
  });
  QCOMPARE(form.windowTitle(), QStringLiteral("Rekening Selectie"));
  QCOMPARE(form.findChild<QLabel*>()->text(), QStringLiteral("Kies Rekening"));
  QVERIFY(keuze.has_value());
  QCOMPARE(QString::fromStdString(*keuze), QStringLiteral("7 Spaar 1234"));
  QCOMPARE(selectie.RekeningUit(boek.kb, *keuze), 7);
  QVERIFY(boek.berichten.getoond.empty());
}

void TstSelectMut::eenDeelVanDeRekeningenEnGetypteNummers_data() {
  QTest::addColumn<QString>("getypt");
  QTest::addColumn<int>("rekNr");
  QTest::addColumn<QString>("melding");
  QTest::newRow("de voorgestelde match") << QString() << 2 << QString();
  QTest::newRow("een getypt nummer") << QStringLiteral("1") << 1 << QString();
  QTest::newRow("geen rekening") << QStringLiteral("5 Nergens") << 0 << QStringLiteral("Rekening 5");
}

// The ambiguous own account lists only the accounts that matched; a typed
// number that is no account is reported and gives 0.
void TstSelectMut::eenDeelVanDeRekeningenEnGetypteNummers() {
  QFETCH(QString, getypt);
  QFETCH(int, rekNr);
  QFETCH(QString, melding);
  Boek boek;
  TSelectMutForm form;
  const SelectMut selectie = SelectMut::Rekeningen(boek.kb, 2, {2, 7});
  const auto keuze = KiesMet(form, selectie, [getypt](QComboBox& lijst) {
    QCOMPARE(lijst.count(), 2);
    QCOMPARE(lijst.itemText(1), QStringLiteral("7 Spaar 1234"));
    if (!getypt.isEmpty()) {
      lijst.lineEdit()->selectAll();
      QTest::keyClicks(lijst.lineEdit(), getypt);
    }
    QTest::keyClick(lijst.lineEdit(), Qt::Key_Return);
  });
  QVERIFY(keuze.has_value());
  QCOMPARE(selectie.RekeningUit(boek.kb, *keuze), rekNr);
  if (melding.isEmpty()) {
    QVERIFY(boek.berichten.getoond.empty());
  } else {
    QCOMPARE(boek.berichten.getoond.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(boek.berichten.getoond[0].tekst).startsWith(melding));
  }
}

void TstSelectMut::groepenBeginnenBijDeVoorgesteldeGroepOfNnnn() {
  Boek boek;
  TSelectMutForm form;
  const SelectMut voorgesteld = SelectMut::Groepen(boek.kb, 2);
  const auto brood = KiesMet(form, voorgesteld, [](QComboBox& lijst) {
    // Codes first, titles padded to 20 characters.
    QCOMPARE(lijst.currentText(), QStringLiteral("410 Boodschappen        "));
    QTest::keyClick(&lijst, Qt::Key_Down);
    QTest::keyClick(lijst.lineEdit(), Qt::Key_Return);
  });
  QCOMPARE(form.windowTitle(), QStringLiteral("Groep Selectie"));
  QCOMPARE(form.findChild<QLabel*>()->text(), QStringLiteral("Kies Groep of SubGroep"));
  QVERIFY(brood.has_value());
  QCOMPARE(QString::fromStdString(voorgesteld.GroepUit(boek.kb, *brood)), QStringLiteral("410a"));

  // Without a proposal the list starts at "nnnn", which is no group.
  const SelectMut onbekend = SelectMut::Groepen(boek.kb, std::nullopt);
  const auto nnnn = KiesMet(form, onbekend, [](QComboBox& lijst) {
    QCOMPARE(lijst.currentText(), QStringLiteral("nnnn"));
    QTest::keyClick(lijst.lineEdit(), Qt::Key_Return);
  });
  QVERIFY(nnnn.has_value());
  QCOMPARE(QString::fromStdString(onbekend.GroepUit(boek.kb, *nnnn)), QStringLiteral("nnnn"));
}

void TstSelectMut::escapeKiestNiets() {
  Boek boek;
  TSelectMutForm form;
  for (const SelectMut& selectie : {SelectMut::Rekeningen(boek.kb, -1, {}), SelectMut::Groepen(boek.kb, 1)}) {
    const auto keuze = KiesMet(form, selectie, [](QComboBox& lijst) {
      QTest::keyClick(&lijst, Qt::Key_Down);
      QTest::keyClick(lijst.lineEdit(), Qt::Key_Escape);
    });
    QVERIFY(!keuze.has_value());
  }
}

QTEST_MAIN(TstSelectMut)
#include "tst_selectmut.moc"
