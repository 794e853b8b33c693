// The port table: the KESTROVA_PORTS list or the system's devices in a stable order.
#include "link/port_table.h"

#include <gtest/gtest.h>

namespace kestrova::testing {
namespace {

using Paths = std::vector<std::string>;

TEST(PortTable, TheVariableListsThePortsTrimmedWithoutEmptyEntries) {
  EXPECT_EQ(ParsePortList(" /dev/ttyUSB0 , ,/dev/serial/by-id/usb-x-port0,,"),
            (Paths{"/dev/ttyUSB0", "/dev/serial/by-id/usb-x-port0"}));
  EXPECT_TRUE(ParsePortList(" , \t,").empty());
#ifndef _WIN32
  int listings = 0;
  const auto system = [&] {
    ++listings;
    return Paths{"/dev/ttyS0", "/dev/ttyUSB0"};
  };
  EXPECT_EQ(BuildPortTable("/dev/pts/7, /dev/pts/8", system), (Paths{"/dev/pts/7", "/dev/pts/8"}));
  EXPECT_TRUE(BuildPortTable("", system).empty());  // set but empty: no ports, no system devices
  EXPECT_EQ(listings, 0);
  EXPECT_EQ(BuildPortTable(nullptr, system), (Paths{"/dev/ttyUSB0", "/dev/ttyS0"}));
#endif
}

TEST(PortTable, UsbAdaptersFirstInNaturalOrderAndPortNumbersOneToNine) {
  EXPECT_EQ(OrderSerialDevices({"/dev/ttyS1", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyAMA0", "/dev/ttyUSB2",
                                "/dev/ttyS0", "/dev/ttyS10", "/dev/ttyS2", "/dev/ttyS1"}),
            (Paths{"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2",
                   "/dev/ttyS10", "/dev/ttyAMA0"}));
  const Paths ten{"/dev/a", "/dev/b", "", "", "", "", "", "", "", "/dev/j"};
  EXPECT_EQ(PortTableEntry(ten, 1) + PortTableEntry(ten, 2), "/dev/a/dev/b");
  EXPECT_EQ(PortTableEntry(ten, 0) + PortTableEntry(ten, 10) + PortTableEntry(Paths{"/dev/a"}, 2), "");
}

}  // namespace
}  // namespace kestrova::testing
