// Several simulated boards on one pseudo-terminal, asked through the shared-line exchange as a
// bus master would: each board answers its own address only, a silent board and a board that
// lost power never, and an address read answered by several boards arrives OR-ed.
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bus/exchange.h"
#include "protocol/char_codes.h"
#include "serial/sim_process.h"

namespace kestrova::testing {
namespace {

// Asks one board once over the real port; the answer frame, or empty when none came.
Frame Ask(SimLink& link, std::uint8_t address, std::uint8_t subtype, int attempts = 1) {
  QElapsedTimer clock;
  clock.start();
  Exchange exchange([&](std::span<const std::uint8_t> f) { link.port.Output(f); });
  exchange.StartRead(address, subtype, clock.elapsed(), attempts);
  ExchangeResult result = ExchangeResult::Pending;
  WaitFor([&] {
    exchange.Receive(link.port.Input(), clock.elapsed());
    result = exchange.Poll(clock.elapsed());
    return result != ExchangeResult::Pending;
  });
  return result == ExchangeResult::Answered ? exchange.Answer() : Frame{};
}

std::string InfoText(const Frame& answer) {
  if (answer.size() < 7) return "";
  return BytesToText(std::span(answer).subspan(5, answer[4] - 1));
}

TEST(MultiBoardSimulator, EachBoardAnswersItsOwnAddress) {
  SimLink link({"--address", "1-2,5,9", "--silent-address", "2", "--info", "M%a/P2/VA2.3",
                           "--reply-delay", "5", "--kill-after", "5:1.5"});
  ASSERT_TRUE(link.Open()) << link.port.ErrorText();
  EXPECT_EQ(InfoText(Ask(link, 1, kBoardInfo)), "M1/P2/VA2.3");
  EXPECT_EQ(InfoText(Ask(link, 9, kBoardInfo)), "M9/P2/VA2.3");
  EXPECT_EQ(InfoText(Ask(link, 5, kBoardInfo)), "M5/P2/VA2.3");
  EXPECT_EQ(Ask(link, 2, kBoardInfo, 2), Frame{});  // silent

  // Boards 1, 5 and 9 answer the address read at once: "06 00 0F 01 01 A C" OR-ed, whose
  // checksum cannot hold, so the exchange sees no good answer.
  link.port.Output(AddressReadRequest());
  Frame mixed;
  WaitFor([&] {
    const auto in = link.port.Input();
    mixed.insert(mixed.end(), in.begin(), in.end());
    return mixed.size() >= 7;
  });
  const std::uint8_t sums = (0x17 + 1) | (0x17 + 5) | (0x17 + 9);
  EXPECT_EQ(mixed, (Frame{0x06, 0x00, 0x0F, 0x01, 0x01, 1 | 5 | 9, sums}));

  WaitFor([] { return false; }, 1600);  // board 5 loses power
  EXPECT_EQ(Ask(link, 5, kBoardInfo), Frame{});
  EXPECT_EQ(InfoText(Ask(link, 1, kBoardInfo)), "M1/P2/VA2.3");
}

}  // namespace
}  // namespace kestrova::testing
