// The service tools' toolkit-free logic: what the traffic monitor says of every frame kind,
// the bound of the trend store, event transitions from crafted run data, the recording's rows and
// errors, and the setting profiles' checks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <regex>

#include "fakes/console_fixture.h"
#include "protocol/frames.h"
#include "protocol/recording_sink.h"
#include "settings/setting_pairs.h"
#include "tools/event_log.h"
#include "tools/frame_meaning.h"
#include "tools/recorder.h"
#include "tools/setting_profile.h"
#include "tools/traffic_log.h"
#include "tools/trend_store.h"
#include "tools/wall_time.h"

namespace kestrova::testing {
namespace {

LinkEvent In(Piece piece, const Frame& bytes) { return {LinkEvent::Direction::Received, piece, bytes, 0}; }
LinkEvent Out(const Frame& bytes) { return {LinkEvent::Direction::Sent, Piece::Echo, bytes, 0}; }

TEST(TrafficMonitor, SaysWhatEveryFrameKindMeans) {
  const std::pair<LinkEvent, const char*> cases[] = {
      {Out(ReadRequest(1, kRunData)), "读运行数据 地址 1"}, {Out(AddressReadRequest()), "读地址"},
      {Out(ReadRequest(3, kBoardInfo)), "读板信息 地址 3"}, {Out(ReadRequest(1, kFactoryData)), "读厂家数据 地址 1"},
      {Out(ParameterWrite(1, 12, 90)), "写参数 12 = 90（高温报警 50）"},
      {Out(ParameterWrite(1, kAddressCode, 7)), "写参数 28 = 7（设备地址）"},
      {Out(ParameterWrite(1, 5, 0x05, 0xDC)), "写参数 5 = 1500（内风机低速转速 1500）"},
      {Out(ParameterWrite(1, kSimTemperatureCode, 130)), "写参数 50 = 130（模拟温度 25）"},
      {In(Piece::Response, kWorked),
       "运行数据 内温度 25 外温度 开路 控制温度 25.5 电流 3.1 电压 53.5 内风机 1500 外风机 3000；内风机状态、制冷状态、门禁"},
      {In(Piece::Response, Resealed(Hex("06 00 0F 01 01 05 00"))), "地址应答 地址 5"},
      {In(Piece::Response, Resealed(Hex("06 01 0F 02 05 4D 31 2F 50 00 00"))), "板信息 地址 1 M1/P"},
      {In(Piece::Response, Hex("06 01 0F 03 0D 00 00 00 00 00 00 00 00 00 00 00 00 00")), "厂家数据 地址 1"},
      // An echo says what it repeats; the bytes the scan throws away say why.
      {In(Piece::Echo, ReadRequest(1, kRunData)), "回显 读运行数据 地址 1"}, {In(Piece::Noise, Hex("AA")), "噪声"},
      // Short or odd frames say what they are without reading past their end.
      {Out(ReadRequest(1, 7)), "读 7 地址 1"},                      {Out(Hex("05 01 0F 00")), "未知请求"},
      {Out(ParameterWrite(1, 16, 3)), "写参数 16 = 3（厂家设定）"}, {Out(ParameterWrite(1, 27, 3)), "写参数 27 = 3（厂家设定）"},
      {Out(ParameterWrite(1, 29, 3)), "写参数 29 = 3"},
      {In(Piece::Response, Hex("06 01 0F")), "应答"}, {In(Piece::Response, Hex("06 01 0F 00 16")), "运行数据（不全）"},
      {In(Piece::Response, Frame(kWorked.begin(), kWorked.end() - 1)), "运行数据（不全）"},
      {In(Piece::Response, Hex("06 01 0F 02 09 4D 31 33")), "板信息 地址 1 M1"},  // shorter than it says
      {In(Piece::Response, Hex("06 01 0F 02 04 1F 20 7E 7F 41 00")), "板信息 地址 1 ? ~?"}};
  for (const auto& [event, meaning] : cases) EXPECT_EQ(FrameMeaning(event), meaning) << HexText(event.bytes);
}

TEST(TrafficMonitor, BytesThrownAwayForOneReasonAreOneEntry) {
  TrafficLog log;
  log.Add(Out(ReadRequest(1, kRunData)), 1);
  for (int i = 0; i < 41; ++i) log.Add(In(Piece::Noise, {static_cast<std::uint8_t>(0x7A + i % 3)}), 2 + i);
  ASSERT_EQ(log.Size(), 2u);  // 41 bytes in one entry: see the sizes below
  EXPECT_EQ(HexText(std::span(log.At(1).bytes).first(3)) + " | " + FrameMeaning(log.At(1)), "7A 7B 7C | 噪声");
  EXPECT_EQ(log.At(1).atMs, 2);  // the time of the first byte

  // Another reason, a frame between, or a full entry start a new one; a whole frame never merges.
  log.Add(In(Piece::Noise, Hex("7D")), 50);
  for (const LinkEvent& twice :
       {In(Piece::ForeignAddress, Hex("06")), In(Piece::BadChecksum, kWorked), Out(ReadRequest(1, kRunData))})
    for (int i = 0; i < 2; ++i) log.Add(twice, 51 + i);
  for (std::size_t i = 0; i < TrafficLog::kMaxRun + 1; ++i) log.Add(In(Piece::Noise, Hex("00")), 60);
  std::vector<std::size_t> sizes;
  for (std::size_t i = 1; i < log.Size(); ++i) sizes.push_back(log.At(i).bytes.size());
  EXPECT_EQ(sizes, (std::vector<std::size_t>{42, 2, 36, 36, 5, 5, TrafficLog::kMaxRun, 1}));
}

TEST(TrendStore, ADayAtOnePointASecondStaysBoundedAndKeepsGapsAndExtremes) {
  TrendStore store;
  RunDataValues v = DecodeRunData(RingOf(kWorked));  // outer sensor open
  const std::int64_t day = 24 * 3600;
  for (std::int64_t s = 0; s <= day + 600; ++s) {
    v.innerTemp = s % 60 == 30 ? 40 : s % 60 == 50 ? 10 : 20;  // a spike and a dip a minute
    store.Add(s * 1000, v);
  }
  EXPECT_LE(store.FullPoints(), 3601u);
  EXPECT_LE(store.Buckets(), TrendStore::kMaxBuckets);
  EXPECT_GE(store.Buckets(), TrendStore::kMaxBuckets - 3);

  const auto all = store.Points(0);
  EXPECT_GE(all.front().atMs, 600 * 1000);  // older than a day is gone
  EXPECT_TRUE(std::isnan(all.front().value[kOuterTemp]));
  EXPECT_FLOAT_EQ(all.front().value[kInnerTemp], 10);  // a bucket's low at its start ...
  EXPECT_FLOAT_EQ(all[1].value[kInnerTemp], 40);       // ... and its high at its end
  EXPECT_FLOAT_EQ(all.back().value[kDcVoltage], 53.5f);

  EXPECT_EQ(store.Points(day * 1000).size(), 601u);  // the last ten minutes at full resolution
  for (int i = 0; i < 6000; ++i) store.AddMarker({day * 1000, true, "高温告警 告警"});
  EXPECT_EQ(store.Markers().size(), TrendStore::kMaxMarkers);
}

TEST(TrendStore, ALineBreaksAtEveryGapAndKeepsEachColumnsExtremesInTimeOrder) {
  const float gap = std::nanf("");
  std::vector<TrendPoint> points;
  for (float v : {1.f, 5.f, 2.f, gap, 3.f, gap, gap, 4.f, 0.f, 9.f, 7.f}) {
    TrendPoint p{static_cast<std::int64_t>(points.size()) * 10, {}};
    p.value[kControlTemp] = v;
    points.push_back(p);
  }
  // Columns of 40 ms: [0,40) [40,80) [80,120]; the 2 lies between the 1 and the 5 and is dropped.
  using S = TrendStretch;
  EXPECT_EQ(TrendLine(points, kControlTemp, 0, 120, 3),
            (std::vector<S>{{{0, 1.f}, {10, 5.f}}, {{40, 3.f}}, {{70, 4.f}, {80, 0.f}, {90, 9.f}}}));
  EXPECT_EQ(TrendLine(points, kControlTemp, 75, 95, 100), (std::vector<S>{{{80, 0.f}, {90, 9.f}}}));
}

// The wall-clock texts, in a fixed time zone: one before 1970 borrows from the second before.
// (The clock and file-name texts are checked by the service report's.)
TEST(WallTime, LocalTimeWithMillisecondsAndOffset) {
  setenv("TZ", "CST-8", 1);
  tzset();
  EXPECT_EQ(IsoTime(1714572207125), "2024-05-01T22:03:27.125+08:00");  // 14:03:27.125 UTC
  EXPECT_EQ(ClockTime(-1), "07:59:59.999");
  setenv("TZ", "UTC", 1);  // the zone the report tests of this program read their times in
  tzset();
}

TEST(EventLog, LampTransitionsFromSuccessiveRunData) {
  EventLog log;
  std::vector<std::string> seen;
  log.Added = [&](const EventEntry& e) { seen.push_back(std::string(EventKindText(e.kind)) + " " + e.text); };
  log.RunData(1, DecodeRunData(RingOf(kWorked)));
  EXPECT_EQ(seen, (std::vector<std::string>{"工作状态 内风机状态 工作", "工作状态 制冷状态 工作", "告警 门禁 告警"}));

  seen.clear();
  log.RunData(2, DecodeRunData(RingOf(kWorked)));
  EXPECT_TRUE(seen.empty());

  // Cooling stops, self-test starts; current low limit alarm; inner fan alarm raised by the second
  // alarm byte; door closed.
  log.RunData(3, DecodeRunData(RingOf(Resealed(kWorked, {{21, 0x21}, {22, 0x40}, {23, 0x10}, {24, 0x00}}))));
  EXPECT_EQ(seen, (std::vector<std::string>{"工作状态 制冷状态 停止", "工作状态 自检 自检", "告警 内风机告警 告警",
                                            "告警 电流低限告警 告警", "告警 门禁 解除"}));
}

TEST(EventLog, LinkEventsAndCsv) {
  EventLog log;
  LinkStatistics stats;
  stats.Opened(0);
  log.LinkTick(100, true, stats, 0);
  stats.Sent(ReadRequest(1, kRunData), 10);
  log.LinkTick(200, true, stats, 3000);  // not yet silent for more than 3 s
  log.LinkTick(300, true, stats, 3001);
  const ReceiveRing ring = RingOf(kWorked);
  for (Piece piece : {Piece::Response, Piece::BadChecksum, Piece::BadChecksum}) stats.Received(ring, 36, piece, 3100);
  log.LinkTick(400, true, stats, 3200);
  log.LinkTick(450, true, stats, 3300);
  stats.Received(ring, 36, Piece::BadChecksum, 6000);  // then only corrupted answers
  log.LinkTick(460, true, stats, 6200);
  log.PortLost(500, "/dev/ttyUSB0（串口已断开）");
  log.LinkTick(500, false, stats, 6300);
  stats.Opened(6400);
  log.LinkTick(600, true, stats, 6400);
  log.LinkTick(700, false, stats, 6500);

  std::vector<std::string> texts;
  for (std::size_t i = 0; i < log.Size(); ++i) texts.push_back(log.At(i).text);
  EXPECT_EQ(texts, (std::vector<std::string>{"串口已打开", "无应答", "校验错 2 帧", "通信恢复", "校验错 1 帧",
                                             "通信干扰：应答均校验错误", "串口已断开：/dev/ttyUSB0（串口已断开）",
                                             "串口已打开", "串口已关闭"}));
  EXPECT_EQ(log.At(1).atMs, 300) << "no reply only after more than 3 s";
  const std::string csv = log.Csv();
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")), "时间,类别,事件");
  EXPECT_NE(csv.find(",通信,串口已打开\r\n"), std::string::npos);
  EXPECT_EQ(CsvField("a,\"b\""), "\"a,\"\"b\"\"\"");
}

TEST(Recording, HeaderAndRowsAsTheWindowShowsThem) {
  ConsoleFixture c;
  c.Shown(kWorked);
  const std::string path = ::testing::TempDir() + "kestrova-recording-test.csv";
  Recorder rec;
  ASSERT_EQ(rec.Start(path), std::nullopt);
  ASSERT_EQ(rec.Row(0, c.form.runData.Shown), std::nullopt);
  ASSERT_EQ(rec.Row(1000, c.form.runData.Shown), std::nullopt);

  std::ifstream in(path, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  ASSERT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
  std::vector<std::string> lines;
  for (std::size_t at = 3, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].substr(0, lines[0].find(",制冷开启温度")),
            "时间,内温度(°C),外温度(°C),控制温度(°C),实时电流(A),直流电压(V),内风机转速(r/min),外风机转速(r/min),通信计数");
  const std::string row = lines[1].substr(lines[1].find(','));
  EXPECT_EQ(row,
            ",25,开路,25.5,3.1,53.5,1500,3000,1,25,20,-10,-5,0.5,8,2,1500,3000,2,3000,45,-10,"
            "工作,灭,工作,灭,灭,灭,灭,灭,灭,灭,灭,灭,灭,灭,灭,灭,灭,告警,灭,灭");
  EXPECT_TRUE(std::regex_match(lines[2].substr(0, lines[2].find(',')),
                               std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:01\.000[+-]\d\d:\d\d)")));
  std::remove(path.c_str());
}

TEST(Recording, AWriteErrorStopsAndSaysWhy) {
  const RunDataReadout main;
  Recorder full;
  EXPECT_EQ(full.Start("/dev/full"), "记录已停止：磁盘已满");
  EXPECT_EQ(full.Row(0, main), std::nullopt);  // nothing more is written
  EXPECT_EQ(Recorder().Start("/nonexistent-folder/x.csv"), "无法创建记录文件（文件或文件夹不存在）");

  const std::string path = ::testing::TempDir() + "kestrova-removed.csv";
  Recorder removed;
  ASSERT_EQ(removed.Start(path), std::nullopt);
  std::remove(path.c_str());
  EXPECT_EQ(removed.Row(0, main), "记录已停止：记录文件已被删除或移走");
  EXPECT_FALSE(removed.Active());
}

TEST(SettingProfile, TakenCheckedAndLoadedIntoTheEditFieldsOnly) {
  ConsoleFixture c;
  c.Shown(kWorked);
  SettingProfile p = ProfileFromWindow(c.main, c.form.runData.Shown, "2024-05-01");  // read-backs: edits empty
  EXPECT_EQ(p.values[11] + " " + p.date, "45 2024-05-01");
  EXPECT_EQ(ProfileRefusal(ProfileFromWindow(c.main, {}, "")), "制冷开启温度 没有值");  // no run data yet

  for (const SettingPair& pair : kSettingPairs) c.main.SetText(pair.edit, c.main.Text(pair.readBack));
  c.main.SetText(main_window::kSetHighTempAlarm, "50");
  p = ProfileFromWindow(c.main, c.form.runData.Shown, "2024-05-01");
  EXPECT_EQ(p.values[11], "50");  // all thirteen edit fields filled: they are taken

  p.values[11] = "55";  // loaded into the edit fields, marked where they differ from the board
  LoadProfile(p, c.main);
  EXPECT_EQ(c.main.Text(main_window::kSetHighTempAlarm), "55");
  EXPECT_TRUE(c.main.Flag(main_window::kSetHighTempAlarm, kDiffers));

  p.values[11] = "90";  // outside the edit field's range, but the board takes it
  EXPECT_EQ(ProfileRefusal(p), std::nullopt);
  p.values[7] = "65536";
  EXPECT_EQ(ProfileRefusal(p), "内风机低速转速 的值 65536 超出范围 0…65535");
  p.values[4] = "25.6";  // tenths of an ampere on the wire: the range in amperes
  EXPECT_EQ(ProfileRefusal(p), "电流低限 的值 25.6 超出范围 0…25.5");
}

}  // namespace
}  // namespace kestrova::testing
