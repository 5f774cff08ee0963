#include "ui/widgets/VoortgangVenster.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QProgressDialog>
#include <limits>

namespace valdero {
namespace {

// A progress dialog that neither the close button of its frame nor Escape
// can take away while the work runs: QProgressDialog would take either as
// "cancel" and hide, and with it the block on input to the other windows.
class VasteVoortgangDialoog : public QProgressDialog {
 public:
  explicit VasteVoortgangDialoog(QWidget* ouder)
      : QProgressDialog(ouder, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowModality(Qt::ApplicationModal);
    setCancelButton(nullptr);
    setAutoReset(false);
    setAutoClose(false);
    // The dialog never shows by itself (see VoortgangVenster::Stap).
    setMinimumDuration(std::numeric_limits<int>::max());
    setRange(0, 1000);
    setMinimumWidth(360);
    setWindowTitle(QApplication::applicationDisplayName());
  }

 protected:
  void closeEvent(QCloseEvent* e) override { e->ignore(); }
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Escape) {
      e->accept();
      return;
    }
    QProgressDialog::keyPressEvent(e);
  }
  void reject() override {}
};

}  // namespace

VoortgangVenster::VoortgangVenster(int minimumDuurMs) : minimumDuurMs_(minimumDuurMs) {}

VoortgangVenster::~VoortgangVenster() { delete dialoog_.data(); }

QProgressDialog* VoortgangVenster::Dialoog() const { return dialoog_.data(); }

void VoortgangVenster::ZetOuder(QWidget* ouder) {
  if (ouder_ == ouder) return;
  ouder_ = ouder;
  // A dialog made for another window is made again for this one at the
  // next work (never during one).
  if (dialoog_ && diepte_ == 0) delete dialoog_.data();
}

void VoortgangVenster::Begin(std::string_view wat, std::uint64_t totaal) {
  if (diepte_++ > 0) return;
  totaal_ = totaal;
  sinds_.start();
  if (!dialoog_) dialoog_ = new VasteVoortgangDialoog(ouder_);
  dialoog_->setLabelText(QString::fromUtf8(wat.data(), static_cast<qsizetype>(wat.size())));
  dialoog_->setValue(0);
}

void VoortgangVenster::Stap(std::uint64_t gedaan) {
  if (diepte_ != 1 || !dialoog_ || totaal_ == 0) return;
  const auto deel = static_cast<int>((gedaan >= totaal_ ? totaal_ : gedaan) * kSchaal / totaal_);
  if (!dialoog_->isVisible()) {
    // Nothing is processed before the dialog shows: no input can slip into
    // another window while none blocks it.
    if (sinds_.elapsed() < minimumDuurMs_ || deel >= kSchaal) return;
    emit VoorTonen();
    dialoog_->setValue(deel);
    dialoog_->show();
  } else {
    dialoog_->setValue(deel);
  }
  // Repaint what changed; the modal dialog keeps input from the other
  // windows, and it cannot itself be closed or cancelled.
  QCoreApplication::processEvents();
}

void VoortgangVenster::Einde() {
  if (diepte_ == 0 || --diepte_ > 0) return;
  totaal_ = 0;
  if (!dialoog_) return;
  dialoog_->hide();
  dialoog_->reset();
}

}  // namespace valdero
