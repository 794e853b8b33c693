#include "report/service_report.h"

#include <algorithm>
#include <cmath>

#include "settings/setting_pairs.h"
#include "tools/frame_meaning.h"
#include "tools/wall_time.h"
#include "values/leading_number.h"
#include "values/number_text.h"
#include "values/tr.h"

namespace kestrova {

namespace {

// Whether two numeric texts hold the same number ("25" and "25.0").
bool SameNumber(const std::string& a, const std::string& b) {
  if (a == b) return true;
  const auto x = ParseLeadingNumber(a), y = ParseLeadingNumber(b);
  return x && y && *x == *y;
}

std::optional<std::size_t> SettingIndex(const std::string& caption) {
  for (std::size_t i = 0; i < kSettingPairs.size(); ++i)
    if (kSettingPairs[i].caption == caption) return i;
  return std::nullopt;
}

// The temperature as the window shows it, and its unit: an open or short sensor has none.
ReportRow TemperatureRow(const std::string& quantity, Sensor sensor, double value) {
  if (sensor == Sensor::Open) return {quantity, Tr("RunData", "开路"), ""};
  if (sensor == Sensor::Short) return {quantity, Tr("RunData", "短路"), ""};
  return {quantity, DecimalText(value), "°C"};
}

// The fan fields carry one leading blank.
std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

std::vector<ReportRow> LampRows(const RunDataValues& values, std::size_t from, std::size_t to) {
  std::vector<ReportRow> rows;
  for (std::size_t i = from; i < to; ++i)
    if (Lamps()[i].Shown()) rows.push_back({Lamps()[i].Caption(), LampStateText(values.lamps[i])});
  return rows;
}

constexpr std::size_t kWorkLamps = 6;  // kInnerFanLamp..6; the alarms follow

}  // namespace

RunDataSnapshot SnapshotRunData(std::int64_t wallMs, const RunDataReadout& shown, std::int64_t commCounter) {
  RunDataSnapshot s;
  s.atMs = wallMs;
  s.values = shown.values;
  s.readBack = shown.readBacks;
  s.fans = {shown.innerFan, shown.outerFan};
  s.commCounter = commCounter;
  return s;
}

void SessionSettings::ProfileLoaded(const std::array<std::string, kSettings>& values) {
  for (std::size_t i = 0; i < kSettings; ++i) loaded_[i] = values[i];
}

void SessionSettings::WriteChecked(std::int64_t wallMs, const WriteCheckResult& result) {
  for (const CheckedValue& v : result.values) {
    if (auto i = SettingIndex(v.caption)) sent_[*i] = v.sent;
    writes_.push_back({wallMs, v});
  }
}

LineFigures LineFiguresOf(const LinkStatistics& stats, bool open, std::int64_t monoNowMs) {
  LineFigures f;
  f.open = open;
  f.connectedMs = open ? monoNowMs - stats.OpenedAtMs() : 0;
  f.requests = stats.Requests();
  f.goodResponses = stats.GoodResponses();
  f.checksumErrors = stats.ChecksumErrors();
  f.discardedBytes = stats.DiscardedBytes();
  f.recentResponses = stats.RecentResponses();
  f.recentErrors = stats.RecentErrors();
  return f;
}

std::int64_t TrendStartMs(std::int64_t newestMs) { return newestMs - kReportTrendMs; }

std::optional<std::string> ReportRefusal(const std::optional<RunDataSnapshot>& latest) {
  if (latest) return std::nullopt;
  return Tr("Report", "还没有运行数据，服务报告未生成：请打开串口，等控制板应答运行数据后再试。");
}

std::string ReportFileName(const std::string& model, int address, std::int64_t wallMs) {
  std::string name = model.empty() ? "board" : model;
  for (char& c : name)
    if (static_cast<unsigned char>(c) < 0x20 || std::string_view("/\\:*?\"<>| ").find(c) != std::string_view::npos)
      c = '_';
  return "kestrova-report-" + name + "-" + std::to_string(address) + "-" + FileTime(wallMs) + ".pdf";
}

std::string ReportTime(std::int64_t wallMs) {
  std::string iso = IsoTime(wallMs).substr(0, 19);  // "2024-05-01T14:03:27"
  iso[10] = ' ';
  return iso;
}

std::string DurationText(std::int64_t ms) {
  const std::int64_t s = ms / 1000;
  const auto two = [](std::int64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  if (s >= 3600) return Arg(Tr("Report", "%1 小时 %2 分 %3 秒"), {std::to_string(s / 3600), two(s / 60 % 60), two(s % 60)});
  if (s >= 60) return Arg(Tr("Report", "%1 分 %2 秒"), {std::to_string(s / 60), two(s % 60)});
  return Arg(Tr("Report", "%1 秒"), {std::to_string(s)});
}

std::vector<ReportRow> MeasurementRows(const RunDataSnapshot& latest) {
  const RunDataValues& v = latest.values;
  return {TemperatureRow(Tr("Report", "内温度"), v.innerSensor, v.innerTemp),
          TemperatureRow(Tr("Report", "外温度"), v.outerSensor, v.outerTemp),
          {Tr("Report", "控制温度"), DecimalText(v.controlTemp), "°C"},
          {Tr("Report", "实时电流"), DecimalText(v.moduleCurrent), "A"},
          {Tr("Report", "直流电压"), DecimalText(v.dcVoltage), "V"},
          {Tr("Report", "内风机当前转速"), Trimmed(latest.fans.inner), "r/min"},
          {Tr("Report", "外风机当前转速"), Trimmed(latest.fans.outer), "r/min"},
          {Tr("Report", "通信计数"), WholeText(latest.commCounter), ""}};
}

std::vector<ReportRow> WorkStateRows(const RunDataValues& values) { return LampRows(values, 0, kWorkLamps); }

std::vector<ReportRow> AlarmRows(const RunDataValues& values) {
  return LampRows(values, kWorkLamps, values.lamps.size());
}

std::vector<ReportRow> SettingRows(const ServiceReport& report) {
  std::vector<ReportRow> rows;
  for (std::size_t i = 0; i < kSettings; ++i) {
    const std::string& readBack = report.latest.readBack[i];
    const auto differing = [&](const std::optional<std::string>& value) {
      return value && !SameNumber(*value, readBack) ? *value : std::string();
    };
    rows.push_back({Tr("Settings", kSettingPairs[i].caption), readBack, std::string(kSettingPairs[i].unit),
                    differing(report.settings.Loaded()[i]), differing(report.settings.Sent()[i])});
  }
  return rows;
}

std::vector<ReportRow> WriteRows(const SessionSettings& settings) {
  std::vector<ReportRow> rows;
  for (const SessionWrite& w : settings.Writes())
    rows.push_back(
        {ReportTime(w.atMs), Tr("Settings", w.value.caption), w.value.sent, w.value.readBack,
         w.value.matches ? Tr("Report", "一致") : Tr("Report", "未生效")});
  return rows;
}

std::vector<ReportRow> EventRows(const std::vector<EventEntry>& events) {
  std::vector<ReportRow> rows;
  for (const EventEntry& e : events) rows.push_back({ReportTime(e.atMs), EventKindText(e.kind), e.text});
  return rows;
}

std::vector<ReportRow> LineRows(const LineFigures& line) {
  const auto n = [](std::int64_t v) { return WholeText(v); };
  return {{Tr("Report", "串口"), line.open ? Tr("Report", "已打开") : Tr("Report", "已关闭")},
          {Tr("Report", "连接时长"), line.open ? DurationText(line.connectedMs) : "—"},
          {Tr("Report", "请求帧"), n(line.requests)},
          {Tr("Report", "有效应答"), n(line.goodResponses)},
          {Tr("Report", "校验错"), n(line.checksumErrors)},
          {Tr("Report", "丢弃字节"), n(line.discardedBytes)},
          {Tr("Report", "最近应答中的校验错"), n(line.recentErrors) + " / " + n(line.recentResponses)}};
}

Axis NiceAxis(double low, double high) {
  if (!(high > low)) {
    low -= 1;
    high += 1;
  }
  const double magnitude = std::pow(10.0, std::floor(std::log10((high - low) / 5)));
  Axis axis{};
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    const double step = m * magnitude;
    axis = {std::floor(low / step) * step, std::ceil(high / step) * step, step};
    if ((axis.high - axis.low) / step <= 10.5) break;
  }
  return axis;
}

std::vector<TimeTick> TimeTicks(std::int64_t fromMs, std::int64_t toMs) {
  constexpr std::int64_t kSteps[] = {1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600};
  std::int64_t step = kSteps[std::size(kSteps) - 1] * 1000;
  for (std::int64_t s : kSteps)
    if ((toMs - fromMs) / (s * 1000) < 8) {
      step = s * 1000;
      break;
    }
  std::vector<TimeTick> ticks;
  for (std::int64_t at = (fromMs + step - 1) / step * step; at <= toMs; at += step)
    ticks.push_back({at, ClockTime(at).substr(0, step < 60000 ? 8 : 5)});
  return ticks;
}

std::vector<TrendPanel> TrendPanels(const std::vector<TrendPoint>& points) {
  std::vector<TrendPanel> panels{{Tr("Report", "温度 (°C)"), {kInnerTemp, kOuterTemp, kControlTemp}},
                                 {Tr("Report", "模块电流 (A)"), {kModuleCurrent}},
                                 {Tr("Report", "直流电压 (V)"), {kDcVoltage}},
                                 {Tr("Report", "风机转速 (r/min)"), {kInnerFan, kOuterFan}}};
  for (TrendPanel& panel : panels) {
    double low = INFINITY, high = -INFINITY;
    for (const TrendPoint& p : points)
      for (int q : panel.quantities)
        if (!std::isnan(p.value[static_cast<std::size_t>(q)])) {
          low = std::min(low, static_cast<double>(p.value[static_cast<std::size_t>(q)]));
          high = std::max(high, static_cast<double>(p.value[static_cast<std::size_t>(q)]));
        }
    const Axis axis = low <= high ? NiceAxis(low, high) : Axis{0, 1, 0.2};
    panel.low = axis.low;
    panel.high = axis.high;
    panel.step = axis.step;
  }
  return panels;
}

}  // namespace kestrova
