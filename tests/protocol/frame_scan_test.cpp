#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fakes.h"
#include "protocol/frame_analysis.h"
#include "protocol/recording_sink.h"

namespace kestrova::testing {
namespace {

using Calls = std::vector<std::string>;

const std::string kRunData = kRunDataHex;
const std::string kRunDataShown = "RunData " + kRunData;
const std::string kRunDataFromZero = "06 00" + kRunData.substr(5, kRunData.size() - 7) + "0C";
const std::string kBoardInfo10 = "06 01 0F 02 0A 41 42 43 44 45 46 47 48 49 4A D9";

class FrameScan : public ::testing::Test {
 protected:
  void Feed(const std::string& hex) { ring.Store(Hex(hex)); }
  // One tick's pass of the scan for the console at `address`.
  Calls Pass(int address = 1) {
    sink.calls.clear();
    ScanFrames(ring, address, sink);
    return sink.calls;
  }
  // Passes until one leaves the ring as it found it; returns every call made.
  Calls Drain() {
    Calls all;
    for (;;) {
      const int pointer = ring.m_DataPointer, unread = ring.m_DataNo;
      const Calls calls = Pass();
      all.insert(all.end(), calls.begin(), calls.end());
      if (ring.m_DataPointer == pointer && ring.m_DataNo == unread) return all;
    }
  }

