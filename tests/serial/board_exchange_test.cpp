// The serial component against the board simulator: every request goes out through QtSerialPort
// and the answers pass the console's own frame scan and analysis.
#include <gtest/gtest.h>

#include "qt/serial_component.h"
#include "serial/sim_process.h"

namespace kestrova::testing {
namespace {

// Bytes 0..20 of a run-data response: the header and the operating settings the board starts with.
const char* const kDefaultSettingsHex =
    "06 01 0F 00 1E 41 3C 1E 23 02 05 DC 0B B8 02 0B B8 55 1E 05 50";
const char* const kAddressFromZeroHex = "06 00 0F 01 01 01 18";

Frame RunData(const LinkPump& pump) { return Hex(pump.Recorded("RunData")); }

class BoardExchange : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(BoardExchange, EveryReadIsAnsweredAndAcceptedByTheFrameAnalysis) {
  SimLink link(GetParam());
  ASSERT_EQ(link.Open(), "");
  auto& port = link.port;
  EXPECT_EQ(port.DeviceName(1), link.sim.Path());
  LinkPump pump(port);

  ASSERT_TRUE(pump.Exchange(ReadRequest(1, kRunData), "RunData"));
  ASSERT_TRUE(pump.Exchange(AddressReadRequest(), "Address"));
  ASSERT_TRUE(pump.Exchange(ReadRequest(1, kBoardInfo), "BoardInfo"));
  ASSERT_TRUE(pump.Exchange(ReadRequest(1, kFactoryData), "FactoryData"));

  const Frame run = RunData(pump);
  ASSERT_EQ(run.size(), 36u);
  EXPECT_EQ(ToHex(Frame(run.begin(), run.begin() + 21)), kDefaultSettingsHex);
  EXPECT_EQ(run[21] & 0x01, 0x01) << "the inner fan runs";
  const int decivolts = run[29] * 256 + run[30];
  EXPECT_GE(decivolts, 530);
  EXPECT_LE(decivolts, 540);
  EXPECT_EQ(pump.Recorded("Address"), kAddressFromZeroHex);
  EXPECT_EQ(pump.Recorded("BoardInfo"), kBoardInfoHex);
  EXPECT_EQ(pump.Recorded("FactoryData"), kFactoryDataHex);
  // Run data, address and board information each update the link mode; factory data does not.
  EXPECT_EQ(pump.Count("Link"), 3);
  const bool echo = std::find(GetParam().begin(), GetParam().end(), "--echo") != GetParam().end();
  EXPECT_EQ(pump.Count("RS422") > 0, echo);
}

INSTANTIATE_TEST_SUITE_P(
    LineKinds, BoardExchange,
    ::testing::Values(std::vector<std::string>{}, std::vector<std::string>{"--echo"},
                      std::vector<std::string>{"--split", "--seed", "3"},
                      std::vector<std::string>{"--echo", "--split", "--noise", "1", "--seed", "5"}));

TEST(BoardExchange, ParameterWritesAreAcknowledgedAndShowInTheNextReads) {
  SimLink link;
  ASSERT_EQ(link.Open(), "");
  auto& port = link.port;
  LinkPump pump(port);

  const struct {
    Frame write;
    const char* ack;
  } writes[] = {
      {ParameterWrite(1, 12, 0x5A), "06 01 1E 0C 01 5A 8C"},               // high alarm 50
      {ParameterWrite(1, 5, 0x03, 0xE8), "06 01 1E 05 02 03 E8 17"},       // inner low 1000
      {ParameterWrite(1, kSimTemperatureCode, 130), "06 01 1E 32 01 82 DA"},  // 25 degrees
      {ParameterWrite(1, 27, 30), "06 01 1E 1B 01 1E 5F"},                 // exhaust interval
  };
  for (const auto& w : writes) {
    pump.raw.clear();
    port.Output(w.write);
    ASSERT_TRUE(pump.Until([&] { return pump.raw.size() >= w.write.size(); })) << ToHex(w.write);
    EXPECT_EQ(ToHex(pump.raw), w.ack);
  }
  EXPECT_EQ(pump.Count("Link"), 4) << "every acknowledgement is consumed by the analysis";

  ASSERT_TRUE(pump.Exchange(ReadRequest(1, kRunData), "RunData"));
  const Frame run = RunData(pump);
  EXPECT_EQ(run[17], 0x5A);
  EXPECT_EQ(run[10], 0x03);
  EXPECT_EQ(run[11], 0xE8);
  EXPECT_EQ(run[25], 130) << "the simulated temperature is reported as the inner temperature";
  ASSERT_TRUE(pump.Exchange(ReadRequest(1, kFactoryData), "FactoryData"));
  EXPECT_EQ(Hex(pump.Recorded("FactoryData"))[16], 30);
}

TEST(BoardExchange, NewAddressCountsFromTheRequestAfterTheAcknowledgement) {
  SimLink link;
  ASSERT_EQ(link.Open(), "");
  auto& port = link.port;
  LinkPump pump(port, 5);

  port.Output(ParameterWrite(1, kAddressCode, 5));
  ASSERT_TRUE(pump.Until([&] { return pump.raw.size() >= 7; }));
  EXPECT_EQ(ToHex(pump.raw), "06 01 1E 1C 01 05 47") << "acknowledged from the old address";
  // The old address is no longer answered; the new one is.
  pump.raw.clear();
  port.Output(ReadRequest(1, kRunData));
  ASSERT_TRUE(pump.Exchange(ReadRequest(5, kRunData), "RunData"));
  EXPECT_EQ(pump.raw.size(), 36u);
  EXPECT_EQ(RunData(pump)[1], 5);
  ASSERT_TRUE(pump.Exchange(AddressReadRequest(), "Address"));
  EXPECT_EQ(pump.Recorded("Address"), "06 00 0F 01 01 05 1C");
}

TEST(BoardExchange, IgnoredWritesAreAcknowledgedButChangeNothing) {
  SimLink link({"--ignore-writes", "12,28"});
  ASSERT_EQ(link.Open(), "");
  auto& port = link.port;
  LinkPump pump(port);

  port.Output(ParameterWrite(1, 12, 0x5A));
  port.Output(ParameterWrite(1, 13, 0x14));
  port.Output(ParameterWrite(1, kAddressCode, 5));
  ASSERT_TRUE(pump.Until([&] { return pump.raw.size() >= 21; }));
  EXPECT_EQ(ToHex(pump.raw), "06 01 1E 0C 01 5A 8C 06 01 1E 0D 01 14 47 06 01 1E 1C 01 05 47");

  ASSERT_TRUE(pump.Exchange(ReadRequest(1, kRunData), "RunData"));
  const Frame run = RunData(pump);
  EXPECT_EQ(run[17], 0x55) << "the high alarm keeps its old value";
  EXPECT_EQ(run[18], 0x14) << "a write of another code is applied";
}

TEST(BoardExchange, RequestWithBadChecksumIsIgnored) {
  SimLink link;
  ASSERT_EQ(link.Open(), "");
  auto& port = link.port;
  LinkPump pump(port);

  port.Output(Hex("05 01 0F 00 16"));
  ASSERT_TRUE(pump.Exchange(ReadRequest(1, kFactoryData), "FactoryData"));
  EXPECT_EQ(ToHex(pump.raw), kFactoryDataHex) << "only the good request was answered";
}

}  // namespace
}  // namespace kestrova::testing
