// The agent end to end: the board simulator on a pseudo-terminal, a mosquitto broker on a free
// loopback port, and an MQTT client checking what arrives.
#include <gtest/gtest.h>
#include <signal.h>

#include <fstream>
#include <sstream>

#include "agent/core/messages.h"
#include "agent_e2e/harness.h"

namespace kestrova::agent::testing {
namespace {

// The run-data answers the simulator wrote in its log ("-> 06 01 0F 00 ...").
std::vector<Frame> SimRunData(const std::string& logFile) {
  std::vector<Frame> frames;
  std::ifstream log(logFile);
  std::string line;
  while (std::getline(log, line)) {
    const auto arrow = line.find("-> ");
    if (arrow == std::string::npos) continue;
    std::istringstream hex(line.substr(arrow + 3));
    Frame frame;
    unsigned byte;
    while (hex >> std::hex >> byte) frame.push_back(static_cast<std::uint8_t>(byte));
    if (frame.size() == 36 && frame[3] == kRunData) frames.push_back(frame);
  }
  return frames;
}

// The value of "time" in a state.
std::string TimeOf(const std::string& json) {
  const auto start = json.find("\"time\":\"") + 8;
  return json.substr(start, json.find('"', start) - start);
}

struct AgentE2E : ::testing::Test {
  Broker broker;
  SimLine line;
  Child agent;
  const std::string site = "e2e";
  const std::string p = "kestrova/e2e";

  void SetUp() override { ASSERT_TRUE(broker.Start()); }

