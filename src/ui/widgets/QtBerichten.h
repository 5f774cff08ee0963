#pragma once
// The message port of the desktop program: the own message dialog, the
// platform's file dialogs and the system beep.

#include <QString>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "model/core/Berichten.h"

namespace valdero {

class QtBerichten : public Berichten {
 public:
  explicit QtBerichten(QString applicatieTitel) : titel_(std::move(applicatieTitel)) {}

  // The window the dialogs belong to; may change once the main window exists.
  void ZetOuder(QWidget* ouder) { ouder_ = ouder; }
  // What the Help button of a message does.
  void ZetHelp(std::function<void(int)> help) { help_ = std::move(help); }
  // Runs before every dialog: start-up hides the splash so that it cannot
  // cover a question.
  void ZetVoorDialoog(std::function<void()> voor) { voor_ = std::move(voor); }

  int BerichtDlg(const std::string& tekst, BerichtSoort soort, int knoppen, int helpTopic) override;
  std::optional<std::string> OpenDialoog(const BestandsDialoog& dialoog) override;
  std::optional<std::string> BewaarDialoog(const BestandsDialoog& dialoog) override;
  void Piep() override;
  std::optional<std::string> VraagWachtwoordzin(const WachtwoordzinVraag& vraag) override;

 private:
  QString titel_;
  QPointer<QWidget> ouder_;
  std::function<void(int)> help_;
  std::function<void()> voor_;

  void Voor() const {
    if (voor_) voor_();
  }
};

// "Omschrijving|*.ext|Ander|*.x" becomes "Omschrijving (*.ext);;Ander (*.x)".
QString QtFilter(const std::string& filter);

}  // namespace valdero
