// The password through the main window: set with "&Wachtwoord" (typed twice,
// then the book is saved), asked for when the book is loaded again at start
// or with Open; three wrong answers close the window.
#include "LevensloopOmgeving.h"

using namespace valdero;

class TstLevensloopWachtwoord : public QObject {
  Q_OBJECT
 private slots:
  void zettenEnWeerOpenen_data();
  void zettenEnWeerOpenen();
};

void TstLevensloopWachtwoord::zettenEnWeerOpenen_data() {
  QTest::addColumn<bool>("viaOpen");
  QTest::addColumn<QStringList>("pogingen");
  QTest::addColumn<bool>("toegang");
  QTest::newRow("start, goed") << false << QStringList{"Geheim"} << true;
  QTest::newRow("start, derde keer goed") << false << QStringList{"geheim", "Gehei", "Geheim"} << true;
  QTest::newRow("start, drie keer fout") << false << QStringList{"geheim", "GEHEIM", "Gehei"} << false;
  QTest::newRow("open, drie keer fout") << true << QStringList{"geheim", "GEHEIM", "Gehei"} << false;
}

void TstLevensloopWachtwoord::zettenEnWeerOpenen() {
  QFETCH(bool, viaOpen);
  QFETCH(QStringList, pogingen);
  QFETCH(bool, toegang);
  LevensloopOmgeving o;
  {
    BoekOpSchijf b(o.map.path(), "Huis25");
    b.Rekening(1, "Betaal", 100);
    b.Schrijf();
  }
  o.Start("Huis25");
  o.hoofd->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(o.hoofd.get()));
  // A book without a password opens without a question.
  QVERIFY(o.wachtwoord.statussen.isEmpty());
  const auto zonder = o.Inhoud("Huis25.vdr");

  o.wachtwoord.invoer = {"Kort", "Geheim", "Geheim"};
  o.Kies("&Bestand|&Wachtwoord");
  QCOMPARE(o.wachtwoord.statussen,
           (QStringList{"Gebruik zowel HOOFD -als kleine-letters", " Niet juist !, Opnieuw",
                        "Voer nogmaals in, ter CONTROLE"}));
  QVERIFY(o.Inhoud("Huis25.vdr") != zonder);

  o.wachtwoord.statussen.clear();
  o.wachtwoord.invoer.assign(pogingen.begin(), pogingen.end());
  if (viaOpen) {
    o.berichten.Bestand(o.Pad("Huis25.vdr"));
    o.Kies("&Bestand|Open &Valdero");
  } else {
    o.koppeling.reset();
    o.hoofd.reset();
    o.Start("Huis25");
    // Asked while starting, before any event (an activation or not) came.
    QVERIFY(o.wachtwoord.invoer.empty());
  }
  QTRY_VERIFY(o.wachtwoord.invoer.empty());
  QTRY_COMPARE(o.hoofd->isVisible(), toegang);
  QCOMPARE(o.wachtwoord.statussen.first(), QString("Sluit invoer af met <Enter>"));
  if (toegang) {
    QVERIFY(o.hoofd->Actie("&Bestand|&Wachtwoord")->isEnabled());
  } else {
    QCOMPARE(o.wachtwoord.statussen.last(), QString(" FOUT STOP! Geen toegang, By  By..."));
  }
}

QTEST_MAIN(TstLevensloopWachtwoord)
#include "tst_levensloop_wachtwoord.moc"
