#include "ui/charts/TGrafiekForm.h"

#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QPushButton>

#include "model/core/Berichten.h"
#include "model/core/Kasboek.h"
#include "model/core/Meldingen.h"
#include "model/storage/Bestanden.h"
#include "ui/charts/GrafiekTekening.h"
#include "ui/widgets/AfdrukVoorbeeld.h"
#include "ui/widgets/VensterPlek.h"

namespace valdero {

TGrafiekForm::TGrafiekForm(Kasboek& kb, const ReportSelection& selectie, QWidget* hoofdvenster)
    : QWidget(hoofdvenster, Qt::Window), kb_(kb), model_(kb, selectie) {
  setObjectName(QStringLiteral("TGrafiekForm"));
  setWindowTitle(QStringLiteral("Grafieken"));
  resize(850, 550);

  auto* hoofd = new QVBoxLayout(this);
  chart_ = new QChart;
  view_ = new QChartView(chart_, this);
  view_->setObjectName(QStringLiteral("grafiek"));
  view_->setRenderHint(QPainter::Antialiasing);
  // Zooming: drag a rectangle; the right mouse button zooms out again.
  view_->setRubberBand(QChartView::RectangleRubberBand);
  hoofd->addWidget(view_, 1);

  auto* knoppen = new QHBoxLayout;
  auto knop = [this, knoppen](const char* tekst) {
    auto* k = new QPushButton(QString::fromUtf8(tekst), this);
    knoppen->addWidget(k);
    return k;
  };
  vorige_ = knop("&Vorige");
  volgend_ = knop("&Volgend");
  QPushButton* print = knop("&Print");
  QPushButton* png = knop("Opslaan als PNG");
  png->setToolTip(QStringLiteral("Bewaar de grafiek als afbeelding"));
  knoppen->addStretch();
  QPushButton* sluit = knop("&Sluit");
  hoofd->addLayout(knoppen);

  connect(vorige_, &QPushButton::clicked, this, [this] {
    if (model_.Vorige()) Teken();
  });
  connect(volgend_, &QPushButton::clicked, this, [this] {
    if (model_.Volgend()) Teken();
  });
  connect(print, &QPushButton::clicked, this, [this] {
    const QImage beeld = Beeld();
    Afdrukken(this, kb_, model_.PrintLiggend(),
              [this, bytes = PngBytes(beeld).toStdString(), b = beeld.width(), h = beeld.height()] {
                model_.Print(kb_.printer(), bytes, b, h);
              });
  });
  connect(png, &QPushButton::clicked, this, &TGrafiekForm::OpslaanAlsPng);
  connect(sluit, &QPushButton::clicked, this, &QWidget::close);
  SluitMetEscape(*this);
}

bool TGrafiekForm::ShowChart(int soort, int index) {
  if (!model_.ShowChart(soort, index)) return false;
  const Grafiek& g = model_.Huidig();
  resize(width(), g.vensterHoogte);
  view_->setMinimumSize(g.breedte, g.hoogte);
  Teken();
  if (!isVisible()) PlaatsBijHoofdvenster(*this, kOnderMenu);
  show();
  raise();
  activateWindow();
  return true;
}

void TGrafiekForm::Teken() {
  const Grafiek& g = model_.Huidig();
  chart_->zoomReset();
  VulChart(*chart_, g, kb_.DecimaalTeken());
  vorige_->setVisible(g.bladeren);
  volgend_->setVisible(g.bladeren);
}

QImage TGrafiekForm::Beeld() const { return view_->grab().toImage(); }

void TGrafiekForm::OpslaanAlsPng() {
  BestandsDialoog dialoog;
  dialoog.titel = "Opslaan als PNG";
  dialoog.filter = "PNG-afbeelding (*.png)|*.png";
  dialoog.standaardExtensie = "png";
  dialoog.voorgesteldeNaam = "Grafiek" + std::to_string(model_.Soort()) + ".png";
  dialoog.map = kb_.sessie.Map.string();
  const std::optional<std::string> pad = kb_.berichten().BewaarDialoog(dialoog);
  if (!pad) return;
  // Drawn into bytes first and written as every file the user gets: a new
  // file beside the target, flushed and renamed over it.
  const std::string png = PngBytes(Beeld()).toStdString();
  const bool gelukt = !png.empty() && SchrijfTekst(kb_.Pad(*pad), png, kb_.bestanden());
  if (!gelukt) Foutmelding(kb_, *pad, FoutNr::WegschrijvenMislukt, HintNr::ControleerBestandNaam);
}

void TGrafiekForm::closeEvent(QCloseEvent* e) {
  emit Gesloten();
  e->accept();
}

}  // namespace valdero