  ReceiveRing ring;
  RecordingSink sink{ring};
};

TEST_F(FrameScan, EchoThenRunDataInOneTick) {
  Feed("05 01 0F 00 15 " + kRunData + " " + kAddressHex);
  EXPECT_EQ(Pass(), (Calls{"RS422", kRunDataShown, "Link"}));
  EXPECT_EQ(ring.m_DataNo, 7);  // the second response waits for the next tick
}

TEST_F(FrameScan, FourUnreadBytesAreLeftAlone) {
  Feed("AA BB CC DD");
  EXPECT_TRUE(Pass().empty());
  EXPECT_EQ(ring.m_DataNo, 4);
}

TEST_F(FrameScan, ShortEchoedWriteWaitsForItsLastByte) {
  Feed("05 01 1E 0C 01 5A");
  EXPECT_TRUE(Pass().empty());
  EXPECT_EQ(ring.m_DataNo, 6);
  Feed("8B");
  EXPECT_EQ(Pass(), (Calls{"RS422"}));
  EXPECT_EQ(ring.m_DataNo, 0);
}

TEST_F(FrameScan, EchoesStepOverByTheirLengths) {
  const std::tuple<std::string, int, Calls> cases[] = {
      {"05 00 0F 01 15", 1, {"RS422"}},  // the address read
      {"05 07 0F 00 1B", 7, {"RS422"}},
      {"05 01 2D 00 33", 1, {"RS422"}},
      {"05 01 1E 05 02 03 E8 16", 1, {"RS422"}},
      {"05 01 44 00 4A", 1, {}},  // other command: 3 bytes, the rest is noise
      {"05 07 0F 00 1B", 1, {}},  // another master's request
      {"15 06 0F 00 1B", 1, {}},  // a NAK takes the start byte after it
  };
  for (const auto& [echo, address, calls] : cases) {
    ring.Reset();
    Feed(echo + " AA AA AA AA");
    EXPECT_EQ(Pass(address), calls) << echo;
    EXPECT_EQ(ring.m_DataNo, 4) << echo;
  }
}

TEST_F(FrameScan, ForeignResponseLosesOneByteAndEndsThePass) {
  Feed("06 07 0F 00 1C " + kRunData);
  EXPECT_TRUE(Pass().empty());
  EXPECT_EQ(ring.m_DataNo, 40);
  EXPECT_EQ(Drain(), (Calls{kRunDataShown, "Link"}));
}

TEST_F(FrameScan, ShortAcknowledgementThenTheNextResponse) {
  Feed("06 01 1E 0C 01");
  EXPECT_EQ(Pass(), (Calls{"Link"}));
  EXPECT_EQ(ring.m_DataNo, -2);
  Feed("5A 8C " + std::string(kAddressHex));
  EXPECT_EQ(Pass(), (Calls{"Address " + std::string(kAddressHex), "Link"}));
  EXPECT_EQ(ring.m_DataNo, 0);
}

TEST_F(FrameScan, OverrunKeepsTheNewestBytesAndResynchronises) {
  std::string stream = "AA AA AA AA AA AA AA AA AA AA";
  for (int i = 0; i < 5; ++i) stream += " " + kRunData;
  const Frame bytes = Hex(stream + " AA AA AA AA AA AA AA AA AA AA");
  ASSERT_EQ(bytes.size(), 200u);
  ring.Store(bytes);
  EXPECT_EQ(ring.m_DataNo, 128);
  for (int k = 0; k < 128; ++k) ASSERT_EQ(ring.At(k), bytes[72 + k]) << k;
  // The first response and most of the second are gone; the last three are whole.
  EXPECT_EQ(Drain(), (Calls{kRunDataShown, "Link", kRunDataShown, "Link", kRunDataShown, "Link"}));
  EXPECT_EQ(ring.m_DataNo, 4);
}

// An unknown command byte, or a board-information length the ring can never hold, loses its
// start byte; the next pass finds the response behind it.
TEST_F(FrameScan, UndecodableResponsesDoNotStallTheScan) {
  for (const std::string head : {"06 01 77 00 00", "06 01 0F 02 C8"}) {
    ring.Reset();
    Feed(head + " " + kRunData);
    EXPECT_TRUE(Pass().empty()) << head;
    EXPECT_EQ(ring.m_DataNo, 40) << head;
    EXPECT_EQ(Pass(), (Calls{kRunDataShown, "Link"})) << head;
  }
}

// AnalyseFrame on a response at the read index: what it shows and how far it consumes.
struct Response {
  std::string name, bytes;
  int address;
  Calls calls;
  int unreadAfter;
};

class AnalyseFrameKinds : public ::testing::TestWithParam<Response> {};

TEST_P(AnalyseFrameKinds, DecodeConsumeAndLinkMode) {
  const auto& r = GetParam();
  ReceiveRing ring;
  RecordingSink sink{ring};
  ring.Store(Hex(r.bytes));
  AnalyseFrame(ring, r.address, sink);
  EXPECT_EQ(sink.calls, r.calls);
  EXPECT_EQ(ring.m_DataNo, r.unreadAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Responses, AnalyseFrameKinds,
    ::testing::Values(
        Response{"RunData", kRunData + " AA", 1, {kRunDataShown, "Link"}, 1},
        Response{"RunData35", kRunData.substr(0, 35 * 3 - 1), 1, {}, 35},
        Response{"RunDataBadChecksum", kRunData.substr(0, 35 * 3) + "0E", 1, {"Link"}, 0},
        Response{"RunDataFromZero", kRunDataFromZero, 9, {"RunData " + kRunDataFromZero, "Link"}, 0},
        Response{"Address", kAddressHex, 5, {"Address " + std::string(kAddressHex), "Link"}, 0},
        Response{"BoardInfo", kBoardInfoHex, 1, {"BoardInfo " + std::string(kBoardInfoHex), "Link"}, 0},
        Response{"BoardInfo10Short", kBoardInfo10.substr(0, 15 * 3 - 1), 1, {}, 15},
        Response{"BoardInfo10", kBoardInfo10, 1, {"BoardInfo " + kBoardInfo10, "Link"}, 0},
        Response{"BoardInfoEmpty", "06 01 0F 02 00 18", 1, {"BoardInfo 06 01 0F 02 00 18", "Link"}, 0},
        Response{"FactoryData", kFactoryDataHex, 1, {"FactoryData " + std::string(kFactoryDataHex)}, 0},
        Response{"OtherSubtype", "06 01 0F 07 00 1D", 1, {}, 3},
        Response{"WriteAck7", "06 01 1E 0C 01 5A 8C", 1, {"Link"}, 0},
        Response{"WriteAck8", "06 01 1E 05 02 03 E8 17", 1, {"Link"}, 0},
        Response{"ShortResponse", "06 01 2D 00 34", 1, {"Link"}, 0},
        Response{"ForeignAddress", kRunData, 2, {}, 35},
        Response{"UnknownCommand", "06 01 77 00 7E", 1, {}, 4}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace kestrova::testing
