// Several simulated boards on one pseudo-terminal answer an address read at once, as boards
// sharing a real line would: the answers arrive OR-ed. (Each board answering its own address
// only, silent boards and boards that lose power are met by the bus scan and the agent's tests.)
#include <gtest/gtest.h>

#include "protocol/frames.h"
#include "serial/sim_process.h"

namespace kestrova::testing {
namespace {

TEST(MultiBoardSimulator, AnAddressReadAnsweredBySeveralBoardsArrivesOred) {
  SimLink link({"--address", "1,5,9", "--reply-delay", "5"});
  ASSERT_TRUE(link.Open()) << link.port.ErrorText();
  // "06 00 0F 01 01 A C" from boards 1, 5 and 9 at once, whose checksum cannot hold.
  link.port.Output(AddressReadRequest());
  Frame mixed;
  WaitFor([&] {
    const auto in = link.port.Input();
    mixed.insert(mixed.end(), in.begin(), in.end());
    return mixed.size() >= 7;
  });
  const std::uint8_t sums = (0x17 + 1) | (0x17 + 5) | (0x17 + 9);
  EXPECT_EQ(mixed, (Frame{0x06, 0x00, 0x0F, 0x01, 0x01, 1 | 5 | 9, sums}));
}

}  // namespace
}  // namespace kestrova::testing
