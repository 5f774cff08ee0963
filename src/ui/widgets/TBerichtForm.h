#pragma once
// The program's own modal message dialog: Dutch captions and buttons, a
// platform icon per kind, and a size that follows the dialog font.

#include <QDialog>
#include <functional>
#include <string>

#include "model/core/Berichten.h"

class QLabel;
class QPushButton;

namespace valdero {

class TBerichtForm : public QDialog {
  Q_OBJECT
 public:
  // The Help button calls `help` with the topic; without it the button does
  // nothing.
  TBerichtForm(const std::string& tekst, BerichtSoort soort, int knoppen, int helpTopic,
               const QString& applicatieTitel, QWidget* parent = nullptr,
               std::function<void(int)> help = {});

  QPushButton* Knop(const QString& naam) const;
  QLabel* Bericht() const { return bericht_; }

  // Centres on the screen, or puts the top left corner at (left, top).
  void Plaats(int top = -1, int left = -1);

  void reject() override;  // the window frame's close: result 2

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  QLabel* bericht_ = nullptr;
  QPushButton* annuleer_ = nullptr;
};

// Shows the dialog modally and returns the result of the button pressed.
int ToonBericht(const std::string& tekst, BerichtSoort soort, int knoppen, int helpTopic,
                const QString& applicatieTitel, QWidget* parent, std::function<void(int)> help = {});

}  // namespace valdero
