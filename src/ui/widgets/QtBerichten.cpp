#include "ui/widgets/QtBerichten.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QTreeView>
#include <QStringList>
#include <algorithm>

#include "ui/widgets/TBerichtForm.h"
#include "ui/widgets/TWachtwoordzinDlg.h"

namespace valdero {
namespace {

QString Begin(const BestandsDialoog& d) {
  const QString map = QString::fromStdString(d.map);
  const QString naam = QString::fromStdString(d.voorgesteldeNaam);
  // A suggested name holding wildcards is a filter, not a name.
  if (naam.isEmpty() || naam.contains(QLatin1Char('*')) || naam.contains(QLatin1Char('?'))) return map;
  if (QFileInfo(naam).isAbsolute() || map.isEmpty()) return naam;
  return QDir(map).filePath(naam);
}

std::optional<std::string> Pad(const QString& gekozen) {
  if (gekozen.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(QFileInfo(gekozen).absoluteFilePath()).toStdString();
}

// Wide enough for the size, kind and date columns, not cut to "153…KiB":
// the dialog is larger than Qt makes it and its columns fit their content.
void MaakRuim(QFileDialog& dlg) {
  dlg.resize(std::max(dlg.width(), 760), std::max(dlg.height(), 460));
  if (auto* lijst = dlg.findChild<QTreeView*>(QStringLiteral("treeView"))) {
    lijst->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lijst->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  }
}

}  // namespace

QString QtFilter(const std::string& filter) {
  const QStringList delen = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList uit;
  for (int i = 0; i + 1 < delen.size(); i += 2) {
    QString patronen = delen[i + 1];
    patronen.replace(QLatin1Char(';'), QLatin1Char(' '));
    uit << QStringLiteral("%1 (%2)").arg(delen[i].trimmed(), patronen.trimmed());
  }
  if (delen.size() % 2 == 1 && !delen.back().isEmpty()) uit << delen.back();
  return uit.join(QStringLiteral(";;"));
}

std::optional<std::string> QtBerichten::VraagWachtwoordzin(const WachtwoordzinVraag& vraag) {
  Voor();
  return TWachtwoordzinDlg::Vraag(vraag, ouder_);
}

int QtBerichten::BerichtDlg(const std::string& tekst, BerichtSoort soort, int knoppen, int helpTopic) {
  Voor();
  return ToonBericht(tekst, soort, knoppen, helpTopic, titel_, ouder_, [this](int topic) { emit HelpGevraagd(topic); });
}

std::optional<std::string> QtBerichten::OpenDialoog(const BestandsDialoog& d) {
  Voor();
  QFileDialog dlg(ouder_, QString::fromStdString(d.titel), Begin(d), QtFilter(d.filter));
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  dlg.setFileMode(QFileDialog::ExistingFile);
  MaakRuim(dlg);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return Pad(dlg.selectedFiles().front());
}

std::optional<std::string> QtBerichten::BewaarDialoog(const BestandsDialoog& d) {
  Voor();
  QFileDialog dlg(ouder_, QString::fromStdString(d.titel), Begin(d), QtFilter(d.filter));
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  MaakRuim(dlg);
  QString ext = QString::fromStdString(d.standaardExtensie);
  if (ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
  if (!ext.isEmpty()) dlg.setDefaultSuffix(ext);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return Pad(dlg.selectedFiles().front());
}

void QtBerichten::Piep() { QApplication::beep(); }

}  // namespace valdero
