#include "tools/trend_store.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "values/tr.h"

namespace kestrova {

namespace {

constexpr float kGap = std::numeric_limits<float>::quiet_NaN();

float SensorValue(Sensor sensor, double value) { return sensor == Sensor::Ok ? static_cast<float>(value) : kGap; }

}  // namespace

const std::array<const char*, kTrendQuantities>& TrendCaptions() {
  static const std::array<const char*, kTrendQuantities> captions{
      KTR_NOOP("Trend", "内温度"),   KTR_NOOP("Trend", "外温度"),     KTR_NOOP("Trend", "控制温度"),
      KTR_NOOP("Trend", "模块电流"), KTR_NOOP("Trend", "直流电压"),   KTR_NOOP("Trend", "内风机转速"),
      KTR_NOOP("Trend", "外风机转速")};
  return captions;
}

void TrendStore::Add(std::int64_t atMs, const RunDataValues& v) {
  full_.push_back({atMs,
                   {SensorValue(v.innerSensor, v.innerTemp), SensorValue(v.outerSensor, v.outerTemp),
                    static_cast<float>(v.controlTemp), static_cast<float>(v.moduleCurrent),
                    static_cast<float>(v.dcVoltage), static_cast<float>(v.innerFanSpeed),
                    static_cast<float>(v.outerFanSpeed)}});
  while (!full_.empty() && (full_.size() > kMaxFullPoints || full_.front().atMs < atMs - kFullMs)) {
    Fold(full_.front());
    full_.pop_front();
  }
  while (!buckets_.empty() && (buckets_.size() > kMaxBuckets || buckets_.front().lastMs < atMs - kKeepMs))
    buckets_.pop_front();
  while (!markers_.empty() && (markers_.size() > kMaxMarkers || markers_.front().atMs < atMs - kKeepMs))
    markers_.pop_front();
}

void TrendStore::Fold(const TrendPoint& p) {
  if (buckets_.empty() || p.atMs / kBucketMs != buckets_.back().firstMs / kBucketMs) {
    buckets_.push_back({p.atMs, p.atMs, p.value, p.value});
    return;
  }
  Bucket& b = buckets_.back();
  b.lastMs = p.atMs;
  for (int q = 0; q < kTrendQuantities; ++q) {
    const float x = p.value[q];
    if (std::isnan(x)) continue;
    if (std::isnan(b.low[q]) || x < b.low[q]) b.low[q] = x;
    if (std::isnan(b.high[q]) || x > b.high[q]) b.high[q] = x;
  }
}

void TrendStore::AddMarker(TrendMarker marker) {
  markers_.push_back(std::move(marker));
  if (markers_.size() > kMaxMarkers) markers_.pop_front();
}

std::vector<TrendPoint> TrendStore::Points(std::int64_t fromMs) const {
  std::vector<TrendPoint> points;
  for (const Bucket& b : buckets_) {
    if (b.lastMs < fromMs) continue;
    points.push_back({b.firstMs, b.low});
    if (b.lastMs != b.firstMs) points.push_back({b.lastMs, b.high});
  }
  for (const TrendPoint& p : full_)
    if (p.atMs >= fromMs) points.push_back(p);
  return points;
}

std::vector<TrendStretch> TrendLine(const std::vector<TrendPoint>& points, int quantity, std::int64_t fromMs,
                                    std::int64_t toMs, int columns) {
  std::vector<TrendStretch> line;
  const std::int64_t span = std::max<std::int64_t>(1, toMs - fromMs);
  const std::int64_t width = std::max(1, columns);
  // The column being gathered: its lowest and highest point.
  bool open = false;
  std::int64_t column = -1;
  std::pair<std::int64_t, float> low{}, high{};
  const auto flush = [&] {
    if (column < 0) return;
    TrendStretch& s = line.back();
    if (low.first == high.first) {
      s.push_back(low);
    } else {
      s.push_back(low.first < high.first ? low : high);
      s.push_back(low.first < high.first ? high : low);
    }
    column = -1;
  };
  for (const TrendPoint& p : points) {
    if (p.atMs < fromMs || p.atMs > toMs) continue;
    const float v = p.value[static_cast<std::size_t>(quantity)];
    if (std::isnan(v)) {
      flush();
      open = false;
      continue;
    }
    if (!open) {
      line.emplace_back();
      open = true;
    }
    const std::int64_t c = (p.atMs - fromMs) * width / span;
    if (c != column) {
      flush();
      column = c;
      low = high = {p.atMs, v};
    } else if (v < low.second) {
      low = {p.atMs, v};
    } else if (v > high.second) {
      high = {p.atMs, v};
    }
  }
  flush();
  return line;
}

}  // namespace kestrova
