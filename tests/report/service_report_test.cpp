// The service report's content: the measured values, lamps and read-back settings exactly as
// the main window shows them for the worked run-data frame, what was loaded and sent beside
// them, the write checks, the events, the line's figures, the file name and the trend's scales.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>

#include "fakes/console_fixture.h"
#include "protocol/recording_sink.h"
#include "report/service_report.h"
#include "settings/setting_pairs.h"
#include "settings/settings_transmission.h"

namespace kestrova::testing {
namespace {

using Rows = std::vector<ReportRow>;

// The report's times are local: the tests read them in UTC.
class ServiceReportInUtc : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* tz = std::getenv("TZ")) saved_ = tz;
    setenv("TZ", "UTC", 1);
    tzset();
  }
  void TearDown() override {
    if (saved_) setenv("TZ", saved_->c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }

 private:
  std::optional<std::string> saved_;
};

ReceiveRing RingOf(const Frame& f) {
  ReceiveRing ring;
  ring.Store(f);
  return ring;
}

// The worked frame shown by the console on fake windows, and the snapshot taken beside it.
struct Shown {
  ConsoleFixture console;
  RunDataSnapshot snapshot;
  explicit Shown(const Frame& frame) {
    console.Shown(frame);
    snapshot = SnapshotRunData(1000, RingOf(frame),
                               {console.main.Text(main_window::IntFanSpeed_Text),
                                console.main.Text(main_window::ExtFanSpeed_Text)},
                               console.form.RunData.CommCounter);
  }
};

TEST(ServiceReportContent, MeasurementsAndReadBackAreTheWindowsTexts) {
  Shown s(Hex(kRunDataHex));
  EXPECT_EQ(MeasurementRows(s.snapshot), (Rows{{"内温度", "25", "°C"},
                                               {"外温度", "开路", ""},
                                               {"控制温度", "25.5", "°C"},
                                               {"实时电流", "3.1", "A"},
                                               {"直流电压", "53.5", "V"},
                                               {"内风机当前转速", "1500", "r/min"},
                                               {"外风机当前转速", "3000", "r/min"},
                                               {"通信计数", "1", ""}}));
  for (std::size_t i = 0; i < kSettings; ++i)
    EXPECT_EQ(s.snapshot.readBack[i], s.console.main.Text(kSettingPairs[i].readBack)) << kSettingPairs[i].caption;
  // A shorted inner sensor and a 16-bit voltage.
  Shown shorted(Resealed(Hex(kRunDataHex), {{25, 255}, {29, 0x12}, {30, 0x34}}));
  const Rows rows = MeasurementRows(shorted.snapshot);
  EXPECT_EQ(rows[0], (ReportRow{"内温度", "短路", ""}));
  EXPECT_EQ(rows[4][1], shorted.console.main.Text(main_window::DCvoltage_Text));
}

TEST(ServiceReportContent, LampsInWords) {
  // Working: inner fan and cooling; alarms: the door switch, then high temperature and the
  // total alarm; the hidden lamps 18 and 19 never appear.
  Shown s(Hex(kRunDataHex));
  EXPECT_EQ(WorkStateRows(s.snapshot.values), (Rows{{"内风机状态", "工作"},
                                                    {"外风机状态", "灭"},
                                                    {"制冷状态", "工作"},
                                                    {"制热状态", "灭"},
                                                    {"排氢电机", "灭"},
                                                    {"自检", "灭"}}));
  Rows alarms = AlarmRows(s.snapshot.values);
  ASSERT_EQ(alarms.size(), 14u);
  EXPECT_EQ(alarms.front(), (ReportRow{"总告警", "灭"}));
  EXPECT_EQ(alarms[11], (ReportRow{"门禁", "告警"}));
  EXPECT_EQ(alarms.back(), (ReportRow{"开关量4", "灭"}));

  Shown hot(Resealed(Hex(kRunDataHex), {{21, 0x20}, {22, 0x01}, {23, 0x01}}));
  alarms = AlarmRows(hot.snapshot.values);
  EXPECT_EQ(alarms[0], (ReportRow{"总告警", "告警"}));
  EXPECT_EQ(alarms[6], (ReportRow{"高温告警", "告警"}));
  EXPECT_EQ(WorkStateRows(hot.snapshot.values)[5], (ReportRow{"自检", "自检"}));
}

// The write check of a real transmission: the sent and read-back texts of every value.
WriteCheckResult Checked(const std::vector<Frame>& writes, const Frame& report) {
  WriteCheck check;
  check.Start();
  for (const Frame& w : writes) check.Written(WrittenSetting(w));
  check.Finish();
  check.ReportRequested();
  return *check.Compare(RingOf(report));
}

