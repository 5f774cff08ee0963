#pragma once
// The help window: short pages by topic number with a contents page, shown
// in a text browser. Unknown topics show the contents.

#include <QWidget>

class QTextBrowser;

namespace valdero {

class HelpVenster : public QWidget {
  Q_OBJECT
 public:
  explicit HelpVenster(QWidget* parent = nullptr);
  // 0 opens the contents page.
  void Toon(int topic);
  // The page a topic opens.
  static QString PaginaVoor(int topic);
  QTextBrowser* Browser() const { return browser_; }
  // The window opens beside this one (not at the screen's corner).
  void ZetHoofdvenster(QWidget* hoofdvenster) { hoofdvenster_ = hoofdvenster; }

 private:
  QTextBrowser* browser_;
  QWidget* hoofdvenster_ = nullptr;
};

}  // namespace valdero
