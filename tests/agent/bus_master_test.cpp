// The bus master on a fake line: who is asked when, what silence means, how writes are judged.
#include <gtest/gtest.h>

#include "agent/core/bus_master.h"
#include "agent/core/json.h"
#include "agent/frames.h"

namespace kestrova::agent {
namespace {

using testing::BoardInfoFrame;
using testing::RunDataFrame;
using testing::RunDataWith;

struct Recorder : BusEvents {
  std::vector<std::string> log;
  std::vector<std::string> results;  // "<setting> <sent>/<read back> <ok or reason>"
  void Availability(int a, bool online) override { log.push_back(std::to_string(a) + (online ? " online" : " offline")); }
  void Info(int a, const BoardInfo& info) override { log.push_back(std::to_string(a) + " info " + info.model); }
  void State(int a, const BoardState& s) override {
    log.push_back(std::to_string(a) + " state " + std::to_string(static_cast<int>(s.settings[0])));
  }
  void Result(int, const WriteResult& r) override {
    const auto shown = [](std::optional<double> v) { return v ? JsonNumber(*v) : std::string("-"); };
    results.push_back(r.setting + " " + shown(r.sent) + "/" + shown(r.readBack) + " " + (r.ok ? "ok" : r.reason));
  }
};

constexpr std::int64_t kInterval = 5000;

struct BusTest : ::testing::Test {
  Recorder events;
  BusMaster bus{{1, 2, 3}, kInterval, events, 0};

