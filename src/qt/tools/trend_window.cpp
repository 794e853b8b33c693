#include "qt/tools/trend_window.h"

#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>
#include <cmath>

#include "qt/text.h"
#include "values/tr.h"

namespace kestrova {

namespace {

constexpr std::int64_t kRanges[] = {10 * 60 * 1000, 3600 * 1000, 24 * 3600 * 1000};
const QColor kColours[kTrendQuantities] = {QColor(0xd0, 0x30, 0x30), QColor(0x20, 0x60, 0xd0), QColor(0xe0, 0x90, 0x10),
                                           QColor(0x10, 0x90, 0x40), QColor(0x80, 0x30, 0xb0), QColor(0x40, 0x40, 0x40),
                                           QColor(0x10, 0xa0, 0xb0)};
const char* const kUnits[kTrendQuantities] = {"°C", "°C", "°C", "A", "V", "r/min", "r/min"};
// Lines that share an axis and may lie on one another (two equal temperatures, two fans at one
// speed) differ in their dash.
const Qt::PenStyle kDashes[kTrendQuantities] = {Qt::SolidLine, Qt::DashLine,  Qt::DotLine, Qt::SolidLine,
                                                Qt::SolidLine, Qt::SolidLine, Qt::DashLine};
enum Axis { kCelsius, kAmperes, kVolts, kRpm };
Axis AxisOf(int q) {
  switch (q) {
    case kModuleCurrent: return kAmperes;
    case kDcVoltage: return kVolts;
    case kInnerFan:
    case kOuterFan: return kRpm;
    default: return kCelsius;
  }
}
// Each axis moves in steps of its own size, so it is laid out again only when the values cross one.
constexpr double kSteps[] = {5, 1, 10, 500};

// A new range makes the chart lay its axis out again; the same range is left alone. The ticks
// fall on round values, multiples of the axis's step (times 1, 2, 5, 10, ...) from zero, at most
// six intervals apart: 20, 25, 30 °C rather than 21.25, 27.5.
void SetRange(QValueAxis& axis, double min, double max, double step) {
  if (axis.min() != min || axis.max() != max) axis.setRange(min, max);
  double interval = step;
  for (const double times : {2.0, 5.0, 10.0, 20.0, 50.0, 100.0}) {
    if ((max - min) / interval <= 6) break;
    interval = step * times;
  }
  if (axis.tickInterval() != interval) axis.setTickInterval(interval);
}

}  // namespace

qsizetype NearestMarker(const QList<QPointF>& points, qreal x) {
  qsizetype nearest = -1;
  for (qsizetype i = 0; i < points.size(); ++i)
    if (nearest < 0 || std::abs(points[i].x() - x) < std::abs(points[nearest].x() - x)) nearest = i;
  return nearest;
}

void TrendView::wheelEvent(QWheelEvent* event) {
  const qreal factor = event->angleDelta().y() > 0 ? 0.8 : 1.25;
  const QRectF area = chart()->plotArea();
  const qreal x = event->position().x();
  QRectF zoomed(x - (x - area.left()) * factor, area.top(), area.width() * factor, area.height());
  chart()->zoomIn(zoomed);
  emit moved();
  event->accept();
}

void TrendView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    panning_ = true;
    last_ = event->position();
    event->accept();
    return;
  }
  QChartView::mousePressEvent(event);
}

void TrendView::mouseMoveEvent(QMouseEvent* event) {
  if (panning_) {
    chart()->scroll(last_.x() - event->position().x(), 0);
    last_ = event->position();
    emit moved();
    event->accept();
    return;
  }
  QChartView::mouseMoveEvent(event);
}

void TrendView::mouseReleaseEvent(QMouseEvent* event) {
  if (panning_ && event->button() == Qt::RightButton) {
    panning_ = false;
    event->accept();
    return;
  }
  QChartView::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit moved();
}

void TrendView::keyPressEvent(QKeyEvent* event) {
  const qreal step = chart()->plotArea().width() / 10;
  switch (event->key()) {
    case Qt::Key_Left: chart()->scroll(-step, 0); break;
    case Qt::Key_Right: chart()->scroll(step, 0); break;
    case Qt::Key_Plus: chart()->zoom(1.25); break;
    case Qt::Key_Minus: chart()->zoom(0.8); break;
    default: QChartView::keyPressEvent(event); return;
  }
  emit moved();
}

