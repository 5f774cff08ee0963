#pragma once
// The record navigator bar: ten picture buttons that move through a grid and
// edit its rows. The bar knows no data; it reports the index of the pressed
// button (before-action, then click) and its owner acts on it.

#include <QStringList>
#include <QWidget>
#include <array>
#include <initializer_list>
#include <memory>
#include <vector>

#include "ui/widgets/NavTimer.h"

namespace valdero {

class TNavKnop;

enum TNavigateBtn {
  nbFirst = 0,
  nbPrior,
  nbNext,
  nbLast,
  nbInsert,
  nbDelete,
  nbEdit,
  nbPost,
  nbCancel,
  nbRefresh
};

class Tnavigator : public QWidget {
  Q_OBJECT
 public:
  static constexpr int AantalKnoppen = 10;
  static constexpr int MinBreedte = 20;
  static constexpr int MinHoogte = 18;
  static constexpr int EersteHerhaling = 400;
  static constexpr int VolgendeHerhaling = 100;

  explicit Tnavigator(QWidget* parent = nullptr);
  ~Tnavigator() override;

  // The widths of n buttons on a bar: the bar's width divided evenly, the
  // pixels left over spread one by one across the row.
  static std::vector<int> KnopBreedtes(int breedte, int n);
  static QString StandaardHint(int knop);
  // The picture resource of a button ("dbn_first", ...).
  static QString BeeldNaam(int knop);

  void ZetZichtbaar(std::initializer_list<TNavigateBtn> knoppen);
  bool Zichtbaar(int knop) const { return zichtbaar_[static_cast<std::size_t>(knop)]; }
  int AantalZichtbaar() const;

  // A non-empty line k replaces the default hint of button k.
  void ZetHints(const QStringList& hints);
  QString Hint(int knop) const;

  void ZetPlat(bool plat);
  bool Plat() const { return plat_; }
  // The owners ask their own question; the bar only carries the setting.
  void ZetBevestigVerwijderen(bool b) { bevestigVerwijderen_ = b; }
  bool BevestigVerwijderen() const { return bevestigVerwijderen_; }

  // A bar in a layout keeps the width it is given; a free bar trims itself
  // to whole buttons.
  void ZetUitgelijnd(bool uitgelijnd);
  bool Uitgelijnd() const;

  int FocusKnop() const { return focusKnop_; }
  void ZetFocusKnop(int knop);
  TNavKnop* Knop(int knop) const { return knoppen_[static_cast<std::size_t>(knop)]; }

  // Clicks a button: before-action, then click.
  void BtnClick(int knop);

  void ZetTimer(std::unique_ptr<NavTimer> timer);
  NavTimer& Timer() const { return *timer_; }

  QSize sizeHint() const override { return {241, 25}; }
  QSize minimumSizeHint() const override;

  // Called by the buttons.
  void KnopIngedrukt(int knop);
  void KnopLosgelaten(int knop);

 signals:
  void BeforeAction(int knop);
  void Click(int knop);

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void Indeling();
  void Herhaal();
  void ZetHint(int knop);

  std::array<TNavKnop*, AantalKnoppen> knoppen_{};
  std::array<bool, AantalKnoppen> zichtbaar_{};
  QStringList hints_;
  bool plat_ = false;
  bool bevestigVerwijderen_ = true;
  int uitgelijnd_ = -1;  // -1: follow whether a layout manages the bar
  int focusKnop_ = 0;
  int herhaalKnop_ = -1;
  std::unique_ptr<NavTimer> timer_;
};

}  // namespace valdero