  void StartAgent(const std::string& addresses, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"--serial", line.Device(), "--addresses", addresses, "--site", site,
                                  "--broker", broker.Url(), "--interval", "1"};
    args.insert(args.end(), extra.begin(), extra.end());
    ASSERT_TRUE(agent.Start(KESTROVA_AGENT_PATH, args));
  }
};

TEST_F(AgentE2E, PublishesDiscoveryStatesEqualToTheBoardsAnswersAndJudgesWrites) {
  ASSERT_TRUE(line.Start({"--address", "1", "--ignore-writes", "1"}));
  Subscriber client(broker.Port(), "#");
  StartAgent("1-2");
  ASSERT_TRUE(client.WaitFor(p + "/board/1/availability", "online", 5000));
  EXPECT_EQ(client.Last(p + "/agent/status"), "online");
  EXPECT_EQ(client.Last(p + "/board/2/availability"), "offline");
  ASSERT_TRUE(client.WaitFor(p + "/board/1/info",
                             R"({"address":1,"model":"M1","software":"VA2.3","text":"M1/P2/VA2.3\u0000"})", 3000));
  ASSERT_TRUE(client.WaitForCount(p + "/board/1/state", 3, 6000));

  // Every state is the run data the board sent, in numbers.
  const auto frames = SimRunData(line.LogFile());
  for (const Received& state : client.On(p + "/board/1/state")) {
    bool found = false;
    for (const Frame& frame : frames) found = found || StateJson(StateFromRunData(frame), TimeOf(state.payload)) == state.payload;
    EXPECT_TRUE(found) << state.payload;
    EXPECT_FALSE(state.retain);
  }

  // Discovery: retained, one device for the board that answered, none for the silent one.
  Subscriber late(broker.Port(), "homeassistant/#");
  ASSERT_TRUE(WaitUntil([&] { return late.Messages().size() >= 40; }, 3000));
  for (const Received& config : late.Messages()) {
    EXPECT_TRUE(config.retain);
    EXPECT_NE(config.topic.find("/kestrova_e2e_1/"), std::string::npos) << config.topic;
  }
  EXPECT_FALSE(late.Last("homeassistant/number/kestrova_e2e_1/cooling_start_c/config").empty());
  // Home Assistant coming up asks for discovery again.
  const std::size_t before = client.Messages().size();
  client.Publish("homeassistant/status", "online");
  ASSERT_TRUE(WaitUntil([&] {
    std::size_t configs = 0;
    const auto all = client.Messages();
    for (std::size_t i = before; i < all.size(); ++i) configs += all[i].topic.ends_with("/config");
    return configs >= 40;
  }, 3000));

  // Writes: taken, refused before the line, and not taken by the board.
  const std::string result = p + "/board/1/result";
  client.Publish(p + "/board/1/set/cooling_start_c", "30");
  EXPECT_TRUE(client.WaitFor(result, R"({"setting":"cooling_start_c","sent":30,"read_back":30,"ok":true})", 4000));
  client.Publish(p + "/board/1/set/cooling_start_c", "46");
  EXPECT_TRUE(client.WaitFor(
      result, R"({"setting":"cooling_start_c","sent":46,"read_back":null,"ok":false,"reason":"out of range"})", 3000));
  client.Publish(p + "/board/1/set/cooling_start_c", "warm");
  EXPECT_TRUE(client.WaitFor(
      result, R"({"setting":"cooling_start_c","sent":null,"read_back":null,"ok":false,"reason":"not a number"})", 3000));
  client.Publish(p + "/board/1/set/device_address", "5");
  EXPECT_TRUE(client.WaitFor(
      result, R"({"setting":"device_address","sent":null,"read_back":null,"ok":false,"reason":"unknown setting"})", 3000));
  client.Publish(p + "/board/1/set/cooling_stop_c", "15");
  EXPECT_TRUE(client.WaitFor(
      result, R"({"setting":"cooling_stop_c","sent":15,"read_back":20,"ok":false,"reason":"not taken by the board"})", 4000));
  client.Publish(p + "/board/2/set/cooling_start_c", "30");
  EXPECT_TRUE(client.WaitFor(
      p + "/board/2/result", R"({"setting":"cooling_start_c","sent":30,"read_back":null,"ok":false,"reason":"board offline"})", 3000));

  // SIGTERM: every board and the agent offline, exit status 0.
  agent.Terminate();
  EXPECT_EQ(agent.Wait(5000), 0);
  EXPECT_TRUE(client.WaitFor(p + "/agent/status", "offline", 2000));
  EXPECT_EQ(client.Last(p + "/board/1/availability"), "offline");
}

TEST_F(AgentE2E, SurvivesABrokerRestartAndLeavesItsLastWillWhenKilled) {
  ASSERT_TRUE(line.Start({"--address", "1"}));
  StartAgent("1");
  {
    Subscriber client(broker.Port(), p + "/#");
    ASSERT_TRUE(client.WaitForCount(p + "/board/1/state", 1, 5000));
  }
  broker.Stop();
  std::this_thread::sleep_for(std::chrono::seconds(2));  // polling goes on meanwhile
  ASSERT_TRUE(broker.Start());
  // The restarted broker has no retained messages: the agent publishes them again by itself.
  Subscriber client(broker.Port(), p + "/#");
  ASSERT_TRUE(client.WaitFor(p + "/agent/status", "online", 8000));
  EXPECT_TRUE(client.WaitFor(p + "/board/1/availability", "online", 2000));
  EXPECT_FALSE(client.Last(p + "/board/1/info").empty());
  ASSERT_TRUE(client.WaitForCount(p + "/board/1/state", 1, 3000));

  kill(static_cast<pid_t>(agent.Pid()), SIGKILL);
  EXPECT_TRUE(client.WaitFor(p + "/agent/status", "offline", 5000));
}

TEST_F(AgentE2E, APulledAdapterTakesEveryBoardOfflineAndPollingResumesWhenItIsBack) {
  ASSERT_TRUE(line.Start({"--address", "1"}));
  Subscriber client(broker.Port(), p + "/#");
  StartAgent("1");
  ASSERT_TRUE(client.WaitForCount(p + "/board/1/state", 1, 5000));
  line.Kill();
  EXPECT_TRUE(client.WaitFor(p + "/board/1/availability", "offline", 3000));
  client.Clear();
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  EXPECT_TRUE(client.On(p + "/board/1/state").empty());
  ASSERT_TRUE(line.Start({"--address", "1"}));
  EXPECT_TRUE(client.WaitFor(p + "/board/1/availability", "online", 5000));
  EXPECT_TRUE(client.WaitForCount(p + "/board/1/state", 1, 3000));
}

TEST_F(AgentE2E, ABadOptionEndsWithStatus2BeforeAnythingIsSent) {
  Subscriber client(broker.Port(), "#");
  StartAgent("1", {"--interval", "0"});
  EXPECT_EQ(agent.Wait(5000), 2);
  EXPECT_NE(agent.Errors().find("--interval: '0' is not a whole number of seconds"), std::string::npos);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_TRUE(client.Messages().empty());
}

}  // namespace
}  // namespace kestrova::agent::testing

