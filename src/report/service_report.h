#pragma once
// The service report of a visit: which board, what it measured, what its operating settings
// were and what was changed, which alarms came and went, how the temperatures ran and how the
// line behaved. Gathered from the console's stores as plain values and turned here into the
// rows the report prints; the page layout and the file belong to the window side.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/link_statistics.h"
#include "link/write_check.h"
#include "monitor/fan_speed.h"
#include "monitor/run_data.h"
#include "protocol/receive_ring.h"
#include "tools/event_log.h"
#include "tools/trend_store.h"

namespace kestrova {

inline constexpr std::size_t kSettings = 13;  // the operating settings, in kSettingPairs order

// The latest good run-data response as the main window showed it.
struct RunDataSnapshot {
  std::int64_t atMs = 0;  // wall clock
  RunDataValues values;
  std::array<std::string, kSettings> readBack;  // the read-back fields' texts
  FanSpeedTexts fans;                           // the averaged speeds the window shows
  std::int64_t commCounter = 0;
};

// The snapshot of the run data the main window was last written from, and its counter.
RunDataSnapshot SnapshotRunData(std::int64_t wallMs, const RunDataReadout& shown, std::int64_t commCounter);

// A setting written in this session and the board's answer to it.
struct SessionWrite {
  std::int64_t atMs;
  CheckedValue value;
};

// What happened to the operating settings in this session: the last profile loaded into the
// edit fields, and every value sent with its write check. The newest per setting wins.
class SessionSettings {
 public:
  void ProfileLoaded(const std::array<std::string, kSettings>& values);
  void WriteChecked(std::int64_t wallMs, const WriteCheckResult& result);

  // Per setting (kSettingPairs order): the value loaded from a profile, the value last sent.
  const std::array<std::optional<std::string>, kSettings>& Loaded() const { return loaded_; }
  const std::array<std::optional<std::string>, kSettings>& Sent() const { return sent_; }
  const std::vector<SessionWrite>& Writes() const { return writes_; }

 private:
  std::array<std::optional<std::string>, kSettings> loaded_, sent_;
  std::vector<SessionWrite> writes_;
};

// The line's counts at the time of the report.
struct LineFigures {
  bool open = false;
  std::int64_t connectedMs = 0;  // since the port was opened, 0 when closed
  std::int64_t requests = 0, goodResponses = 0, checksumErrors = 0, discardedBytes = 0;
  int recentResponses = 0, recentErrors = 0;
};
LineFigures LineFiguresOf(const LinkStatistics& stats, bool open, std::int64_t monoNowMs);

struct ServiceReport {
  // Header.
  std::string consoleVersion;
  std::int64_t createdAtMs = 0;
  std::string computer;
  std::string port;  // "/dev/ttyUSB0"
  int address = 1;
  std::string linkMode;              // "RS485", "RS422" or ""
  std::array<std::string, 4> board;  // model, PCB, software version, description
  RunDataSnapshot latest;
  SessionSettings settings;
  std::vector<EventEntry> events;
  std::vector<TrendPoint> trend;     // oldest first
  std::vector<TrendMarker> markers;  // within the trend's time
  LineFigures line;
};

// The time span of the trend plot: the last hour before the newest point, or the whole
// session when it is shorter. fromMs is where Points() starts.
inline constexpr std::int64_t kReportTrendMs = 3600 * 1000;
std::int64_t TrendStartMs(std::int64_t newestMs);

// Why no report can be written: nothing measured yet. The operator's words.
std::optional<std::string> ReportRefusal(const std::optional<RunDataSnapshot>& latest);

// "kestrova-report-<model>-<address>-<yyyyMMdd-hhmmss>.pdf"; characters a file name cannot
// hold become "_", an empty model is "board".
std::string ReportFileName(const std::string& model, int address, std::int64_t wallMs);

// "2024-05-01 14:03:27" in local time.
std::string ReportTime(std::int64_t wallMs);
// "1 小时 05 分 07 秒", "3 分 20 秒", "12 秒".
std::string DurationText(std::int64_t ms);

// A row of one of the report's tables; cells in the order of the table's columns.
using ReportRow = std::vector<std::string>;

// Quantity, value as the window shows it, unit: "内温度", "25.5", "°C" (an open sensor reads
// "开路" without a unit).
std::vector<ReportRow> MeasurementRows(const RunDataSnapshot& latest);
// Lamp caption and its state in words ("高温告警", "告警"): the work-state lamps, then the alarms.
std::vector<ReportRow> WorkStateRows(const RunDataValues& values);
std::vector<ReportRow> AlarmRows(const RunDataValues& values);
// Setting, read back, unit, loaded from a profile, sent in this session: the last two only
// where they differ from the read-back value.
std::vector<ReportRow> SettingRows(const ServiceReport& report);
// Time, setting, sent, read back, check ("一致" or "未生效").
std::vector<ReportRow> WriteRows(const SessionSettings& settings);
// Time, kind, event.
std::vector<ReportRow> EventRows(const std::vector<EventEntry>& events);
// Figure, value.
std::vector<ReportRow> LineRows(const LineFigures& line);

// One plot of the trend page: its quantities share the unit and the scale.
struct TrendPanel {
  std::string title;            // "温度 (°C)"
  std::vector<int> quantities;  // TrendQuantity
  double low = 0, high = 0, step = 0;  // the axis: from low to high, a tick every step
};
// The panels with axes that hold every value drawn (an empty panel spans 0..1).
std::vector<TrendPanel> TrendPanels(const std::vector<TrendPoint>& points);

// A scale from below low to above high with 4..10 ticks at 1, 2 or 5 times a power of ten.
struct Axis {
  double low, high, step;
};
Axis NiceAxis(double low, double high);

// The time axis of the trend: at most 8 ticks at whole seconds or minutes (1, 2, 5, 10, 15, 30
// of them, or hours) from fromMs to toMs, each with its label ("14:05", or "14:05:30" when the
// ticks are less than a minute apart).
struct TimeTick {
  std::int64_t atMs;
  std::string label;
};
std::vector<TimeTick> TimeTicks(std::int64_t fromMs, std::int64_t toMs);

}  // namespace kestrova
