#pragma once
// The booking window on a small book in a temporary folder, with the real
// search dialog as its record picker (driven by the test instead of waiting
// modally), and helpers that type into the focused field as a user would.

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <QTableView>
#include <functional>
#include <memory>

#include "BoekingTestBoek.h"
#include "model/bookings/BoekingVensters.h"
#include "model/bookings/StandaardBewaarder.h"
#include "ui/bookings/TBoekingForm.h"
#include "model/storage/BoekBestand.h"
#include "ui/search/TZoekDlg.h"
#include "Schermafdruk.h"

namespace valdero::test {

// The search dialog as the booking model's picker: `stap` is what the user
// does in the shown dialog (click rows, "O&K", "&Kopie"); without a step the
// user cancels.
struct ZoekKiezer : RecordKiezer {
  explicit ZoekKiezer(TZoekDlg& d) : dlg(d) {}
  TZoekDlg& dlg;
  std::function<void(TZoekDlg&)> stap;
  KiesResultaat KiesRecord(int modus, const std::string& titel) override {
    dlg.BeginKiezer(modus, titel);
    if (stap) stap(dlg);
    if (dlg.isVisible()) {
      dlg.Model().Schrap();
      dlg.hide();
    }
    stap = nullptr;
    return dlg.Model().Resultaat();
  }
};

// Clicks the row of the search dialog's grid that holds `tekst` in any
// column; false when no row does.
inline bool KlikRijMet(TZoekDlg& dlg, const QString& tekst, Qt::KeyboardModifiers toetsen = {}) {
  auto* raster = dlg.findChild<QTableView*>("StringGrid1");
  for (int r = 0; r < raster->model()->rowCount(); ++r)
    for (int c = 0; c < raster->model()->columnCount(); ++c)
      if (raster->model()->index(r, c).data().toString().trimmed() == tekst) {
        const QRect vak = raster->visualRect(raster->model()->index(r, 0));
        QTest::mouseClick(raster->viewport(), Qt::LeftButton, toetsen, vak.center());
        return true;
      }
  qWarning("no row with %s", qPrintable(tekst));
  return false;
}

inline void KlikKnop(TZoekDlg& dlg, const char* naam) {
  QTest::mouseClick(dlg.findChild<QPushButton*>(naam), Qt::LeftButton);
}

// A second book read back from the file the window saved.
struct Herladen : BoekMetPoorten {
  Herladen() : BoekMetPoorten(MaakDatum(2026, 5, 2)) {}
};

struct Venster {
  BoekingBoek boek;
  Kasboek& kb = boek.kb;
  QTemporaryDir map;
  TZoekDlg zoek{boek.kb, StandaardBewaarder()};
  ZoekKiezer kiezer{zoek};
  TBoekingForm form;

  // The group dialog's port is the book's fixed one unless given.
  explicit Venster(BoekingVensters* vensters = nullptr)
      : form(boek.kb, kiezer, vensters ? *vensters : boek.vensters, StandaardBewaarder()) {
    kb.sessie.Map = map.path().toStdString();
    kb.sessie.KasPad = "Kasboek26.vdr";
    const auto inhoud = SchrijfBoek(kb);
    QFile f(QString::fromStdString(kb.Pad(kb.sessie.KasPad).string()));
    f.open(QIODevice::WriteOnly);
    f.write(reinterpret_cast<const char*>(inhoud.data()), static_cast<qint64>(inhoud.size()));
  }

  template <class W>
  W* Kind(const char* naam) {
    return form.findChild<W*>(naam);
  }
  QString Tekst(int tag) {
    QWidget* w = form.Veld(tag);
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    return static_cast<QLineEdit*>(w)->text();
  }
  bool Gefocust(int tag) {
    QWidget* f = form.focusWidget();
    QWidget* w = form.Veld(tag);
    if (auto* c = qobject_cast<QComboBox*>(w)) return f == c || f == c->lineEdit();
    return f == w;
  }