namespace kestrova::agent::testing {
namespace {

// promtool's verdict on a scrape: "" when it finds nothing to complain of.
std::string PromtoolComplaints(const std::string& scrape) {
  QProcess promtool;
  promtool.start("promtool", {"check", "metrics"});
  if (!promtool.waitForStarted(5000)) return "promtool did not start";
  promtool.write(scrape.c_str());
  promtool.closeWriteChannel();
  promtool.waitForFinished(10000);
  const std::string said = (promtool.readAllStandardOutput() + promtool.readAllStandardError()).toStdString();
  return promtool.exitCode() == 0 ? "" : said;
}

TEST_F(AgentE2E, ScrapeEndpointShowsLiveBoardsOnlyAndPassesPromtool) {
  ASSERT_TRUE(line.Start({"--address", "1"}));
  Subscriber client(broker.Port(), p + "/#");
  const int port = FreePort();
  StartAgent("1-2", {"--metrics-listen", "127.0.0.1:" + std::to_string(port)});
  ASSERT_TRUE(client.WaitForCount(p + "/board/1/state", 2, 6000));
  ASSERT_TRUE(client.WaitFor(p + "/board/1/info", client.Last(p + "/board/1/info"), 100));
  std::string scrape = HttpGet(port, "/metrics");
  EXPECT_NE(scrape.find(R"(kestrova_up{address="1",site="e2e"} 1)"), std::string::npos) << scrape;
  EXPECT_NE(scrape.find(R"(kestrova_up{address="2",site="e2e"} 0)"), std::string::npos);
  EXPECT_NE(scrape.find(R"(kestrova_inner_temperature_celsius{address="1",site="e2e"})"), std::string::npos);
  // A board that never answered has its up series and nothing else.
  std::size_t board2Series = 0;
  for (auto at = scrape.find(R"(address="2")"); at != std::string::npos; at = scrape.find(R"(address="2")", at + 1))
    ++board2Series;
  EXPECT_EQ(board2Series, 1u);
  EXPECT_NE(scrape.find(R"(kestrova_alarm{address="1",alarm="door_alarm",site="e2e"} 0)"), std::string::npos);
  EXPECT_NE(scrape.find("kestrova_line_checksum_errors_total{site=\"e2e\"} 0"), std::string::npos);
  EXPECT_NE(scrape.find("kestrova_line_requests_total{site=\"e2e\"}"), std::string::npos);
  EXPECT_EQ(PromtoolComplaints(scrape), "");

  // The board gone: up 0 and no stale measurement.
  line.Kill();
  ASSERT_TRUE(client.WaitFor(p + "/board/1/availability", "offline", 4000));
  scrape = HttpGet(port, "/metrics");
  EXPECT_NE(scrape.find(R"(kestrova_up{address="1",site="e2e"} 0)"), std::string::npos);
  EXPECT_EQ(scrape.find("kestrova_inner_temperature_celsius{"), std::string::npos) << scrape;
  EXPECT_EQ(scrape.find("kestrova_alarm{"), std::string::npos);
  EXPECT_EQ(PromtoolComplaints(scrape), "");
}

}  // namespace
}  // namespace kestrova::agent::testing
