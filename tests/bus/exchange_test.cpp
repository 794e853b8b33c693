// One request and its answer on a shared line, on a fake line and a hand-moved clock.
#include <gtest/gtest.h>

#include <vector>

#include "bus/exchange.h"
#include "fakes/fakes.h"
#include "protocol/recording_sink.h"

namespace kestrova::testing {
namespace {

// Board information of the board at address 7: "M1/P2/VA2.3" and its zero byte.
const std::string kInfo7 = "06 07 0F 02 0C 4D 31 2F 50 32 2F 56 41 32 2E 33 00 B2";
constexpr int kInfoTimeout = 6 + 40 + 150;  // the request and a 32-character answer on the line, turnaround, margin

struct Line {
  std::vector<Frame> sent;
  Exchange exchange{[this](std::span<const std::uint8_t> f) { sent.emplace_back(f.begin(), f.end()); }};
  void Feed(const std::string& hex, std::int64_t at) { exchange.Receive(Hex(hex), at); }
};

// Noise, another board's answer and an answer of another kind pass; ours, in two pieces, is it.
TEST(Exchange, TakesOnlyTheAnswerToItsOwnRequest) {
  Line line;
  int seenBytes = 0;
  line.exchange.SetObserver([&](const ReceiveRing&, int length, Piece) { seenBytes += length; });
  line.exchange.StartRead(7, kBoardInfo, 1000);
  EXPECT_EQ(line.sent, std::vector<Frame>{Hex("05 07 0F 02 1D")});
  line.Feed("05 07 0F 02 1D", 1005);  // own echo alone: stepped over at once
  line.Feed("AA " + std::string(kBoardInfoHex), 1010);  // noise, address 1
  line.Feed(ToHex(Resealed(Hex(kInfo7), {{1, 0}})), 1011);             // address 0 answering
  line.Feed(ToHex(Resealed(kWorked, {{1, 7}})), 1012);  // run data of board 7
  line.Feed(kInfo7.substr(0, 20), 1020);
  EXPECT_EQ(line.exchange.Poll(1025), ExchangeResult::Pending);
  line.Feed(kInfo7.substr(20), 1031);
  EXPECT_EQ(line.exchange.Poll(1032), ExchangeResult::Answered);
  EXPECT_EQ(ToHex(line.exchange.Answer()) + " in " + std::to_string(line.exchange.AnswerMs()), kInfo7 + " in 31");
  const LineCounters& c = line.exchange.Counters();
  EXPECT_EQ(c.requests + c.answers + c.badChecksums + c.timeouts, 2u);
  EXPECT_EQ(c.discarded, 1u + 18u + 18u + 36u);
  EXPECT_EQ(seenBytes, 5 + 1 + 18 + 18 + 36 + 18);  // the traffic monitor sees every byte
}

// A garbled answer is counted and waited out; the one resend is answered.
TEST(Exchange, ResendsAfterATimeout) {
  Line line;
  line.exchange.StartRead(7, kBoardInfo, 0);
  Frame bad = Hex(kInfo7);
  bad.back() ^= 0x40;
  line.exchange.Receive(bad, 30);
  EXPECT_EQ(line.exchange.Poll(kInfoTimeout - 1), ExchangeResult::Pending);
  EXPECT_EQ(line.exchange.Poll(kInfoTimeout), ExchangeResult::Pending);
  ASSERT_EQ(line.sent.size(), 2u);
  line.Feed(kInfo7, 240);
  EXPECT_EQ(line.exchange.Poll(241), ExchangeResult::Answered);
  EXPECT_EQ(line.exchange.AnswerMs(), 44);  // from the resend
  EXPECT_EQ(line.exchange.Counters().badChecksums, 1u);
  EXPECT_EQ(line.exchange.Counters().timeouts, 1u);
}

// A board that answers after it was given up: its bytes, whole or half, never answer the
// next request, even one to the same board.
TEST(Exchange, LateBytesNeverAnswerTheNextRequest) {
  Line line;
  line.exchange.StartRead(7, kBoardInfo, 0, 1);
  EXPECT_EQ(line.exchange.Poll(kInfoTimeout), ExchangeResult::NoAnswer);
  line.Feed(kInfo7, 300);                // while nothing is open
  line.Feed(kInfo7.substr(0, 14), 310);  // the head of another late copy
  line.exchange.StartRead(7, kBoardInfo, 320);
  line.Feed(kInfo7.substr(14), 330);
  EXPECT_EQ(line.exchange.Poll(400), ExchangeResult::Pending);
  line.Feed(kInfo7, 420);
  EXPECT_EQ(line.exchange.Poll(421), ExchangeResult::Answered);
  EXPECT_EQ(line.exchange.Counters().answers, 1u);
  // The same after a request left open and cancelled.
  line.exchange.StartRead(7, kBoardInfo, 500);
  line.exchange.Cancel();
  line.Feed(kInfo7.substr(0, 14), 510);
  line.exchange.StartRead(7, kBoardInfo, 520);
  line.Feed(kInfo7.substr(14), 530);
  EXPECT_EQ(line.exchange.Poll(531), ExchangeResult::Pending);
}

// A write ends with its acknowledgement, whole, or without one at its timeout: never resent.
TEST(Exchange, AWriteIsDoneAtItsAcknowledgementAndNeverResent) {
  Line line;
  const Frame write = ParameterWrite(7, kAddressCode, 9);
  line.exchange.StartWrite(write, 0);
  line.Feed("06 07 1E 1C 01", 10);
  line.Feed("09", 11);
  EXPECT_EQ(line.exchange.Poll(11), ExchangeResult::Pending);
  line.Feed("51 AA", 12);
  EXPECT_EQ(line.exchange.Poll(13), ExchangeResult::Answered);
  EXPECT_EQ(ToHex(line.exchange.Answer()), "06 07 1E 1C 01 09 51");

  line.exchange.StartWrite(write, 100);
  line.Feed("06 03 1E 1C 01 09 4D", 110);  // another board's acknowledgement
  EXPECT_EQ(line.exchange.Poll(100 + AnswerTimeoutMs(7, 7)), ExchangeResult::NoAnswer);
  EXPECT_EQ(line.sent, (std::vector<Frame>{write, write}));
}

}  // namespace
}  // namespace kestrova::testing
