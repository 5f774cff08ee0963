// The dialogs Qt draws itself speak Dutch once the program has loaded Qt's
// own translations, whatever language the desktop has: the file dialogs, the
// standard buttons, the overwrite question, the text fields' context menu,
// the colour and font dialogs and the calendar.
#include <QAbstractButton>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "ui/widgets/QtVertaling.h"

using namespace valdero;

namespace {

// Captions Qt shows in English when no translation is loaded, compared with
// every text of a dialog after '&' and a trailing ':' are taken off ("OK",
// "HTML" and "Reset" are the same in Dutch and not listed).
const QStringList kEngels{
    "Save As", "Save", "Open", "Cancel", "Look in", "File name", "Files of type", "Back", "Forward",
    "Parent Directory", "Create New Folder", "List View", "Detail View", "Name", "Size", "Type",
    "Date Modified", "Yes", "No", "Close", "Apply", "Discard", "Yes to All", "No to All",
    "Abort", "Retry", "Ignore", "Restore Defaults", "Undo", "Redo", "Cut", "Copy", "Paste", "Delete",
    "Select All", "Basic colors", "Custom colors", "Add to Custom Colors", "Pick Screen Color", "Hue",
    "Sat", "Val", "Red", "Green", "Blue", "Alpha channel", "Select Color", "Select Font", "Font",
    "Font style", "Effects", "Strikeout", "Underline", "Sample", "Writing System", "Choose", "Computer",
    "All Files (*)", "New Folder", "Recent Places", "Show hidden files", "Rename", "Folder", "Directory"};

QString Kaal(QString t) {
  t.remove(QLatin1Char('&'));
  t = t.trimmed();
  if (t.endsWith(QLatin1Char(':'))) t.chop(1);
  return t.trimmed();
}

// Every caption, label, button, tooltip, combo entry and menu entry of the
// widget and its children that is English.
QStringList EngelseTeksten(QWidget* w) {
  QStringList teksten{w->windowTitle(), w->toolTip()};
  for (auto* l : w->findChildren<QLabel*>()) teksten << l->text();
  for (auto* b : w->findChildren<QAbstractButton*>()) teksten << b->text() << b->toolTip();
  for (auto* g : w->findChildren<QGroupBox*>()) teksten << g->title();
  for (auto* c : w->findChildren<QComboBox*>())
    for (int i = 0; i < c->count(); ++i) teksten << c->itemText(i);
  for (auto* a : w->findChildren<QAction*>()) teksten << a->text() << a->toolTip();
  QStringList engels;
  for (const QString& t : teksten) {
    const QString kaal = Kaal(t);
    if (!kaal.isEmpty() && kEngels.contains(kaal)) engels << kaal;
  }
  engels.removeDuplicates();
  return engels;
}

}  // namespace

class TstQtVertaling : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void bestandsDialogen_data();
  void bestandsDialogen();
  void standaardKnoppen();
  void overschrijfVraag();
  void tekstVeldMenu();
  void kleurEnLettertype();
  void kalenderNamen();
};

void TstQtVertaling::initTestCase() {
  QVERIFY2(LaadQtVertalingen(*qApp), "qtbase_nl.qm (package qt6-translations-l10n) must be installed");
}

void TstQtVertaling::bestandsDialogen_data() {
  QTest::addColumn<bool>("bewaren");
  QTest::newRow("open") << false;
  QTest::newRow("bewaren") << true;
}

void TstQtVertaling::bestandsDialogen() {
  QFETCH(bool, bewaren);
  QFileDialog dlg(nullptr, QString(), QDir::tempPath(), "Tekst (*.txt)");
  dlg.setOption(QFileDialog::DontUseNativeDialog);
  dlg.setAcceptMode(bewaren ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  const QStringList engels = EngelseTeksten(&dlg);
  QVERIFY2(engels.isEmpty(), qPrintable(engels.join(", ")));
}

void TstQtVertaling::standaardKnoppen() {
  QDialogButtonBox knoppen(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                           QDialogButtonBox::No | QDialogButtonBox::Save | QDialogButtonBox::Close |
                           QDialogButtonBox::Apply | QDialogButtonBox::Discard | QDialogButtonBox::Abort |
                           QDialogButtonBox::Retry | QDialogButtonBox::Ignore | QDialogButtonBox::YesToAll |
                           QDialogButtonBox::NoToAll | QDialogButtonBox::Reset);
  const QStringList engels = EngelseTeksten(&knoppen);
  QVERIFY2(engels.isEmpty(), qPrintable(engels.join(", ")));
  QCOMPARE(Kaal(knoppen.button(QDialogButtonBox::Cancel)->text()), QString("Annuleren"));
}

// Saving over an existing file: Qt asks itself before the dialog closes.
void TstQtVertaling::overschrijfVraag() {
  QTemporaryDir map;
  QVERIFY(map.isValid());
  const QString pad = map.filePath("bestaat.txt");
  QFile f(pad);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.close();
  QFileDialog dlg(nullptr, QString(), map.path());
  dlg.setOption(QFileDialog::DontUseNativeDialog);
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.selectFile(pad);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  QString vraag;
  QStringList engels;
  QTimer::singleShot(100, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    vraag = box->text();
    engels = EngelseTeksten(box);
    box->reject();
  });
  // The dialog's own accept, as its "Opslaan" button calls it.
  QMetaObject::invokeMethod(&dlg, "accept", Qt::DirectConnection);
  QTRY_VERIFY(!vraag.isEmpty());
  QVERIFY2(!vraag.contains("already exists") && !vraag.contains("replace"), qPrintable(vraag));
  QVERIFY(vraag.contains("bestaat.txt"));
  QVERIFY2(engels.isEmpty(), qPrintable(engels.join(", ")));
}

void TstQtVertaling::tekstVeldMenu() {
  QLineEdit veld("tekst");
  veld.selectAll();
  std::unique_ptr<QMenu> menu(veld.createStandardContextMenu());
  QStringList engels;
  for (QAction* a : menu->actions()) {
    const QString kaal = Kaal(a->text().section(QLatin1Char('\t'), 0, 0));
    if (kEngels.contains(kaal)) engels << kaal;
  }
  QVERIFY2(engels.isEmpty(), qPrintable(engels.join(", ")));
  QVERIFY(menu->actions().size() >= 6);
}

void TstQtVertaling::kleurEnLettertype() {
  QColorDialog kleur;
  kleur.setOption(QColorDialog::DontUseNativeDialog);
  kleur.show();
  QStringList engels = EngelseTeksten(&kleur);
  QVERIFY2(engels.isEmpty(), qPrintable(engels.join(", ")));
  QFontDialog letter;
  letter.setOption(QFontDialog::DontUseNativeDialog);
  letter.show();
  engels = EngelseTeksten(&letter);
  QVERIFY2(engels.isEmpty(), qPrintable(engels.join(", ")));
}

void TstQtVertaling::kalenderNamen() {
  QCOMPARE(QLocale().dayName(1), QString("maandag"));
  QCOMPARE(QLocale().monthName(3), QString("maart"));
}

QTEST_MAIN(TstQtVertaling)
#include "tst_qtvertaling.moc"
