#pragma once
// A date field that takes a date as it is typed: "31-3-2026", or half of it
// ("31-3", "3103", "7") completed as everywhere else in the program. What is
// no date, or lies outside the allowed range, is refused with the program's
// error report and the field shows its last date again. A button beside it
// opens a calendar to pick from.
//
// Qt's own date editor edits a date in sections: text typed over a selection
// lands in whatever section the cursor is in ("31-3-2026" typed after Ctrl+A
// became "11-3--"). This field keeps the text as the user typed it until
// Enter or leaving the field.

#include <QDate>
#include <optional>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

namespace valdero {

class Kasboek;

class DatumKiezer : public QWidget {
  Q_OBJECT
 public:
  explicit DatumKiezer(Kasboek& kb, QWidget* parent = nullptr);

  // The date the field holds: the text typed when that is a date in range.
  QDate date() const;
  void setDate(const QDate& d);
  void setDateRange(const QDate& van, const QDate& tot);
  QLineEdit* Veld() const { return veld_; }
  QToolButton* KalenderKnop() const { return knop_; }

  // Takes the typed text: true when it is a date in range (the field then
  // shows it as d-m-yyyy); otherwise reports it, shows the last date again
  // and returns false.
  bool Bevestig();

 signals:
  void dateChanged(const QDate& d);

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  std::optional<QDate> Lees(const QString& tekst) const;
  void Toon();

  Kasboek& kb_;
  QLineEdit* veld_ = nullptr;
  QToolButton* knop_ = nullptr;
  QCalendarWidget* kalender_ = nullptr;
  QDate datum_;
  QDate van_{1900, 1, 1};
  QDate tot_{9999, 12, 31};
};

}  // namespace valdero
