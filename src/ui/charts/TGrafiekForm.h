#pragma once
// The chart window: one chart at a time, drawn by Qt Charts from what
// GrafiekModel builds, with paging through accounts or groups, printing and
// "Opslaan als PNG".

#include <QWidget>

#include "model/charts/GrafiekModel.h"

class QChart;
class QChartView;
class QPushButton;

namespace valdero {

class Kasboek;
struct ReportSelection;

class TGrafiekForm : public QWidget {
  Q_OBJECT
 public:
  TGrafiekForm(Kasboek& kb, const ReportSelection& selectie, QWidget* hoofdvenster = nullptr);

  // Builds and shows the chart of a kind (account or group position for
  // kinds 101 and 105); the window stays closed when there is nothing to
  // draw.
  bool ShowChart(int soort, int index);

  const GrafiekModel& Model() const { return model_; }
  QChart* Chart() const { return chart_; }
  // The chart as on screen, as a picture.
  QImage Beeld() const;

 signals:
  void Gesloten();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void Teken();
  void OpslaanAlsPng();

  Kasboek& kb_;
  GrafiekModel model_;
  QChart* chart_ = nullptr;
  QChartView* view_ = nullptr;
  QPushButton* vorige_ = nullptr;
  QPushButton* volgend_ = nullptr;
};

}  // namespace valdero
