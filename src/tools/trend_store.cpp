#include "tools/trend_store.h"

#include <cmath>
#include <limits>

namespace kestrova {

namespace {

constexpr float kGap = std::numeric_limits<float>::quiet_NaN();

float SensorValue(Sensor sensor, double value) { return sensor == Sensor::Ok ? static_cast<float>(value) : kGap; }

}  // namespace

const std::array<const char*, kTrendQuantities>& TrendCaptions() {
  static const std::array<const char*, kTrendQuantities> captions{"内温度",   "外温度",     "控制温度",  "模块电流",
                                                                  "直流电压", "内风机转速", "外风机转速"};
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

void TrendStore::Clear() {
  full_.clear();
  buckets_.clear();
  markers_.clear();
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

}  // namespace kestrova
