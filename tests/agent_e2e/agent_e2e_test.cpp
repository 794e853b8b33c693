// The agent end to end: the board simulator on a pseudo-terminal, a mosquitto broker on a free
// loopback port, and an MQTT client checking what arrives.
#include <gtest/gtest.h>
#include <signal.h>

#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <memory>
#include <thread>

#include "agent_e2e/harness.h"

namespace kestrova::agent::testing {
namespace {

struct AgentE2E : ::testing::Test {
  Broker broker;
  SimLine line;
  Child agent;
  const std::string p = "kestrova/e2e";

  void SetUp() override { ASSERT_TRUE(broker.Start()); }

  void StartAgent(const std::string& addresses, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"--serial", line.link, "--addresses", addresses, "--site", "e2e",
                                  "--broker", "mqtt://127.0.0.1:" + std::to_string(broker.port), "--interval", "1"};
    args.insert(args.end(), extra.begin(), extra.end());
    ASSERT_TRUE(agent.Start(KESTROVA_AGENT_PATH, args));
  }
  std::unique_ptr<Subscriber> client;
};

TEST_F(AgentE2E, ALineOfBoardsOnTheBroker) {
  // Boards 1-3 answer (3 loses power after 4 s), 4 never does.
  ASSERT_TRUE(line.Start({"--address", "1-3", "--kill-after", "3:4"}));
  client = std::make_unique<Subscriber>(broker.port, "#");
  const int metrics = FreePort();
  StartAgent("1-4", {"--metrics-listen", "127.0.0.1:" + std::to_string(metrics)});
  for (const char* board : {"1", "2", "3"})
    ASSERT_TRUE(client->WaitFor(p + "/board/" + board + "/availability", "online", 5000)) << board;
  // A write through the broker goes on the line and is judged by the board's read-back.
  Child publish;
  ASSERT_TRUE(publish.Start("mosquitto_pub", {"-h", "127.0.0.1", "-p", std::to_string(broker.port), "-t",
                                              p + "/board/1/set/cooling_start_c", "-m", "30"}));
  EXPECT_EQ(publish.Wait(5000), 0);
  EXPECT_TRUE(client->WaitFor(p + "/board/1/result",
                              R"({"setting":"cooling_start_c","sent":30,"read_back":30,"ok":true})", 4000));

  // Board 3 loses power: offline after its silent polls.
  ASSERT_TRUE(client->WaitFor(p + "/board/3/availability", "offline", 8000));

  // The scrape: live boards with values, the dead one up 0 with nothing stale.
  QNetworkAccessManager manager;
  QNetworkReply* reply = manager.get(QNetworkRequest(QUrl(QString("http://127.0.0.1:%1/metrics").arg(metrics))));
  ASSERT_TRUE(QTest::qWaitFor([&] { return reply->isFinished(); }, 5000));
  const std::string scrape = reply->readAll().toStdString();
  EXPECT_NE(scrape.find(R"(kestrova_up{address="1",site="e2e"} 1)"), std::string::npos) << scrape;
  EXPECT_NE(scrape.find(R"(kestrova_up{address="3",site="e2e"} 0)"), std::string::npos);
  EXPECT_NE(scrape.find(R"(kestrova_inner_temperature_celsius{address="1",site="e2e"})"), std::string::npos);
  EXPECT_NE(scrape.find(R"(kestrova_state{address="1",site="e2e",state="inner_fan"} 1)"), std::string::npos);
  EXPECT_NE(scrape.find(R"(kestrova_state{address="1",site="e2e",state="heating"} 0)"), std::string::npos);
  const std::string board3 = R"(address="3",site="e2e"} )";
  EXPECT_EQ(scrape.find(board3), scrape.rfind(board3));  // kestrova_up alone: nothing stale is left

  // SIGTERM: every board and the agent offline, exit status 0.
  kill(static_cast<pid_t>(agent.Pid()), SIGTERM);
  EXPECT_EQ(agent.Wait(5000), 0);
  EXPECT_TRUE(client->WaitFor(p + "/agent/status", "offline", 2000));
  EXPECT_EQ(client->Last(p + "/board/1/availability"), "offline");
}

TEST_F(AgentE2E, RecoversFromAPulledAdapterAndABrokerRestartAndLeavesItsLastWill) {
  client = std::make_unique<Subscriber>(broker.port, "#");
  ASSERT_TRUE(line.Start({"--address", "1"}));
  StartAgent("1");
  ASSERT_TRUE(client->WaitFor(p + "/board/1/availability", "online", 5000));
  // The adapter pulled and plugged back in under the same name: polling resumes by itself.
  line.sim.Kill();
  EXPECT_TRUE(client->WaitFor(p + "/board/1/availability", "offline", 3000));
  ASSERT_TRUE(line.Start({"--address", "1"}));
  EXPECT_TRUE(client->WaitFor(p + "/board/1/availability", "online", 5000));

  // The restarted broker has lost every retained message: the agent publishes them again.
  client.reset();
  broker.process.Kill();
  std::this_thread::sleep_for(std::chrono::seconds(2));
  ASSERT_TRUE(broker.Start());
  client = std::make_unique<Subscriber>(broker.port, p + "/#");
  ASSERT_TRUE(client->WaitFor(p + "/agent/status", "online", 8000));
  EXPECT_TRUE(client->WaitFor(p + "/board/1/availability", "online", 2000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !client->Last(p + "/board/1/state").empty(); }, 3000));

  kill(static_cast<pid_t>(agent.Pid()), SIGKILL);
  EXPECT_TRUE(client->WaitFor(p + "/agent/status", "offline", 5000));
}

}  // namespace
}  // namespace kestrova::agent::testing
