// The service report's content: the measured values, lamps and read-back settings exactly as
// the main window shows them for the worked run-data frame, what was loaded and sent beside
// them, the write checks, the line's figures and the file name.
#include "report/service_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>

#include "fakes/console_fixture.h"
#include "protocol/recording_sink.h"
#include "settings/setting_pairs.h"
#include "settings/settings_transmission.h"

namespace kestrova::testing {
namespace {

using Rows = std::vector<ReportRow>;

// The report's times are local: these tests read them in UTC.
[[maybe_unused]] const bool kUtc = (setenv("TZ", "UTC", 1), tzset(), true);

// The values of the snapshot taken beside a frame shown by the console on fake windows.
RunDataValues ShownValues(const Frame& frame) {
  ConsoleFixture console;
  console.Shown(frame);
  return SnapshotRunData(1000, console.form.runData.Shown, console.form.runData.commCounter).values;
}

TEST(ServiceReportContent, LampsInWords) {
  // The door switch alarm; the hidden lamps 18 and 19 never appear.
  const Rows alarms = AlarmRows(ShownValues(kWorked));
  ASSERT_EQ(alarms.size(), 14u);
  EXPECT_EQ(alarms[11], (ReportRow{"门禁", "告警"}));
  // Self-test, the total alarm and high temperature.
  const RunDataValues hot = ShownValues(Resealed(kWorked, {{21, 0x20}, {22, 0x01}, {23, 0x01}}));
  EXPECT_EQ(AlarmRows(hot)[6], (ReportRow{"高温告警", "告警"}));
  EXPECT_EQ(WorkStateRows(hot)[5], (ReportRow{"自检", "自检"}));
}

TEST(ServiceReportContent, SettingsBesideWhatWasLoadedAndSent) {
  const SettingPair& tempMax = kSettingPairs[11];  // 高温报警
  const SettingPair& highFan = kSettingPairs[8];   // 内风机高速转速
  // The board took 高温报警 50 but kept its inner fan at 3000 (0B B8) instead of 3010 (0B C2).
  const Frame answer = Resealed(kWorked, {{17, 90}});
  // The write check of a real transmission: the sent and read-back texts of every value.
  WriteCheck check;
  check.Start();
  for (const Frame& w : {*SettingWrite(1, tempMax, "50"), *SettingWrite(1, highFan, "3010")})
    check.Written(WrittenSetting(w));
  check.Finish();
  check.ReportRequested();
  ServiceReport report;
  RunDataCounters counters;
  report.latest = SnapshotRunData(0, ReadRunData(RingOf(answer), counters), 0);
  std::array<std::string, kSettings> profile = report.latest.readBack;
  profile[0] = "26";
  profile[11] = "55";
  report.settings.ProfileLoaded(profile);
  report.settings.WriteChecked(1700000000000, *check.Compare(RingOf(answer)));

  const Rows rows = SettingRows(report);
  EXPECT_EQ(rows[0], (ReportRow{"制冷开启温度", "25", "°C", "26", ""}));
  EXPECT_EQ(rows[8], (ReportRow{"内风机高速转速", "3000", "r/min", "", "3010"}));
  EXPECT_EQ(rows[11], (ReportRow{"高温报警", "50", "°C", "55", ""}));
  EXPECT_EQ(WriteRows(report.settings), (Rows{{"2023-11-14 22:13:20", "高温报警", "50", "50", "一致"},
                                              {"2023-11-14 22:13:20", "内风机高速转速", "3010", "3000", "未生效"}}));
}

TEST(ServiceReportContent, LineTimesAndFileName) {
  LinkStatistics stats;
  stats.Opened(1000);
  const std::uint8_t request[] = {0x05, 0x01, 0x0F, 0x00, 0x15};
  for (const std::int64_t at : {1200, 1400}) stats.Sent(request, at);
  EXPECT_EQ(LineRows(LineFiguresOf(stats, true, 1000 + 3725000)),
            (Rows{{"串口", "已打开"}, {"连接时长", "1 小时 02 分 05 秒"}, {"请求帧", "2"}, {"有效应答", "0"},
                  {"校验错", "0"}, {"丢弃字节", "0"}, {"最近应答中的校验错", "0 / 0"}}));
  EXPECT_EQ(DurationText(60000) + " / " + DurationText(3600999), "1 分 00 秒 / 1 小时 00 分 00 秒");

  EXPECT_EQ(ReportFileName("M1/P2 x", 12, 1700000000000), "kestrova-report-M1_P2_x-12-20231114-221320.pdf");
}

TEST(ServiceReportTrend, AxesHoldEveryValue) {
  // A sensor gap is no value; a steady voltage still gets a scale; a panel without any value
  // spans 0..1.
  const float gap = std::nanf("");
  std::vector<double> scales;
  for (const TrendPanel& panel : TrendPanels({{0, {25, gap, 24, 3.1f, 53.5f, 1500, 3000}},
                                              {1000, {48, gap, 30, 0.3f, 53.5f, 1600, 3100}}}))
    scales.insert(scales.end(), {panel.low, panel.high, panel.step});
  EXPECT_EQ(scales, (std::vector<double>{20, 50, 5, 0, 3.5, 0.5, 52.5, 54.5, 0.5, 1400, 3200, 200}));
  const TrendPanel empty = TrendPanels({})[1];
  EXPECT_EQ(std::vector<double>({empty.low, empty.high}), std::vector<double>({0, 1}));

  // Ticks at whole minutes for ten minutes, at whole seconds for five seconds, every full hour for a
  // working day.
  std::vector<std::string> labels;
  for (const TimeTick& t : TimeTicks(1700000000000, 1700000600000)) labels.push_back(t.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"22:14", "22:16", "22:18", "22:20", "22:22"}));
  EXPECT_EQ(TimeTicks(1700000000500, 1700000005400).back().label, "22:13:25");
  EXPECT_EQ(TimeTicks(1700000000000, 1700000300000).back().label, "22:18");  // a tick every minute
  EXPECT_EQ(TimeTicks(1700000000000, 1700000008000).size(), 5u);  // eight seconds: a tick every two
  EXPECT_EQ(TimeTicks(1700000000000, 1700000000000 + 10 * 3600'000).size(), 10u);
}

}  // namespace
}  // namespace kestrova::testing