  // Next request as "R<addr>/<subtype>", "W<addr>" or "-".
  std::string Ask(std::int64_t now) {
    const Request r = bus.Next(now);
    if (r.kind == Request::Kind::None) return "-";
    if (r.kind == Request::Kind::Write) return "W" + std::to_string(r.address);
    return "R" + std::to_string(r.address) + "/" + std::to_string(r.subtype);
  }
  // Brings board 1 online with its information known, at time now.
  void Online1(std::int64_t now) {
    ASSERT_EQ(Ask(now), "R1/0");
    bus.Answered(RunDataFrame(1), now);
    ASSERT_EQ(Ask(now), "R1/2");
    bus.Answered(BoardInfoFrame(), now);
  }
};

// Board information that fails is asked again after the next good run data, and never once known.
TEST_F(BusTest, FirstAnswerBringsTheBoardOnlineAndAsksItsInformation) {
  EXPECT_EQ(Ask(0), "R1/0");
  bus.Answered(RunDataFrame(1), 60);
  EXPECT_EQ(events.log, (std::vector<std::string>{"1 online", "1 state 25"}));
  EXPECT_EQ(Ask(60), "R1/2");
  bus.NoAnswer(460);
  EXPECT_TRUE(bus.Online(1));
  for (const char* board : {"R2/0", "R3/0"}) {
    EXPECT_EQ(Ask(460), board);
    bus.NoAnswer(860);
  }
  Online1(kInterval);
  EXPECT_EQ(events.log.back(), "1 info M1");
  for (const char* board : {"R2/0", "R3/0"}) {
    EXPECT_EQ(Ask(kInterval + 100), board);
    bus.NoAnswer(kInterval + 500);
  }
  EXPECT_EQ(Ask(2 * kInterval), "R1/0");
  bus.Answered(RunDataFrame(1), 2 * kInterval + 60);
  EXPECT_EQ(Ask(2 * kInterval + 60), "R2/0");  // information is not asked again
}

TEST_F(BusTest, ThreeSilentPollsMakeABoardOfflineThenPausesGrowToAMinute) {
  BusMaster single({9}, kInterval, events, 0);
  for (const Frame& answer : {RunDataFrame(9), BoardInfoFrame()}) {  // online, its information known
    single.Next(0);
    single.Answered(answer, 0);
  }
  std::vector<std::int64_t> asked;
  for (int poll = 0; poll < 9; ++poll) {
    const std::int64_t now = single.WakeMs();
    ASSERT_EQ(single.Next(now).address, 9);
    EXPECT_EQ(single.Online(9), poll < 3) << poll;
    asked.push_back(now);
    single.NoAnswer(now);
  }
  EXPECT_EQ(asked, (std::vector<std::int64_t>{5000, 10000, 15000, 20000, 30000, 50000, 90000, 150000, 210000}));
  // An answer ends the pauses; the information is asked again.
  single.Next(270000);
  single.Answered(RunDataFrame(9), 270000);
  EXPECT_EQ(single.Next(270000).subtype, kBoardInfo);
  single.Answered(BoardInfoFrame(), 270000);
  EXPECT_EQ(single.WakeMs(), 275000);
}

TEST_F(BusTest, ADeadBoardDoesNotMoveTheOthersSchedule) {
  // Boards 1 and 3 answer within 50 ms, board 2 never: every round 1 and 3 stay on their interval.
  for (int round = 0; round < 40; ++round) {
    std::int64_t now = round * kInterval;
    std::vector<int> polled;
    for (Request r = bus.Next(now); r.kind != Request::Kind::None; r = bus.Next(now)) {
      if (r.address == 2) {
        bus.NoAnswer(now += 400);
      } else {
        if (r.subtype == kRunData) polled.push_back(r.address);
        bus.Answered(r.subtype == kBoardInfo ? BoardInfoFrame() : RunDataFrame(r.address), now += 50);
      }
    }
    EXPECT_EQ(polled, (std::vector<int>{1, 3})) << round;
    EXPECT_LT(now - round * kInterval, 1000) << round;
  }
}

TEST_F(BusTest, AWriteGoesBeforeTheNextPollAndIsJudgedByTheReadBack) {
  Online1(0);
  bus.SubmitWrite(1, "cooling_start_c", "30");
  const Request write = bus.Next(100);
  ASSERT_EQ(write.kind, Request::Kind::Write);
  EXPECT_EQ(write.frame, (Frame{0x05, 0x01, 0x1E, 0x00, 0x01, 0x46, 0x6B}));
  bus.Answered({0x06, 0x01, 0x1E, 0x00, 0x01}, 150);
  // The board's run data is asked at once, not an interval later.
  EXPECT_EQ(Ask(150), "R1/0");
  bus.Answered(RunDataWith(5, 70), 200);
  // Not taken: the read-back still shows the old value.
  bus.SubmitWrite(1, "current_high_limit_a", "9.5");
  EXPECT_EQ(bus.Next(300).frame, (Frame{0x05, 0x01, 0x1E, 0x0F, 0x01, 0x5F, 0x93}));
  bus.NoAnswer(500);
  ASSERT_EQ(Ask(500), "R1/0");
  bus.Answered(RunDataFrame(1), 550);
  EXPECT_EQ(events.results, (std::vector<std::string>{"cooling_start_c 30/30 ok",
                                                      "current_high_limit_a 9.5/8 not taken by the board"}));
}

// Writes refused with their reason; pending writes fail when the line is lost or the board goes offline.
TEST_F(BusTest, WritesRefusedOrFailed) {
  Online1(0);
  const std::vector<std::pair<std::string, std::string>> cases{
      {"cooling_start_c", "46"}, {"cooling_start_c", "19.5"}, {"cooling_start_c", "25abc"}, {"cooling_start_c", ""},
      {"device_address", "5"},   {"inner_fan_pulses", "3.6"}, {"low_temp_alarm_c", "-40"}};
  for (const auto& [key, value] : cases) bus.SubmitWrite(1, key, value);
  bus.SubmitWrite(2, "cooling_start_c", "25");  // board 2 has not answered
  bus.SubmitWrite(42, "cooling_start_c", "25");  // not on this line: ignored
  EXPECT_EQ(events.results.size(), 7u) << "refusals are told at once";
  // Only the one good value (-40) went to the queue.
  const Request write = bus.Next(10);
  ASSERT_EQ(write.kind, Request::Kind::Write);
  EXPECT_EQ(write.frame[5], 0);
  bus.SubmitWrite(1, "heating_stop_c", "12");
  bus.LineLost(50);
  EXPECT_EQ(events.log.back(), "1 offline");
  // Polling starts over: the write in flight and the queued one are gone, every board is due.
  EXPECT_EQ(Ask(60), "R1/0");
  bus.Answered(RunDataFrame(1), 60);

  // A write sent to a board that then falls silent fails when the board goes offline.
  Ask(60);
  bus.Answered(BoardInfoFrame(), 60);
  bus.SubmitWrite(1, "heating_stop_c", "12");
  ASSERT_EQ(bus.Next(100).kind, Request::Kind::Write);
  bus.NoAnswer(300);
  for (int poll = 0; poll < 3; ++poll) {
    while (bus.Next(bus.WakeMs()).address != 1) bus.NoAnswer(bus.WakeMs());
    bus.NoAnswer(bus.WakeMs());
  }
  EXPECT_EQ(events.results, (std::vector<std::string>{
                                "cooling_start_c 46/- out of range", "cooling_start_c 19.5/- out of range",
                                "cooling_start_c -/- not a number", "cooling_start_c -/- not a number",
                                "device_address -/- unknown setting", "inner_fan_pulses 3.6/- out of range",
                                "cooling_start_c 25/- board offline", "low_temp_alarm_c -40/- board offline",
                                "heating_stop_c 12/- board offline", "heating_stop_c 12/- board offline"}));
}

}  // namespace
}  // namespace kestrova::agent