  // The user types into the field that has the focus and presses Enter;
  // false (with the reason logged) when the focus is not on `tag`.
  bool Typ(int tag, const QString& tekst) {
    if (!Gefocust(tag)) {
      qWarning("focus not on field %d but on %s", tag,
               form.focusWidget() ? qPrintable(form.focusWidget()->objectName()) : "nothing");
      return false;
    }
    // Lists complete typed text only in the active window, as for a user.
    if (!form.isActiveWindow()) QApplication::setActiveWindow(&form);
    QWidget* w = form.focusWidget();
    QTest::keyClicks(w, tekst);
    QTest::keyClick(w, Qt::Key_Return);
    return true;
  }
  // Several fields in the order of the Enter chain.
  bool TypVelden(std::initializer_list<std::pair<int, QString>> invoer) {
    for (const auto& [tag, tekst] : invoer)
      if (!Typ(tag, tekst)) return false;
    return true;
  }
  // Enter on the focused "Bewaar".
  bool Bewaar() {
    QWidget* f = form.focusWidget();
    if (!f || f->objectName() != "BewaarKnop") {
      qWarning("focus not on Bewaar but on %s", f ? qPrintable(f->objectName()) : "nothing");
      return false;
    }
    QTest::keyClick(f, Qt::Key_Return);
    return true;
  }
  // The item of the visible action menu with this text.
  bool KiesMenu(const QString& tekst) {
    for (QMenu* m : {form.PopupBoek(), form.PopupBeleg()}) {
      if (!m->isVisible()) continue;
      for (QAction* a : m->actions())
        if (a->text() == tekst && a->isEnabled()) {
          a->trigger();
          return true;
        }
    }
    qWarning("no enabled item %s in a shown menu", qPrintable(tekst));
    return false;
  }

  // Reads the saved file into a second book.
  std::unique_ptr<Herladen> LeesTerug() {
    auto h = std::make_unique<Herladen>();
    QFile f(QString::fromStdString(kb.Pad(kb.sessie.KasPad).string()));
    f.open(QIODevice::ReadOnly);
    const QByteArray data = f.readAll();
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(data.constData()),
                          static_cast<std::size_t>(data.size()));
    if (!LeesBoek(h->kb, bytes).Gelukt()) QTest::qFail("book not read", __FILE__, __LINE__);
    if (!BouwSaldoMatrix(h->kb).Gelukt()) QTest::qFail("matrix", __FILE__, __LINE__);
    return h;
  }
};

// The records as bytes: what the file holds must be what is in memory.
// Reading derives the securities flag from the booking kind in the kind
// word's low byte; memory is compared as reading would leave it.
inline std::vector<std::uint8_t> Beeld(TKas k) {
  k.Belegging = TKas::IsBeleggingsSoort(k.BoekSoort) ? 1 : 0;
  std::vector<std::uint8_t> b(TKas::Grootte);
  k.Schrijf(b.data());
  return b;
}

inline int EersteVerschil(const std::vector<std::uint8_t>& x, const std::vector<std::uint8_t>& y) {
  for (std::size_t i = 0; i < x.size() && i < y.size(); ++i)
    if (x[i] != y[i]) return static_cast<int>(i);
  return -1;
}

// Empty when the saved file holds exactly the records in memory and the
// balance matrix built from it agrees with the one the window kept up to date
// booking by booking; else what differs first.
inline QString VerschilMetBestand(Venster& v) {
  auto terug = v.LeesTerug();
  const Kasboek& a = v.kb;
  const Kasboek& b = terug->kb;
  if (b.IOStatus != 0) return QString("reading back gave IOStatus %1").arg(b.IOStatus);
  if (b.MaxKas() != a.MaxKas()) return QString("file has %1 records, memory %2").arg(b.MaxKas()).arg(a.MaxKas());
  for (int p = 1; p <= a.MaxKas(); ++p)
    if (Beeld(b.KasLijst[static_cast<std::size_t>(p)]) != Beeld(a.KasLijst[static_cast<std::size_t>(p)]))
      return QString("record %1 differs from byte %2")
          .arg(p)
          .arg(EersteVerschil(Beeld(b.KasLijst[static_cast<std::size_t>(p)]),
                              Beeld(a.KasLijst[static_cast<std::size_t>(p)])));
  if (b.MaxGroep() != a.MaxGroep()) return "group count differs";
  auto gelijk = [](double x, double y) { return std::abs(x - y) < 1e-6; };
  for (int r = 1; r <= a.MaxRek(); ++r) {
    const int nr = a.RekLijst[static_cast<std::size_t>(r)].RekNr;
    if (!gelijk(RekeningSaldo(b, nr), RekeningSaldo(a, nr)))
      return QString("balance of account %1: file %2, memory %3")
          .arg(nr).arg(RekeningSaldo(b, nr)).arg(RekeningSaldo(a, nr));
  }
  for (int g = 1; g <= a.MaxGroep(); ++g) {
    const std::string& kode = a.GroepLijst[static_cast<std::size_t>(g)].Kode;
    if (!gelijk(GroepSaldo(b, kode), GroepSaldo(a, kode)))
      return QString("total of group %1: file %2, memory %3")
          .arg(QString::fromStdString(kode)).arg(GroepSaldo(b, kode)).arg(GroepSaldo(a, kode));
  }
  return {};
}

}  // namespace valdero::test

