// One request and its answer on a shared line, on a fake line and a hand-moved clock.
#include <gtest/gtest.h>

#include <vector>

#include "bus/exchange.h"
#include "fakes/fakes.h"
#include "protocol/recording_sink.h"

namespace kestrova::testing {
namespace {

// Board information of the board at address 7: "M1/P2/VA2.3" and its zero byte.
const char* const kInfo7 = "06 07 0F 02 0C 4D 31 2F 50 32 2F 56 41 32 2E 33 00 B2";

struct Line {
  std::vector<Frame> sent;
  Exchange exchange{[this](std::span<const std::uint8_t> f) { sent.emplace_back(f.begin(), f.end()); }};
  void Feed(const std::string& hex, std::int64_t at) { exchange.Receive(Hex(hex), at); }
};

TEST(Exchange, LineTimesAndTheAnswerTimeout) {
  EXPECT_EQ(LineMs(0), 0);
  EXPECT_EQ(LineMs(1), 2);     // 1.04 ms rounded up
  EXPECT_EQ(LineMs(96), 100);  // exactly 100 ms
  EXPECT_EQ(LineMs(36), 38);
  // A board-information request and a 32-character answer: 6 + 40 ms on the line.
  EXPECT_EQ(AnswerTimeoutMs(5, ExpectedAnswerBytes(kBoardInfo)), 6 + 40 + 150);
  EXPECT_EQ(ExpectedAnswerBytes(kRunData), 36);
  EXPECT_EQ(ExpectedAnswerBytes(kDeviceAddress), 7);
  EXPECT_EQ(ExpectedAnswerBytes(kFactoryData), 18);
}

// Noise, another board's answer and an answer of another kind pass; ours, in two pieces, is it.
TEST(Exchange, TakesOnlyTheAnswerToItsOwnRequest) {
  Line line;
  int seenBytes = 0, seenResponses = 0;
  line.exchange.SetObserver([&](const ReceiveRing&, int length, Piece p) {
    seenBytes += length;
    seenResponses += p == Piece::Response;
  });
  line.exchange.StartRead(7, kBoardInfo, 1000);
  ASSERT_EQ(line.sent.size(), 1u);
  EXPECT_EQ(ToHex(line.sent[0]), "05 07 0F 02 1D");
  EXPECT_TRUE(line.exchange.Busy());
  EXPECT_EQ(line.exchange.DeadlineMs(), 1000 + 196);

  line.Feed("AA", 1005);
  line.Feed(kBoardInfoHex, 1010);  // address 1 answering
  line.Feed(ToHex(Resealed(Hex(kRunDataHex), {{1, 7}})), 1012);  // run data of board 7
  const std::string info = kInfo7;
  line.Feed(info.substr(0, 20), 1020);
  EXPECT_EQ(line.exchange.Poll(1025), ExchangeResult::Pending);
  line.Feed(info.substr(20), 1031);
  EXPECT_EQ(line.exchange.Poll(1032), ExchangeResult::Answered);
  EXPECT_FALSE(line.exchange.Busy());
  EXPECT_EQ(ToHex(line.exchange.Answer()), kInfo7);
  EXPECT_EQ(line.exchange.AnswerMs(), 31);
  EXPECT_EQ(line.sent.size(), 1u);
  const LineCounters& c = line.exchange.Counters();
  EXPECT_EQ(c.requests, 1u);
  EXPECT_EQ(c.answers, 1u);
  EXPECT_EQ(c.badChecksums, 0u);
  EXPECT_EQ(c.timeouts, 0u);
  EXPECT_EQ(c.discarded, 1u + 18u + 36u);
  EXPECT_EQ(seenBytes, 1 + 18 + 36 + 18);  // the traffic monitor sees every byte
  EXPECT_EQ(seenResponses, 2);
}

// A garbled answer is counted and waited out; the one resend is answered.
TEST(Exchange, ResendsOnceAfterABadChecksum) {
  Line line;
  line.exchange.StartRead(7, kBoardInfo, 0);
  Frame bad = Hex(kInfo7);
  bad.back() ^= 0x40;
  line.exchange.Receive(bad, 30);
  EXPECT_EQ(line.exchange.Poll(195), ExchangeResult::Pending);
  EXPECT_EQ(line.sent.size(), 1u);
  EXPECT_EQ(line.exchange.Poll(196), ExchangeResult::Pending);
  ASSERT_EQ(line.sent.size(), 2u);
  EXPECT_EQ(line.sent[1], line.sent[0]);
  EXPECT_EQ(line.exchange.DeadlineMs(), 196 + 196);
  line.Feed(kInfo7, 240);
  EXPECT_EQ(line.exchange.Poll(241), ExchangeResult::Answered);
  EXPECT_EQ(line.exchange.AnswerMs(), 44);  // from the resend
  EXPECT_EQ(line.exchange.Counters().badChecksums, 1u);
  EXPECT_EQ(line.exchange.Counters().timeouts, 1u);
  EXPECT_EQ(line.exchange.Counters().requests, 2u);
}

TEST(Exchange, GivesUpAfterTheLastAttempt) {
  for (const int attempts : {1, 2, 3}) {
    Line line;
    line.exchange.StartRead(3, kRunData, 0, attempts);
    const int timeout = AnswerTimeoutMs(5, 36);
    ExchangeResult result = ExchangeResult::Pending;
    std::int64_t now = 0;
    for (; now < 10 * timeout && result == ExchangeResult::Pending; ++now) result = line.exchange.Poll(now);
    EXPECT_EQ(result, ExchangeResult::NoAnswer) << attempts;
    EXPECT_EQ(now - 1, attempts * timeout) << attempts;
    EXPECT_EQ(line.sent.size(), static_cast<std::size_t>(attempts));
    EXPECT_EQ(line.exchange.Counters().timeouts, static_cast<std::uint64_t>(attempts));
    EXPECT_FALSE(line.exchange.Busy());
    EXPECT_EQ(line.exchange.Poll(now + 1000), ExchangeResult::NoAnswer);
    EXPECT_EQ(line.sent.size(), static_cast<std::size_t>(attempts));
  }
}

// A board that answers after it was given up: its bytes, whole or half, never answer the
// next request, even one to the same board.
TEST(Exchange, LateBytesNeverAnswerTheNextRequest) {
  Line line;
  line.exchange.StartRead(7, kBoardInfo, 0, 1);
  EXPECT_EQ(line.exchange.Poll(196), ExchangeResult::NoAnswer);
  const std::string info = kInfo7;
  line.Feed(info, 300);              // while nothing is open
  line.Feed(info.substr(0, 14), 310);  // the head of another late copy
  line.exchange.StartRead(7, kBoardInfo, 320);
  line.Feed(info.substr(14), 330);
  EXPECT_EQ(line.exchange.Poll(400), ExchangeResult::Pending);
  EXPECT_EQ(line.exchange.Counters().answers, 0u);
  line.Feed(info, 420);
  EXPECT_EQ(line.exchange.Poll(421), ExchangeResult::Answered);
  EXPECT_EQ(ToHex(line.exchange.Answer()), kInfo7);
}

// A start byte whose frame cannot complete is dropped at the deadline, and the answer
// that came behind it is found before the request is sent again.
TEST(Exchange, AnAnswerBehindAFalseFrameStartIsFoundAtTheDeadline) {
  Line line;
  line.exchange.StartRead(7, kBoardInfo, 0);
  line.Feed("06 07 0F 02 40 " + std::string(kInfo7), 20);  // claims 70 bytes
  EXPECT_EQ(line.exchange.Poll(195), ExchangeResult::Pending);
  EXPECT_EQ(line.exchange.Poll(196), ExchangeResult::Answered);
  EXPECT_EQ(ToHex(line.exchange.Answer()), kInfo7);
  EXPECT_EQ(line.sent.size(), 1u);
  EXPECT_EQ(line.exchange.Counters().timeouts, 0u);
}

// A write ends with its acknowledgement, whole, or without one at its timeout: never resent.
TEST(Exchange, AWriteIsDoneAtItsAcknowledgementAndNeverResent) {
  Line line;
  const Frame write = ParameterWrite(7, kAddressCode, 9);
  line.exchange.StartWrite(write, 0);
  EXPECT_EQ(line.sent, std::vector<Frame>{write});
  line.Feed("06 07 1E 1C 01", 10);
  EXPECT_EQ(line.exchange.Poll(11), ExchangeResult::Pending);
  line.Feed("09 51 AA", 12);
  EXPECT_EQ(line.exchange.Poll(13), ExchangeResult::Answered);
  EXPECT_EQ(ToHex(line.exchange.Answer()), "06 07 1E 1C 01 09 51");

  line.exchange.StartWrite(write, 100);
  line.Feed("06 03 1E 1C 01 09 4D", 110);  // another board's acknowledgement
  const int timeout = AnswerTimeoutMs(7, 7);
  EXPECT_EQ(line.exchange.Poll(100 + timeout - 1), ExchangeResult::Pending);
  EXPECT_EQ(line.exchange.Poll(100 + timeout), ExchangeResult::NoAnswer);
  EXPECT_EQ(line.sent.size(), 2u);
}

TEST(Exchange, CancelLeavesNothingOpen) {
  Line line;
  line.exchange.StartRead(7, kBoardInfo, 0);
  line.exchange.Cancel();
  EXPECT_FALSE(line.exchange.Busy());
  line.Feed(kInfo7, 10);
  EXPECT_EQ(line.exchange.Poll(1000), ExchangeResult::Pending);
  EXPECT_EQ(line.sent.size(), 1u);
  EXPECT_EQ(line.exchange.Counters().answers, 0u);
}

}  // namespace
}  // namespace kestrova::testing
