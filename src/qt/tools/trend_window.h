#pragma once
// "趋势图" (Trend_Form): inner, outer and control temperature on a °C axis, module current on
// an A axis (left), DC voltage on a V axis and the two fan speeds on an r/min axis (right)
// against time; lines of one axis told apart by their dash; the last 10 minutes, 1 hour or
// 24 hours; zoom with the wheel or by dragging a span, pan with the right button or the arrow
// keys; alarm and work-state changes as markers. A sensor open or short leaves a gap.
#include <QChartView>
#include <QWidget>
#include <array>
#include <vector>

#include "tools/trend_store.h"

class QComboBox;
class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class QChart;

namespace kestrova {

class TrendView final : public QChartView {
  Q_OBJECT
 public:
  using QChartView::QChartView;
 signals:
  void moved();  // the operator zoomed or panned

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool panning_ = false;
  QPointF last_;
};

// The index of the marker nearest in time to x among points, or -1 for none.
qsizetype NearestMarker(const QList<QPointF>& points, qreal x);

class TrendWindow final : public QWidget {
  Q_OBJECT
 public:
  TrendWindow(const TrendStore& store, QWidget* parent = nullptr);
  // Redraws from the store.
  void Refresh();
  // The console's poll tick, ms after the last one: while open, the plot is redrawn when a new
  // point or marker has come, at most once every three seconds in the 10-minute view and once
  // every half percent of the range in the longer views, with no wake-up of its own.
  void Beat(int ms);
  // Index of the range selector: 0 = 10 min, 1 = 1 h, 2 = 24 h.
  void SelectRange(int index);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::int64_t RangeMs() const;
  // The n-th series of a quantity's line (made when first needed; only the first in the legend).
  QLineSeries* Segment(int quantity, std::size_t n);

  const TrendStore& store_;
  QChart* chart_;
  TrendView* view_;
  QComboBox* range_;
  QDateTimeAxis* time_;
  // The value axes: °C, A, V, r/min.
  std::array<QValueAxis*, 4> axes_;
  std::array<std::vector<QLineSeries*>, kTrendQuantities> segments_;
  QScatterSeries* alarms_;
  QScatterSeries* states_;
  std::vector<QString> alarmTexts_, stateTexts_;
  bool follow_ = true;
  int sinceMs_ = 0, intervalMs_ = 3000;
  std::int64_t drawnMs_ = -1;
  std::size_t drawnMarkers_ = 0;
};

}  // namespace kestrova