TrendWindow::TrendWindow(const TrendStore& store, QWidget* parent) : QWidget(parent, Qt::Window), store_(store) {
  setObjectName(QStringLiteral("Trend_Form"));
  setWindowTitle(UiText("TrendWindow", "趋势图"));
  resize(960, 560);

  chart_ = new QChart;
  chart_->setMargins(QMargins(4, 4, 4, 4));
  chart_->legend()->setAlignment(Qt::AlignBottom);
  time_ = new QDateTimeAxis;
  time_->setFormat(QStringLiteral("HH:mm:ss"));
  time_->setTickCount(7);
  chart_->addAxis(time_, Qt::AlignBottom);
  const char* const titles[] = {"°C", "A", "V", "r/min"};
  for (int a = 0; a < 4; ++a) {
    axes_[a] = new QValueAxis;
    axes_[a]->setTitleText(QString::fromUtf8(titles[a]));
    axes_[a]->setLabelFormat(QStringLiteral("%g"));
    axes_[a]->setTickType(QValueAxis::TicksDynamic);
    axes_[a]->setTickAnchor(0);
    axes_[a]->setGridLineVisible(a == kCelsius);
    chart_->addAxis(axes_[a], a == kCelsius || a == kAmperes ? Qt::AlignLeft : Qt::AlignRight);
  }
  // Hairline pens: drawn directly rather than stroked as outlines.
  for (QAbstractAxis* axis : std::initializer_list<QAbstractAxis*>{time_, axes_[0], axes_[1], axes_[2], axes_[3]}) {
    QPen grid = axis->gridLinePen();
    grid.setWidth(0);
    axis->setGridLinePen(grid);
    QPen line = axis->linePen();
    line.setWidth(0);
    axis->setLinePen(line);
  }
  for (int q = 0; q < kTrendQuantities; ++q) Segment(q, 0);

  alarms_ = new QScatterSeries;
  alarms_->setName(UiText("TrendWindow", "告警变化"));
  alarms_->setColor(QColor(0xd0, 0x10, 0x10));
  alarms_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
  alarms_->setMarkerSize(9);
  states_ = new QScatterSeries;
  states_->setName(UiText("TrendWindow", "工作状态变化"));
  states_->setColor(QColor(0x10, 0x60, 0xd0));
  states_->setMarkerSize(8);
  for (QScatterSeries* s : {alarms_, states_}) {
    chart_->addSeries(s);
    s->attachAxis(time_);
    s->attachAxis(axes_[kCelsius]);
  }
  auto tip = [this](QScatterSeries* s, const std::vector<QString>& texts) {
    // The hovered position comes back from the pixels: the marker nearest in time is meant.
    connect(s, &QScatterSeries::hovered, this, [this, s, &texts](const QPointF& p, bool on) {
      const qsizetype i = on ? NearestMarker(s->points(), p.x()) : -1;
      if (i < 0 || i >= static_cast<qsizetype>(texts.size())) return QToolTip::hideText();
      const qint64 at = static_cast<qint64>(s->points()[i].x());
      QToolTip::showText(QCursor::pos(),
                         QDateTime::fromMSecsSinceEpoch(at).toString(QStringLiteral("HH:mm:ss ")) + texts[static_cast<std::size_t>(i)],
                         view_);
    });
  };
  tip(alarms_, alarmTexts_);
  tip(states_, stateTexts_);

  view_ = new TrendView(chart_, this);
  view_->setObjectName(QStringLiteral("TrendChart"));
  view_->setRenderHint(QPainter::Antialiasing, false);
  view_->setRubberBand(QChartView::HorizontalRubberBand);
  view_->setFocusPolicy(Qt::StrongFocus);
  connect(view_, &TrendView::moved, this, [this] { follow_ = false; });

  range_ = new QComboBox(this);
  range_->setObjectName(QStringLiteral("TrendRange"));
  range_->addItems({UiText("TrendWindow", "最近 10 分钟"), UiText("TrendWindow", "最近 1 小时"), UiText("TrendWindow", "最近 24 小时")});
  connect(range_, &QComboBox::currentIndexChanged, this, [this] {
    follow_ = true;
    Refresh();
  });
  auto* latest = new QPushButton(UiText("TrendWindow", "回到最新"), this);
  latest->setObjectName(QStringLiteral("TrendLatest"));
  connect(latest, &QPushButton::clicked, this, [this] {
    follow_ = true;
    Refresh();
  });
  auto* hint = new QLabel(UiText("TrendWindow", "滚轮或拖选缩放，右键拖动平移"), this);
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(UiText("TrendWindow", "时间范围"), this));
  top->addWidget(range_);
  top->addWidget(latest);
  top->addStretch(1);
  top->addWidget(hint);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(view_, 1);

}

void TrendWindow::Beat(int ms) {
  if (!isVisible() || (sinceMs_ += ms) < intervalMs_) return;
  if (store_.NewestMs() == drawnMs_ && store_.Markers().size() == drawnMarkers_) return;
  Refresh();
}

