#include "ui/widgets/Tnavigator.h"

#include <QKeyEvent>
#include <QLayout>

#include "ui/widgets/TNavKnop.h"

// The glyphs live in a static library: register them before the first use.
static void LaadNavigatorBeelden() { Q_INIT_RESOURCE(navigator); }

namespace valdero {
namespace {

const char* const kNamen[Tnavigator::AantalKnoppen] = {
    "FIRST", "PRIOR", "NEXT", "LAST", "INSERT", "DELETE", "EDIT", "POST", "CANCEL", "REFRESH"};

const char* const kHints[Tnavigator::AantalKnoppen] = {
    "Eerste record", "Vorige record",     "Volgende record", "Laatste record", "Voeg record in",
    "Verwijder record", "Editing van record", "Bewaar record", "Schrap editing",
    "Ververs de hele lijst"};

}  // namespace

Tnavigator::Tnavigator(QWidget* parent) : QWidget(parent) {
  LaadNavigatorBeelden();
  setObjectName("navigator");
  setFocusPolicy(Qt::StrongFocus);
  zichtbaar_.fill(true);
  for (int k = 0; k < AantalKnoppen; ++k) {
    auto* knop = new TNavKnop(this, k);
    knoppen_[static_cast<std::size_t>(k)] = knop;
    connect(knop, &QAbstractButton::clicked, this, [this, k] { BtnClick(k); });
    ZetHint(k);
  }
  ZetTimer(std::make_unique<QtNavTimer>());
  setMinimumSize(minimumSizeHint());
  resize(sizeHint());
}

Tnavigator::~Tnavigator() = default;

QString Tnavigator::BeeldNaam(int knop) {
  return QString::asprintf("dbn_%s", kNamen[knop]).toLower();
}

QString Tnavigator::StandaardHint(int knop) { return QString::fromUtf8(kHints[knop]); }

std::vector<int> Tnavigator::KnopBreedtes(int breedte, int n) {
  if (n < 1) n = 1;
  const int w = breedte / n;
  const int over = breedte - n * w;
  std::vector<int> breedtes(static_cast<std::size_t>(n), w);
  int teller = n / 2;
  for (int& b : breedtes) {
    teller -= over;
    if (teller < 0) {
      teller += n;
      ++b;
    }
  }
  return breedtes;
}

int Tnavigator::AantalZichtbaar() const {
  int n = 0;
  for (bool z : zichtbaar_) n += z ? 1 : 0;
  return n;
}

void Tnavigator::ZetZichtbaar(std::initializer_list<TNavigateBtn> knoppen) {
  zichtbaar_.fill(false);
  for (TNavigateBtn k : knoppen) zichtbaar_[static_cast<std::size_t>(k)] = true;
  if (!Zichtbaar(focusKnop_))
    for (int k = 0; k < AantalKnoppen; ++k)
      if (Zichtbaar(k)) {
        focusKnop_ = k;
        break;
      }
  setMinimumSize(minimumSizeHint());
  updateGeometry();
  Indeling();
}

void Tnavigator::ZetHints(const QStringList& hints) {
  hints_ = hints;
  for (int k = 0; k < AantalKnoppen; ++k) ZetHint(k);
}

QString Tnavigator::Hint(int knop) const {
  if (knop < hints_.size() && !hints_[knop].isEmpty()) return hints_[knop];
  return StandaardHint(knop);
}

void Tnavigator::ZetHint(int knop) { Knop(knop)->setToolTip(Hint(knop)); }

void Tnavigator::ZetPlat(bool plat) {
  plat_ = plat;
  update();
  for (TNavKnop* k : knoppen_) k->update();
}

void Tnavigator::ZetUitgelijnd(bool uitgelijnd) {
  uitgelijnd_ = uitgelijnd ? 1 : 0;
  Indeling();
}

bool Tnavigator::Uitgelijnd() const {
  if (uitgelijnd_ >= 0) return uitgelijnd_ == 1;
  const QWidget* ouder = parentWidget();
  return ouder && ouder->layout() && ouder->layout()->indexOf(const_cast<Tnavigator*>(this)) >= 0;
}

void Tnavigator::ZetFocusKnop(int knop) {
  if (knop < 0 || knop >= AantalKnoppen || !Zichtbaar(knop) || knop == focusKnop_) return;
  const int oud = focusKnop_;
  focusKnop_ = knop;
  Knop(oud)->update();
  Knop(knop)->update();
}

void Tnavigator::BtnClick(int knop) {
  emit BeforeAction(knop);
  emit Click(knop);
}

void Tnavigator::ZetTimer(std::unique_ptr<NavTimer> timer) {
  timer_ = std::move(timer);
  connect(timer_.get(), &NavTimer::Afgelopen, this, [this] { Herhaal(); });
}

QSize Tnavigator::minimumSizeHint() const { return {AantalZichtbaar() * MinBreedte, MinHoogte}; }

void Tnavigator::resizeEvent(QResizeEvent*) { Indeling(); }

void Tnavigator::Indeling() {
  const int n = std::max(1, AantalZichtbaar());
  int breedte = std::max(width(), n * MinBreedte);
  const int hoogte = std::max(height(), MinHoogte);
  if (!Uitgelijnd()) breedte = n * (breedte / n);
  // A hidden bar gets no nested resize event: lay out with the new size here.
  if (breedte != width() || hoogte != height()) resize(breedte, hoogte);
  const auto breedtes = KnopBreedtes(breedte, n);
  int x = 0;
  std::size_t i = 0;
  for (int k = 0; k < AantalKnoppen; ++k) {
    TNavKnop* knop = Knop(k);
    if (Zichtbaar(k)) {
      knop->setGeometry(x, 0, breedtes[i], hoogte);
      x += breedtes[i++];
      knop->show();
    } else {
      knop->setGeometry(breedte + 1, 0, knop->width(), hoogte);
      knop->hide();
    }
  }
}

void Tnavigator::KnopIngedrukt(int knop) {
  ZetFocusKnop(knop);
  if (focusPolicy() != Qt::NoFocus && isEnabled()) setFocus(Qt::MouseFocusReason);
  if (knop == nbPrior || knop == nbNext) {
    herhaalKnop_ = knop;
    timer_->Start(EersteHerhaling);
  }
}

void Tnavigator::KnopLosgelaten(int) {
  timer_->Stop();
  herhaalKnop_ = -1;
}

void Tnavigator::Herhaal() {
  timer_->Start(VolgendeHerhaling);
  // Only while the button is still held down under the mouse.
  if (herhaalKnop_ >= 0 && Knop(herhaalKnop_)->isDown()) BtnClick(herhaalKnop_);
}

void Tnavigator::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Left:
      for (int k = focusKnop_ - 1; k >= 0; --k)
        if (Zichtbaar(k)) {
          ZetFocusKnop(k);
          break;
        }
      return;
    case Qt::Key_Right:
      for (int k = focusKnop_ + 1; k < AantalKnoppen; ++k)
        if (Zichtbaar(k)) {
          ZetFocusKnop(k);
          break;
        }
      return;
    case Qt::Key_Space:
      if (Knop(focusKnop_)->isEnabled()) BtnClick(focusKnop_);
      return;
    default:
      QWidget::keyPressEvent(e);
  }
}

void Tnavigator::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  Knop(focusKnop_)->update();
}

void Tnavigator::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  Knop(focusKnop_)->update();
}

}  // namespace valdero
