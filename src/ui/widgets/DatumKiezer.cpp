#include "ui/widgets/QtDatum.h"
#include "ui/widgets/DatumKiezer.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QWidgetAction>

#include "model/core/Bedragen.h"
#include "model/core/Datum.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/core/Status.h"

namespace valdero {
DatumKiezer::DatumKiezer(Kasboek& kb, QWidget* parent) : QWidget(parent), kb_(kb) {
  veld_ = new QLineEdit(this);
  veld_->setObjectName("DatumTekst");
  veld_->setMaxLength(12);
  veld_->setMinimumWidth(veld_->fontMetrics().horizontalAdvance("00-00-00000") + 12);
  setFocusProxy(veld_);
  knop_ = new QToolButton(this);
  knop_->setObjectName("KalenderKnop");
  knop_->setText(QStringLiteral("▾"));
  knop_->setToolTip(QStringLiteral("Kies een datum uit de kalender"));
  knop_->setFocusPolicy(Qt::NoFocus);
  knop_->setPopupMode(QToolButton::InstantPopup);
  // The arrow is the button's text; the style's own menu arrow would stand on it.
  knop_->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0px; }"));
  auto* menu = new QMenu(knop_);
  kalender_ = new QCalendarWidget(menu);
  kalender_->setObjectName("Kalender");
  kalender_->setGridVisible(true);
  auto* actie = new QWidgetAction(menu);
  actie->setDefaultWidget(kalender_);
  menu->addAction(actie);
  knop_->setMenu(menu);
  connect(menu, &QMenu::aboutToShow, this, [this] {
    Bevestig();
    kalender_->setDateRange(van_, tot_);
    if (datum_.isValid()) kalender_->setSelectedDate(datum_);
  });
  connect(kalender_, &QCalendarWidget::clicked, this, [this, menu](const QDate& d) {
    menu->close();
    setDate(d);
    veld_->setFocus();
  });
  connect(kalender_, &QCalendarWidget::activated, this, [this, menu](const QDate& d) {
    menu->close();
    setDate(d);
    veld_->setFocus();
  });
  auto* rij = new QHBoxLayout(this);
  rij->setContentsMargins(0, 0, 0, 0);
  rij->setSpacing(2);
  rij->addWidget(veld_, 1);
  rij->addWidget(knop_);
  // Leaving the field takes what was typed (Enter is the caller's: it
  // confirms before it moves on).
  connect(veld_, &QLineEdit::editingFinished, this, [this] {
    if (veld_->isModified()) Bevestig();
  });
  veld_->installEventFilter(this);
}

bool DatumKiezer::eventFilter(QObject* o, QEvent* e) {
  // Whoever clicks into the field and types a date means that date: the
  // whole text is selected, so that typing replaces it.
  if (o == veld_ && e->type() == QEvent::FocusIn)
    QTimer::singleShot(0, veld_, [this] { veld_->selectAll(); });
  return QWidget::eventFilter(o, e);
}

std::optional<QDate> DatumKiezer::Lees(const QString& tekst) const {
  const QString kaal = tekst.trimmed();
  if (kaal.isEmpty()) return std::nullopt;
  // The program's completion of half-typed dates, without its report: the
  // report comes from Bevestig only.
  const int jaar = datum_.isValid() ? datum_.year() : QDate::currentDate().year();
  std::string s = kaal.toStdString();
  if (s.find('-') == std::string::npos) {
    if (s.size() == 4) s.insert(2, "-");
    else if (s.size() == 6 || s.size() == 8) {
      s.insert(4, "-");
      s.insert(2, "-");
    }
  }
  const auto d = LeesDatum(s, jaar);
  if (!d) return std::nullopt;
  const QDate q = AlsQDate(*d);
  if (!q.isValid() || q < van_ || q > tot_) return std::nullopt;
  return q;
}

QDate DatumKiezer::date() const {
  if (const auto d = Lees(veld_->text())) return *d;
  return datum_;
}

void DatumKiezer::setDate(const QDate& d) {
  if (!d.isValid() || d < van_ || d > tot_) return;
  const bool anders = d != datum_;
  datum_ = d;
  Toon();
  if (anders) emit dateChanged(d);
}

void DatumKiezer::setDateRange(const QDate& van, const QDate& tot) {
  van_ = van;
  tot_ = tot;
  if (datum_.isValid() && (datum_ < van_ || datum_ > tot_)) datum_ = datum_ < van_ ? van_ : tot_;
  Toon();
}

bool DatumKiezer::Bevestig() {
  const QString tekst = veld_->text();
  veld_->setModified(false);
  if (tekst.trimmed().isEmpty() && !datum_.isValid()) return false;
  // A day or a day and month typed alone complete with the current month
  // and year, as in every other date field of the program.
  std::string aangevuld = tekst.trimmed().toStdString();
  bool datum = true;
  if (aangevuld.size() <= 2 && aangevuld.find('-') == std::string::npos) {
    datum = DatumAanvullen(kb_, aangevuld);
    if (!datum) {
      Toon();
      return false;
    }
  }
  const auto d = Lees(QString::fromStdString(aangevuld));
  if (!d) {
    Foutmelding(kb_, tekst.toStdString(), FoutNr::GeenGeldigeDatum, HintNr::ProbeerOpnieuw);
    Toon();
    return false;
  }
  setDate(*d);
  Toon();
  return true;
}

void DatumKiezer::Toon() {
  veld_->setText(datum_.isValid() ? QStringLiteral("%1-%2-%3").arg(datum_.day()).arg(datum_.month()).arg(datum_.year())
                                  : QString());
  veld_->setModified(false);
}

}  // namespace valdero
