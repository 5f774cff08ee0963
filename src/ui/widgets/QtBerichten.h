#pragma once
// The message port of the desktop program: the own message dialog, the
// platform's file dialogs and the system beep.

#include <QObject>
#include <QString>
#include <QPointer>
#include <QWidget>

#include "model/core/Berichten.h"

namespace valdero {

class QtBerichten : public QObject, public Berichten {
  Q_OBJECT
 public:
  explicit QtBerichten(QString applicatieTitel) : titel_(std::move(applicatieTitel)) {}

  // The window the dialogs belong to; may change once the main window exists.
  void ZetOuder(QWidget* ouder) { ouder_ = ouder; }

  int BerichtDlg(const std::string& tekst, BerichtSoort soort, int knoppen, int helpTopic) override;
  std::optional<std::string> OpenDialoog(const BestandsDialoog& dialoog) override;
  std::optional<std::string> BewaarDialoog(const BestandsDialoog& dialoog) override;
  void Piep() override;
  std::optional<std::string> VraagWachtwoordzin(const WachtwoordzinVraag& vraag) override;

 signals:
  // The Help button of a message, with its topic.
  void HelpGevraagd(int topic);
  // Just before every dialog: start-up hides the splash so that it cannot
  // cover a question.
  void DialoogKomt();

 private:
  QString titel_;
  QPointer<QWidget> ouder_;

  void Voor() { emit DialoogKomt(); }
};

// "Omschrijving|*.ext|Ander|*.x" becomes "Omschrijving (*.ext);;Ander (*.x)".
QString QtFilter(const std::string& filter);

}  // namespace valdero