QLineSeries* TrendWindow::Segment(int q, std::size_t n) {
  auto& list = segments_[static_cast<std::size_t>(q)];
  while (list.size() <= n) {
    auto* s = new QLineSeries;
    s->setName(QStringLiteral("%1(%2)").arg(UiText("Trend", TrendCaptions()[static_cast<std::size_t>(q)]),
                                           QString::fromUtf8(kUnits[q])));
    s->setPen(QPen(kColours[q], 0, kDashes[q]));
    chart_->addSeries(s);
    s->attachAxis(time_);
    s->attachAxis(axes_[AxisOf(q)]);
    // Only the first piece of each quantity has an entry in the legend.
    if (!list.empty())
      for (QLegendMarker* m : chart_->legend()->markers(s)) m->setVisible(false);
    list.push_back(s);
  }
  return list[n];
}

std::int64_t TrendWindow::RangeMs() const { return kRanges[std::max(0, range_->currentIndex())]; }

void TrendWindow::SelectRange(int index) { range_->setCurrentIndex(index); }

void TrendWindow::Refresh() {
  // Four pixels of a wide plot in the 10-minute view.
  intervalMs_ = static_cast<int>(std::max<std::int64_t>(3000, RangeMs() / 200));
  sinceMs_ = 0;
  drawnMs_ = store_.NewestMs();
  drawnMarkers_ = store_.Markers().size();
  // The right edge advances in twentieths of the range (30 s in the 10-minute view), so the time
  // axis and its labels are laid out again only then.
  const std::int64_t step = RangeMs() / 20;
  const std::int64_t now = std::max<std::int64_t>(store_.NewestMs(), QDateTime::currentMSecsSinceEpoch());
  const std::int64_t end = (now / step + 1) * step;
  const std::int64_t from = end - RangeMs();
  const std::vector<TrendPoint> points = store_.Points(from);
  const int columns = std::max(100, static_cast<int>(chart_->plotArea().width()));

  std::array<double, 4> low, high;
  low.fill(1e9);
  high.fill(-1e9);
  for (int q = 0; q < kTrendQuantities; ++q) {
    // One series per unbroken stretch; the pool keeps the series, each refresh replaces their points.
    const std::vector<TrendStretch> line = TrendLine(points, q, from, end, columns);
    auto& pool = segments_[static_cast<std::size_t>(q)];
    for (std::size_t n = 0; n < line.size(); ++n) {
      QList<QPointF> stretch;
      stretch.reserve(static_cast<qsizetype>(line[n].size()));
      for (const auto& [atMs, v] : line[n]) {
        stretch.append(QPointF(static_cast<qreal>(atMs), v));
        low[AxisOf(q)] = std::min<double>(low[AxisOf(q)], v);
        high[AxisOf(q)] = std::max<double>(high[AxisOf(q)], v);
      }
      Segment(q, n)->replace(stretch);
    }
    for (std::size_t n = line.size(); n < pool.size(); ++n)
      if (pool[n]->count() > 0) pool[n]->clear();
  }
  for (int a = 0; a < 4; ++a) {
    const double step = kSteps[a];
    if (low[a] > high[a]) low[a] = 0, high[a] = step * 4;
    // Current, voltage and speed from zero; temperatures around their values, room above for markers.
    const double pad = std::max(step / 5, (high[a] - low[a]) * 0.08);
    const double bottom = a == kCelsius ? std::floor((low[a] - pad) / step) * step : 0;
    SetRange(*axes_[a], bottom, std::max(bottom + step, std::ceil((high[a] + pad * 2) / step) * step), step);
  }

  QList<QPointF> alarmPoints, statePoints;
  alarmTexts_.clear();
  stateTexts_.clear();
  const QValueAxis& celsius = *axes_[kCelsius];
  const double markerY = celsius.max() - (celsius.max() - celsius.min()) * 0.03;
  for (const TrendMarker& m : store_.Markers()) {
    if (m.atMs < from) continue;
    (m.alarm ? alarmPoints : statePoints).append(QPointF(static_cast<qreal>(m.atMs), markerY));
    (m.alarm ? alarmTexts_ : stateTexts_).push_back(QString::fromStdString(m.text));
  }
  alarms_->replace(alarmPoints);
  states_->replace(statePoints);

  if (follow_) {
    const QString format = RangeMs() > 3600 * 1000 ? QStringLiteral("MM-dd HH:mm") : QStringLiteral("HH:mm:ss");
    if (time_->format() != format) time_->setFormat(format);
    if (time_->min().toMSecsSinceEpoch() != from || time_->max().toMSecsSinceEpoch() != end)
      time_->setRange(QDateTime::fromMSecsSinceEpoch(from), QDateTime::fromMSecsSinceEpoch(end));
  }
}

void TrendWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Refresh();
}

}  // namespace kestrova
