#include "ui/widgets/TWachtwoordzinDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace valdero {

TWachtwoordzinDlg::TWachtwoordzinDlg(const WachtwoordzinVraag& vraag, QWidget* ouder)
    : QDialog(ouder), nieuw_(vraag.nieuw), melding_(QString::fromStdString(vraag.melding)) {
  setWindowTitle(QString::fromStdString(vraag.titel));
  setObjectName(QStringLiteral("WachtwoordzinDlg"));
  auto* indeling = new QVBoxLayout(this);
  auto* tekst = new QLabel(QString::fromStdString(vraag.tekst), this);
  tekst->setObjectName(QStringLiteral("Tekst"));
  indeling->addWidget(tekst);

  auto* velden = new QFormLayout;
  zin_ = new QLineEdit(this);
  zin_->setObjectName(QStringLiteral("Wachtwoordzin"));
  zin_->setEchoMode(QLineEdit::Password);
  // A passphrase of any length: the field takes what is typed or pasted.
  zin_->setMaxLength(32767);
  zin_->setMinimumWidth(340);
  velden->addRow(QStringLiteral("&Wachtwoordzin:"), zin_);
  if (nieuw_) {
    nogmaals_ = new QLineEdit(this);
    nogmaals_->setObjectName(QStringLiteral("Nogmaals"));
    nogmaals_->setEchoMode(QLineEdit::Password);
    nogmaals_->setMaxLength(32767);
    velden->addRow(QStringLiteral("&Nogmaals:"), nogmaals_);
  }
  indeling->addLayout(velden);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("Status"));
  status_->setWordWrap(true);
  indeling->addWidget(status_);
  if (nieuw_) {
    auto* waarschuwing = new QLabel(
        QStringLiteral("Zonder de wachtwoordzin is het boek niet meer te openen: bewaar haar goed."), this);
    waarschuwing->setWordWrap(true);
    indeling->addWidget(waarschuwing);
  }

  knoppen_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knoppen_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuleren"));
  indeling->addWidget(knoppen_);
  connect(knoppen_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoppen_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(zin_, &QLineEdit::textChanged, this, [this] { Volg(); });
  if (nogmaals_) connect(nogmaals_, &QLineEdit::textChanged, this, [this] { Volg(); });
  Volg();
}

// OK once something is typed, and for a new passphrase only when both
// fields hold the same; the status line says what is missing.
void TWachtwoordzinDlg::Volg() {
  const bool leeg = zin_->text().isEmpty();
  const bool verschilt = nogmaals_ && !nogmaals_->text().isEmpty() && nogmaals_->text() != zin_->text();
  const bool compleet = !leeg && (!nogmaals_ || nogmaals_->text() == zin_->text());
  knoppen_->button(QDialogButtonBox::Ok)->setEnabled(compleet);
  status_->setText(verschilt ? QStringLiteral("De twee wachtwoordzinnen verschillen") : melding_);
}

std::string TWachtwoordzinDlg::Wachtwoordzin() const { return zin_->text().toStdString(); }

std::optional<std::string> TWachtwoordzinDlg::Vraag(const WachtwoordzinVraag& vraag, QWidget* ouder) {
  TWachtwoordzinDlg dlg(vraag, ouder);
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  std::string zin = dlg.Wachtwoordzin();
  // The fields are emptied before the dialog goes: the passphrase is not
  // left in a widget's memory longer than needed.
  dlg.zin_->clear();
  if (dlg.nogmaals_) dlg.nogmaals_->clear();
  return zin;
}

}  // namespace valdero
