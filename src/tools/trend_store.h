#pragma once
// The trend plots' store: one point per good run-data response. The last hour is kept at full
// resolution; older points, back to 24 hours, are folded into one-minute buckets that keep each
// quantity's lowest and highest value, so a day at one point a second stays small. A
// temperature sensor reported open or short is a gap (NaN), never a number.
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "monitor/run_data.h"

namespace kestrova {

enum TrendQuantity { kInnerTemp, kOuterTemp, kControlTemp, kModuleCurrent, kDcVoltage, kInnerFan, kOuterFan };
inline constexpr int kTrendQuantities = 7;

// "内温度", "外温度", "控制温度", "模块电流", "直流电压", "内风机转速", "外风机转速".
const std::array<const char*, kTrendQuantities>& TrendCaptions();

struct TrendPoint {
  std::int64_t atMs;
  std::array<float, kTrendQuantities> value;  // NaN: no value (sensor open or short)
};

// An alarm or work-state change, drawn as a marker.
struct TrendMarker {
  std::int64_t atMs;
  bool alarm;        // an alarm lamp; otherwise a work state
  std::string text;  // "高温告警 告警"
};

class TrendStore {
 public:
  static constexpr std::int64_t kFullMs = 3600 * 1000;       // full resolution
  static constexpr std::int64_t kKeepMs = 24 * 3600 * 1000;  // everything older is dropped
  static constexpr std::int64_t kBucketMs = 60 * 1000;
  // Bounds that hold whatever the rate of the points.
  static constexpr std::size_t kMaxFullPoints = 4 * 3600;
  static constexpr std::size_t kMaxBuckets = (kKeepMs - kFullMs) / kBucketMs + 2;
  static constexpr std::size_t kMaxMarkers = 5000;

  void Add(std::int64_t atMs, const RunDataValues& values);
  void AddMarker(TrendMarker marker);

  // The points from fromMs on, oldest first; a bucket gives two points, its lowest values at
  // its start and its highest at its end.
  std::vector<TrendPoint> Points(std::int64_t fromMs) const;
  const std::deque<TrendMarker>& Markers() const { return markers_; }
  std::size_t FullPoints() const { return full_.size(); }
  std::size_t Buckets() const { return buckets_.size(); }
  // Time of the newest point, or 0.
  std::int64_t NewestMs() const { return full_.empty() ? 0 : full_.back().atMs; }

 private:
  struct Bucket {
    std::int64_t firstMs, lastMs;
    std::array<float, kTrendQuantities> low, high;
  };
  void Fold(const TrendPoint& p);

  std::deque<TrendPoint> full_;
  std::deque<Bucket> buckets_;
  std::deque<TrendMarker> markers_;
};

// One unbroken stretch of a line: (time, value), oldest first.
using TrendStretch = std::vector<std::pair<std::int64_t, float>>;

// The line of one quantity over [fromMs, toMs] for a plot so many columns wide: split at every
// gap, and within a stretch each column keeps only its lowest and its highest point, in time
// order, so a spike survives and a day costs no more than the plot is wide.
std::vector<TrendStretch> TrendLine(const std::vector<TrendPoint>& points, int quantity, std::int64_t fromMs,
                                    std::int64_t toMs, int columns);

}  // namespace kestrova
