// What reaches the broker, and in what order, across connects and disconnects.
#include <gtest/gtest.h>

#include "agent/core/publisher.h"
#include "agent/frames.h"

namespace kestrova::agent {
namespace {

using testing::BoardInfoFrame;
using testing::RunDataFrame;

struct FakeBroker : MessageOut {
  std::vector<Message> sent;
  bool refuse = false;
  bool Publish(const Message& m) override {
    if (refuse) return false;
    sent.push_back(m);
    return true;
  }
  // Topic and payload, discovery configs shortened to "<component> config".
  std::vector<std::string> Log(bool withDiscovery = false) const {
    std::vector<std::string> out;
    for (const Message& m : sent) {
      if (m.topic.starts_with("ha/")) {
        if (withDiscovery) out.push_back(m.topic);
        continue;
      }
      out.push_back(m.topic + (m.retain ? " (r) " : " ") + (m.topic.ends_with("/state") ? "<state>" : m.payload));
    }
    return out;
  }
};

struct PublisherTest : ::testing::Test {
  FakeBroker broker;
  Publisher publisher{{"s", "ha", true, 5}, {1, 2}, broker, [] { return std::string("T"); }};
  BoardState state = StateFromRunData(RunDataFrame());
};

TEST_F(PublisherTest, ConnectPublishesStatusAvailabilityInfoDiscoveryThenStates) {
  publisher.Availability(1, true);
  publisher.Info(1, InfoFromAnswer(BoardInfoFrame()));
  publisher.State(1, state);
  publisher.State(1, state);
  publisher.Connected();
  EXPECT_EQ(broker.Log(), (std::vector<std::string>{
                              "kestrova/s/agent/status (r) online",
                              "kestrova/s/board/1/availability (r) online",
                              R"(kestrova/s/board/1/info (r) {"address":1,"model":"M1","software":"VA2.3","text":"M1/P2/VA2.3\u0000"})",
                              "kestrova/s/board/2/availability (r) offline",
                              "kestrova/s/board/1/state <state>",
                          }));
  // Board 1's 40 configs go out before the state; board 2 has none yet.
  const auto all = broker.Log(true);
  ASSERT_EQ(all.size(), 5u + 40u);
  EXPECT_TRUE(all[4].starts_with("ha/sensor/kestrova_s_1/")) << all[4];
  EXPECT_TRUE(all[43].starts_with("ha/number/kestrova_s_1/")) << all[43];
}

TEST_F(PublisherTest, WhileAwayOnlyTheLatestOfEachBoardIsKept) {
  publisher.Availability(1, true);
  publisher.Availability(2, true);
  for (int i = 0; i < 1000; ++i) {
    publisher.State(1, state);
    publisher.State(2, state);
    publisher.Result(1, WriteResult{"cooling_start_c", 30, 30, true, ""});
  }
  // A board that went offline meanwhile has no stale state sent on reconnect.
  publisher.Availability(2, false);
  publisher.Connected();
  EXPECT_EQ(publisher.KeptWhileAway(), 0u);  // sent once, not again at the next connect
  const auto log = broker.Log();
  EXPECT_EQ(std::count(log.begin(), log.end(), "kestrova/s/board/1/state <state>"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "kestrova/s/board/2/state <state>"), 0);
  EXPECT_EQ(log.back(), R"(kestrova/s/board/1/result {"setting":"cooling_start_c","sent":30,"read_back":30,"ok":true})");
}

TEST_F(PublisherTest, DiscoveryAgainWhenHomeAssistantStarts) {
  publisher.Connected();
  publisher.Info(1, InfoFromAnswer(BoardInfoFrame()));
  EXPECT_EQ(broker.Log(true).size(), 3u + 1u + 40u);
  broker.sent.clear();
  publisher.DiscoveryStatus("online");
  EXPECT_EQ(broker.sent.size(), 40u);
}

}  // namespace
}  // namespace kestrova::agent