TEST_F(ServiceReportInUtc, SettingsBesideWhatWasLoadedAndSent) {
  const SettingPair& tempMax = kSettingPairs[11];
  const SettingPair& highFan = kSettingPairs[8];
  ASSERT_EQ(tempMax.caption, "高温报警");
  ASSERT_EQ(highFan.caption, "内风机高速转速");
  // The board took 高温报警 50 but kept its inner fan at 3000 instead of 3200.
  const WriteCheckResult result = Checked({*SettingWrite(1, tempMax, "50"), *SettingWrite(1, highFan, "3200")},
                                          Resealed(Hex(kRunDataHex), {{17, 90}}));
  EXPECT_FALSE(result.matches);
  ASSERT_EQ(result.values.size(), 2u);

  ServiceReport report;
  report.latest = SnapshotRunData(0, RingOf(Resealed(Hex(kRunDataHex), {{17, 90}})), {}, 0);
  std::array<std::string, kSettings> profile;
  for (std::size_t i = 0; i < kSettings; ++i) profile[i] = report.latest.readBack[i];
  profile[0] = "25.0";  // the same number as read back
  profile[1] = "22";    // differs
  profile[11] = "55";
  report.settings.ProfileLoaded(profile);
  report.settings.WriteChecked(1700000000000, result);

  const Rows rows = SettingRows(report);
  ASSERT_EQ(rows.size(), kSettings);
  EXPECT_EQ(rows[0], (ReportRow{"制冷开启温度", "25", "°C", "", ""}));
  EXPECT_EQ(rows[1], (ReportRow{"制冷停止温度", "20", "°C", "22", ""}));
  EXPECT_EQ(rows[8], (ReportRow{"内风机高速转速", "3000", "r/min", "", "3200"}));
  EXPECT_EQ(rows[11], (ReportRow{"高温报警", "50", "°C", "55", ""}));
  EXPECT_EQ(rows[6], (ReportRow{"内风机每转脉冲", "2", "", "", ""}));

  EXPECT_EQ(WriteRows(report.settings), (Rows{{"2023-11-14 22:13:20", "高温报警", "50", "50", "一致"},
                                              {"2023-11-14 22:13:20", "内风机高速转速", "3200", "3000", "未生效"}}));
  // A later transmission: the newest sent value is the one beside the setting.
  report.settings.WriteChecked(1700000001000,
                               Checked({*SettingWrite(1, highFan, "3000")}, Resealed(Hex(kRunDataHex), {{17, 90}})));
  EXPECT_EQ(SettingRows(report)[8][4], "");
  EXPECT_EQ(WriteRows(report.settings).size(), 3u);
}

TEST_F(ServiceReportInUtc, EventsLineAndTimes) {
  const std::vector<EventEntry> events{{1700000000000, EventEntry::Kind::Alarm, "高温告警 告警"},
                                       {1700000065000, EventEntry::Kind::Link, "无应答"}};
  EXPECT_EQ(EventRows(events), (Rows{{"2023-11-14 22:13:20", "告警", "高温告警 告警"},
                                     {"2023-11-14 22:14:25", "通信", "无应答"}}));

  LinkStatistics stats;
  stats.Opened(1000);
  const std::uint8_t request[] = {0x05, 0x01, 0x0F, 0x00, 0x15};
  stats.Sent(request, 1200);
  stats.Sent(request, 1400);
  const LineFigures line = LineFiguresOf(stats, true, 1000 + 3725000);
  EXPECT_EQ(LineRows(line), (Rows{{"串口", "已打开"},
                                  {"连接时长", "1 小时 02 分 05 秒"},
                                  {"请求帧", "2"},
                                  {"有效应答", "0"},
                                  {"校验错", "0"},
                                  {"丢弃字节", "0"},
                                  {"最近应答中的校验错", "0 / 0"}}));
  EXPECT_EQ(LineRows(LineFiguresOf(stats, false, 5000))[1], (ReportRow{"连接时长", "—"}));
  EXPECT_EQ(DurationText(200999), "3 分 20 秒");
  EXPECT_EQ(DurationText(59999), "59 秒");
  EXPECT_EQ(DurationText(3600000), "1 小时 00 分 00 秒");

  EXPECT_EQ(ReportFileName("M1/P2 x", 12, 1700000000000), "kestrova-report-M1_P2_x-12-20231114-221320.pdf");
  EXPECT_EQ(ReportFileName("", 1, 1700000000000), "kestrova-report-board-1-20231114-221320.pdf");
  EXPECT_TRUE(ReportRefusal(std::nullopt).has_value());
  EXPECT_FALSE(ReportRefusal(RunDataSnapshot{}).has_value());
}

TEST(ServiceReportTrend, AxesHoldEveryValue) {
  // Rounded to millionths: the scale is made of powers of ten.
  const auto axis = [](double low, double high) {
    const Axis a = NiceAxis(low, high);
    std::vector<double> v{a.low, a.high, a.step};
    for (double& x : v) x = std::round(x * 1e6) / 1e6;
    return v;
  };
  EXPECT_EQ(axis(21.5, 48), (std::vector<double>{20, 50, 5}));
  EXPECT_EQ(axis(0.3, 3.1), (std::vector<double>{0, 3.5, 0.5}));
  EXPECT_EQ(axis(1500, 3000), (std::vector<double>{1400, 3000, 200}));
  EXPECT_EQ(axis(53.5, 53.5), (std::vector<double>{52.5, 54.5, 0.5}));
  EXPECT_EQ(axis(-12, -3), (std::vector<double>{-12, -3, 1}));

  const float gap = std::nanf("");
  const std::vector<TrendPoint> points{{0, {25, gap, 24, 3.1f, 53.5f, 1500, 3000}},
                                       {1000, {48, gap, 30, 0.3f, 53.5f, 1600, 3100}}};
  const std::vector<TrendPanel> panels = TrendPanels(points);
  ASSERT_EQ(panels.size(), 4u);
  EXPECT_EQ(panels[0].title, "温度 (°C)");
  EXPECT_EQ(panels[0].quantities, (std::vector<int>{kInnerTemp, kOuterTemp, kControlTemp}));
  EXPECT_EQ(std::vector<double>({panels[0].low, panels[0].high}), std::vector<double>({20, 50}));
  EXPECT_EQ(std::vector<double>({panels[3].low, panels[3].high}), std::vector<double>({1400, 3200}));
  const std::vector<TrendPanel> empty = TrendPanels({});
  EXPECT_EQ(std::vector<double>({empty[1].low, empty[1].high}), std::vector<double>({0, 1}));
}

}  // namespace
}  // namespace kestrova::testing
