#include "ui/charts/GrafiekTekening.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QPainter>
#include <QPainterPath>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <memory>

#include "model/charts/Grafiek.h"

namespace valdero {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QColor Kleur(std::uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

// A TDateTime as the moment the date axis counts in.
QDateTime Moment(double datum) {
  const double dag = std::floor(datum);
  const int seconden = static_cast<int>(std::lround((datum - dag) * 86400));
  return QDateTime(QDate(1899, 12, 30).addDays(static_cast<qint64>(dag)), QTime(0, 0).addSecs(seconden));
}

// A category axis drops a label it already holds, which would shift every
// bar after it: two groups whose titles start alike get trailing blanks.
QStringList UniekeLabels(const std::vector<GrafiekPunt>& punten) {
  QStringList labels;
  for (const GrafiekPunt& p : punten) {
    QString l = Q(p.label);
    while (labels.contains(l)) l += QLatin1Char(' ');
    labels << l;
  }
  return labels;
}

// A range of round numbers around [laag, hoog] with at most about ten
// labels, whole amounts unless the range is small.
void MooiBereik(QValueAxis& as, double laag, double hoog) {
  if (!std::isfinite(laag) || !std::isfinite(hoog)) laag = hoog = 0;
  if (hoog - laag < 1e-9) laag -= 1, hoog += 1;
  const double ruw = (hoog - laag) / 8;
  const double macht = std::pow(10.0, std::floor(std::log10(ruw)));
  double stap = macht;
  for (double f : {1.0, 2.0, 5.0, 10.0})
    if (f * macht >= ruw) {
      stap = f * macht;
      break;
    }
  // A hair of slack, so an end that is itself round stays the end.
  const double van = std::floor(laag / stap + 1e-9) * stap;
  const double tot = std::ceil(hoog / stap - 1e-9) * stap;
  as.setRange(van, tot);
  as.setTickCount(static_cast<int>(std::lround((tot - van) / stap)) + 1);
  as.setLabelFormat(stap >= 1 ? QStringLiteral("%.0f") : QStringLiteral("%.2f"));
}

// The triangle markers of the line chart.
QImage Driehoek(const QColor& kleur) {
  QImage beeld(12, 12, QImage::Format_ARGB32_Premultiplied);
  beeld.fill(Qt::transparent);
  QPainter p(&beeld);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath pad;
  pad.moveTo(6, 1);
  pad.lineTo(11, 10);
  pad.lineTo(1, 10);
  pad.closeSubpath();
  p.fillPath(pad, kleur);
  return beeld;
}

void Lijn(QChart& chart, const Grafiek& g) {
  auto* reeks = new QLineSeries;
  const GrafiekReeks& r = g.reeksen.empty() ? GrafiekReeks{} : g.reeksen.front();
  const QColor kleur = Kleur(r.kleur);
  reeks->setColor(kleur);
  reeks->setLightMarker(Driehoek(kleur));
  reeks->setMarkerSize(10);
  for (const GrafiekPunt& p : r.punten)
    reeks->append(static_cast<qreal>(Moment(p.x).toMSecsSinceEpoch()), p.y);
  chart.addSeries(reeks);

  auto* datums = new QDateTimeAxis;
  datums->setFormat(QStringLiteral("dd-MM-yyyy"));
  datums->setLabelsAngle(-g.onder.labelHoek);
  datums->setTitleText(Q(g.onder.titel));
  datums->setRange(Moment(g.onder.min), Moment(g.onder.max));
  const double stappen = g.onder.stap > 0 ? (g.onder.max - g.onder.min) / g.onder.stap : 1;
  datums->setTickCount(std::max(2, static_cast<int>(std::lround(stappen)) + 1));
  chart.addAxis(datums, Qt::AlignBottom);
  reeks->attachAxis(datums);

  auto* bedragen = new QValueAxis;
  bedragen->setTitleText(Q(g.links.titel));
  bedragen->setReverse(g.links.omgekeerd);
  chart.addAxis(bedragen, Qt::AlignLeft);
  reeks->attachAxis(bedragen);
  if (!r.punten.empty()) {
    const auto [laag, hoog] = std::minmax_element(r.punten.begin(), r.punten.end(),
                                                  [](const GrafiekPunt& a, const GrafiekPunt& b) { return a.y < b.y; });
    MooiBereik(*bedragen, laag->y, hoog->y);
  }
  chart.legend()->hide();
}

void Staven(QChart& chart, const Grafiek& g) {
  auto* staven = new QBarSeries;
  QLineSeries* som = nullptr;
  QStringList labels;
  double laag = 0, hoog = 0;
  for (const GrafiekReeks& r : g.reeksen) {
    for (const GrafiekPunt& p : r.punten) laag = std::min(laag, p.y), hoog = std::max(hoog, p.y);
    if (labels.isEmpty()) labels = UniekeLabels(r.punten);
    if (r.alsLijn) {
      som = new QLineSeries;
      som->setName(Q(r.naam));
      som->setColor(Kleur(r.kleur));
      QPen pen = som->pen();
      pen.setWidth(2);
      som->setPen(pen);
      for (std::size_t i = 0; i < r.punten.size(); ++i) som->append(static_cast<qreal>(i), r.punten[i].y);
      continue;
    }
    auto* set = new QBarSet(Q(r.naam));
    set->setColor(Kleur(r.kleur));
    set->setBorderColor(Kleur(r.kleur).darker(130));
    // The values stand beside the bars, on the white of the chart.
    set->setLabelColor(Qt::black);
    QFont klein = set->labelFont();
    klein.setPointSizeF(klein.pointSizeF() * 0.8);
    set->setLabelFont(klein);
    // Whole cents: the value printed at the bar shows at most two decimals.
    for (const GrafiekPunt& p : r.punten) set->append(std::round(p.y * 100) / 100);
    staven->append(set);
  }
  staven->setLabelsVisible(std::any_of(g.reeksen.begin(), g.reeksen.end(),
                                      [](const GrafiekReeks& r) { return !r.alsLijn && r.waardenZichtbaar; }));
  staven->setLabelsAngle(-90);
  staven->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  staven->setLabelsPrecision(12);
  chart.addSeries(staven);
  if (som) chart.addSeries(som);

  auto* groepen = new QBarCategoryAxis;
  groepen->append(labels);
  groepen->setTitleText(Q(g.onder.titel));
  groepen->setLabelsAngle(-g.onder.labelHoek);
  groepen->setTruncateLabels(false);
  chart.addAxis(groepen, Qt::AlignBottom);
  staven->attachAxis(groepen);
  if (som) som->attachAxis(groepen);

  auto* bedragen = new QValueAxis;
  bedragen->setTitleText(Q(g.links.titel));
  // Room above and below the bars for the values printed at their ends.
  const double marge = (hoog - laag) * 0.15;
  MooiBereik(*bedragen, laag < 0 ? laag - marge : 0, hoog > 0 ? hoog + marge : 0);
  chart.addAxis(bedragen, Qt::AlignLeft);
  staven->attachAxis(bedragen);
  if (som) som->attachAxis(bedragen);
  chart.legend()->setVisible(true);
  chart.legend()->setAlignment(Qt::AlignTop);
}

void Balken(QChart& chart, const Grafiek& g) {
  const GrafiekReeks& r = g.reeksen.empty() ? GrafiekReeks{} : g.reeksen.front();
  // From the bottom (position 1) up, so the first account is at the top.
  std::vector<GrafiekPunt> punten = r.punten;
  std::stable_sort(punten.begin(), punten.end(), [](const GrafiekPunt& a, const GrafiekPunt& b) { return a.x < b.x; });
  auto* set = new QBarSet(Q(r.naam));
  set->setColor(Kleur(r.kleur));
  set->setSelectedColor(Kleur(r.negatiefKleur));
  set->setLabelColor(Qt::black);
  double laag = 0, hoog = 0;
  for (std::size_t i = 0; i < punten.size(); ++i) {
    set->append(std::round(punten[i].y * 100) / 100);
    // The bars of a negative balance take the other colour.
    if (punten[i].y < 0) set->selectBar(static_cast<int>(i));
    laag = std::min(laag, punten[i].y);
    hoog = std::max(hoog, punten[i].y);
  }
  auto* balken = new QHorizontalBarSeries;
  balken->append(set);
  balken->setLabelsVisible(r.waardenZichtbaar);
  balken->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  balken->setLabelsPrecision(12);
  balken->setBarWidth(0.7);
  chart.addSeries(balken);

  auto* rekeningen = new QBarCategoryAxis;
  rekeningen->append(UniekeLabels(punten));
  rekeningen->setTitleText(Q(g.links.titel));
  rekeningen->setTruncateLabels(false);
  chart.addAxis(rekeningen, Qt::AlignLeft);
  balken->attachAxis(rekeningen);

  auto* bedragen = new QValueAxis;
  bedragen->setTitleText(Q(g.onder.titel));
  const double marge = (hoog - laag) * 0.2;
  MooiBereik(*bedragen, laag < 0 ? laag - marge : 0, hoog > 0 ? hoog + marge : 0);
  chart.addAxis(bedragen, Qt::AlignBottom);
  balken->attachAxis(bedragen);
  chart.legend()->hide();
}

QString TitelHtml(const Grafiek& g) {
  QStringList regels;
  for (const std::string& t : g.titels) regels << Q(t).toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
  return QStringLiteral("<b>") + regels.join(QStringLiteral("<br>")) + QStringLiteral("</b>");
}

}  // namespace

void VulChart(QChart& chart, const Grafiek& grafiek, char decimaalTeken) {
  chart.removeAllSeries();
  for (QAbstractAxis* as : chart.axes()) {
    chart.removeAxis(as);
    delete as;
  }
  chart.setTitle(TitelHtml(grafiek));
  chart.setLocalizeNumbers(true);
  chart.setLocale(decimaalTeken == ',' ? QLocale(QLocale::Dutch, QLocale::Netherlands) : QLocale::c());
  chart.setAnimationOptions(QChart::NoAnimation);
  chart.setBackgroundRoundness(0);
  switch (grafiek.vorm) {
    case GrafiekVorm::Lijn: Lijn(chart, grafiek); break;
    case GrafiekVorm::Staven: Staven(chart, grafiek); break;
    case GrafiekVorm::Balken: Balken(chart, grafiek); break;
  }
}

QImage GrafiekBeeld(const Grafiek& grafiek, char decimaalTeken, QSize maat) {
  if (maat.isEmpty()) maat = QSize(grafiek.breedte, grafiek.hoogte);
  auto* chart = new QChart;
  VulChart(*chart, grafiek, decimaalTeken);
  QChartView view(chart);
  view.setRenderHint(QPainter::Antialiasing);
  view.resize(maat);
  return view.grab().toImage();
}

QByteArray PngBytes(const QImage& beeld) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  beeld.save(&buffer, "PNG");
  return bytes;
}

std::unique_ptr<QApplication> StartApplicatieZonderScherm() {
  if (QApplication::instance()) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char naam[] = "valdero-cli";
  static char* argv[] = {naam, nullptr};
  return std::make_unique<QApplication>(argc, argv);
}

std::string GrafiekPng(const Grafiek& grafiek, char decimaalTeken) {
  const std::unique_ptr<QApplication> app = StartApplicatieZonderScherm();
  const QImage beeld = GrafiekBeeld(grafiek, decimaalTeken);
  return beeld.isNull() ? std::string() : PngBytes(beeld).toStdString();
}

}  // namespace valdero
