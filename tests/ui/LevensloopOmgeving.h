#pragma once
// The main window with the life-cycle commands wired as in the desktop
// program, on a temporary folder, with the account and password dialogs
// answered through their widgets and every message from a script.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "TestBoek.h"
#include "model/accounts/RekeningDialoog.h"
#include "ui/accounts/TNieuwRekenDlg.h"
#include "model/storage/BoekBestand.h"
#include "model/storage/BoekLaden.h"
#include "model/storage/ConfigBestand.h"
#include "model/core/Datum.h"
#include "model/core/BoekMetPoorten.h"
#include "model/core/Kasboek.h"
#include "model/core/KasVolgorde.h"
#include "model/core/Klok.h"
#include "model/lifecycle/Levensloop.h"
#include "model/core/ScriptBerichten.h"
#include "ui/settings/TPasswordDlg.h"
#include "ui/shell/BoekLader.h"
#include "ui/shell/LevensloopKoppeling.h"
#include "ui/shell/TValdero.h"

namespace valdero {

// Runs the account dialog without a modal wait: the test's steps click and
// type in its widgets, then the dialog goes away.
struct RekeningTypist : RekeningDialoogVoerder {
  TNieuwRekenDlg dlg;
  std::function<void(TNieuwRekenDlg&)> stappen;
  void Voer(RekeningDialoog& model) override {
    dlg.Begin(model);
    if (stappen) stappen(dlg);
    dlg.hide();
  }
};

// Types the queued texts into the password dialog, one per screen, and
// confirms each with OK; with nothing left it presses "Schrap". The statuses
// shown are kept.
struct WachtwoordTypist : WachtwoordVoerder {
  TPasswordDlg dlg;
  std::deque<QString> invoer;
  QStringList statussen;
  int Toon(WachtwoordScherm& scherm) override {
    dlg.Zet(scherm);
    statussen << dlg.findChild<QLabel*>("PassPanel")->text();
    auto* veld = dlg.findChild<QLineEdit*>("PassEdit");
    if (!veld->isHidden()) {
      if (invoer.empty()) return 2;
      QTest::keyClicks(veld, invoer.front());
      invoer.pop_front();
    }
    QTest::mouseClick(dlg.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    dlg.Lees(scherm);
    return dlg.result() == 1 ? 1 : 2;
  }
};

// A book written straight to a folder, to start the commands from.
struct BoekOpSchijf : test::BoekMetPoorten {
  BoekOpSchijf(const QString& map, const std::string& naam)
      : BoekMetPoorten(MaakDatum(2025, 6, 1)) {
    kb.sessie.Map = map.toStdString();
    kb.sessie.KasNaam = naam;
    kb.sessie.KasPad = naam + ".vdr";
    kb.sessie.ConfigPad = naam + ".cfg";
    kb.KasJaar = "20" + naam.substr(naam.size() - 2);
    StandaardConfig(kb);
    VerzamelSoortKodes(kb);
    kb.KasLijst.assign(1, TKas{});
  }
  void Rekening(int nr, const std::string& naam, double beginSaldo, int munt = 0) {
    const TBank r = test::VoegRekeningToe(kb, nr, naam, "BT", munt);
    BoekBeginSaldo(kb, r, beginSaldo, MaakDatum(2025, 1, 1));
  }
  void Boeking(int rekNr, const std::string& groep, double bedrag) {
    test::VoegTransactieToe(kb, rekNr, groep, MaakDatum(2025, 3, 1), bedrag, "boodschappen").PayDate =
        MaakDatum(2025, 3, 1);
    SorteerKas(kb);
  }
  // Groups after the accounts, then the file and its configuration.
  void Schrijf(double budget300 = 0) {
    MaakStandaardGroepen(kb);
    kb.GroepLijst[static_cast<std::size_t>(kb.ZoekGroep("300").value())].Budget = budget300;
    kb.HernummerKas();
    kb.RekGelezen = kb.GroepGelezen = kb.KasGelezen = true;
    // A book not yet on disk is saved through the save dialog.
    berichten.Bestand((kb.sessie.Map / kb.sessie.KasPad).string());
    QVERIFY(BewaarBoek(kb, false).Gelukt());
    QVERIFY(kb.sessie.Bewaard);
    QVERIFY(SchrijfConfig(kb).Gelukt());
    QCOMPARE(kb.IOStatus, 0);
  }
};

struct LevensloopOmgeving {
  QTemporaryDir map;
  BoekMetPoorten boek{MaakDatum(2026, 3, 15) + 0.5};
  ScriptBerichten& berichten = boek.berichten;
  VasteKlok& klok = boek.klok;
  Kasboek& kb = boek.kb;
  RekeningTypist rekening;
  WachtwoordTypist wachtwoord;
  BoekLader lader;  // the model's LaadBoek
  std::unique_ptr<TValdero> hoofd;
  std::unique_ptr<LevensloopKoppeling> koppeling;

  LevensloopOmgeving() { kb.sessie.Map = map.path().toStdString(); }

  // The program's start with the book named on its command line (none: the
  // default names, then an open dialog the script cancels).
  void Start(const std::string& argument = {}) {
    hoofd = std::make_unique<TValdero>(kb, lader, argument);
    koppeling = std::make_unique<LevensloopKoppeling>(*hoofd, rekening, wachtwoord);
    hoofd->show();
  }
  void Kies(const char* pad) {
    QAction* a = hoofd->Actie(QString::fromUtf8(pad));
    QVERIFY2(a && a->isEnabled(), pad);
    a->trigger();
  }
  std::string Pad(const std::string& naam) const { return (std::filesystem::path(kb.sessie.Map) / naam).string(); }
  bool Bestaat(const std::string& naam) const { return std::filesystem::exists(Pad(naam)); }
  std::vector<char> Inhoud(const std::string& naam) const {
    std::ifstream in(Pad(naam), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  QString KasNaamLabel() const { return hoofd->findChild<QLabel*>("KasNaamlabel")->text(); }
};

// A book read from the folder as the program would load it.
struct GelezenBoek : test::BoekMetPoorten {
  GelezenBoek(const std::filesystem::path& map, const std::string& naam)
      : BoekMetPoorten(MaakDatum(2026, 3, 15)) {
    kb.sessie.Map = map;
    StartBoek(kb, true, naam);
  }
};

}  // namespace valdero
