#pragma once
// The progress of long work in the desktop program: a progress bar in a
// dialog over the main window, with the work's name above it ("Bewaren
// Valdr26.vdr"). The work runs on the user-interface thread, so the dialog
// itself decides when it shows and repaints:
// - it shows only once the work has run longer than the minimum duration
//   (work over within that time shows nothing), and only at a step of the
//   work, never from a timer: a question the work asks (a message box with
//   its own event loop) is never covered by a progress bar that would block
//   it;
// - it is application modal, so that while it processes events to repaint,
//   no input reaches another window and nothing can be started halfway;
// - it has no cancel button and cannot be closed: stopping a save halfway
//   is not something we offer.
// Work inside other work (the saves of a reconciliation) shows as the outer
// work.

#include <QPointer>
#include <QElapsedTimer>
#include <cstdint>
#include <QObject>
#include <string_view>

#include "model/core/Voortgang.h"

class QProgressDialog;
class QWidget;

namespace valdero {

class VoortgangVenster : public QObject, public Voortgang {
  Q_OBJECT
 public:
  static constexpr int kMinimumDuurMs = 300;

  explicit VoortgangVenster(int minimumDuurMs = kMinimumDuurMs);
  ~VoortgangVenster() override;
  VoortgangVenster(const VoortgangVenster&) = delete;
  VoortgangVenster& operator=(const VoortgangVenster&) = delete;

  // The window the dialog stands over; may change once the main window
  // exists.
  void ZetOuder(QWidget* ouder);

  void Begin(std::string_view wat, std::uint64_t totaal) override;
  void Stap(std::uint64_t gedaan) override;
  void Einde() override;

  // The dialog, once work has needed it (for the tests).
  QProgressDialog* Dialoog() const;

 signals:
  // Just before the dialog shows: start-up hides the splash, which stays on
  // top of every window and would cover the dialog.
  void VoorTonen();

 private:
  static constexpr int kSchaal = 1000;  // the bar counts thousandths

  QPointer<QWidget> ouder_;
  QPointer<QProgressDialog> dialoog_;
  int minimumDuurMs_;
  int diepte_ = 0;
  std::uint64_t totaal_ = 0;
  QElapsedTimer sinds_;
};

}  // namespace valdero
