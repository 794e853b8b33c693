// Port numbers once given keep their device when adapters come and go.
#include <gtest/gtest.h>

#include "link/port_table.h"

namespace kestrova::testing {
namespace {

using Table = std::vector<std::string>;

TEST(PortNumbers, AnAdapterPluggedInLaterComesBehindAndNumbersStay) {
  const Table start = KeepNumbers({}, {"/dev/ttyUSB0", "/dev/ttyS0"});
  EXPECT_EQ(start, (Table{"/dev/ttyUSB0", "/dev/ttyS0"}));
  // ttyUSB1 sorts first in a fresh listing, but COM1 and COM2 keep their devices; a pulled
  // adapter keeps its number for when it is back.
  EXPECT_EQ(KeepNumbers(start, {"/dev/ttyUSB1", "/dev/ttyS0"}), (Table{"/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyUSB1"}));
}

}  // namespace
}  // namespace kestrova::testing
