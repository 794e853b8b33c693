#include "link/port_table.h"

#include <gtest/gtest.h>

namespace kestrova::testing {
namespace {

using Paths = std::vector<std::string>;

TEST(PortTable, ParsesTheVariableTrimmingBlanksAndSkippingEmptyEntries) {
  EXPECT_EQ(ParsePortList(" /dev/ttyUSB0 , ,/dev/serial/by-id/usb-x-port0,,"),
            (Paths{"/dev/ttyUSB0", "/dev/serial/by-id/usb-x-port0"}));
  EXPECT_EQ(ParsePortList("/dev/pts/3"), (Paths{"/dev/pts/3"}));
  EXPECT_TRUE(ParsePortList("").empty());
  EXPECT_TRUE(ParsePortList(" , \t,").empty());
}

TEST(PortTable, OrdersUsbAdaptersFirstInNaturalOrderThenBuiltInPorts) {
  const Paths listed{"/dev/ttyS1", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyAMA0",
                     "/dev/ttyUSB2", "/dev/ttyS0", "/dev/ttyS10", "/dev/ttyS2"};
  EXPECT_EQ(OrderSerialDevices(listed),
            (Paths{"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS1",
                   "/dev/ttyS2", "/dev/ttyS10", "/dev/ttyAMA0"}));
}

#ifndef _WIN32
TEST(PortTable, TheVariableReplacesTheSystemListing) {
  int listings = 0;
  const auto system = [&] {
    ++listings;
    return Paths{"/dev/ttyS0", "/dev/ttyUSB0"};
  };
  EXPECT_EQ(BuildPortTable("/dev/pts/7, /dev/pts/8", system), (Paths{"/dev/pts/7", "/dev/pts/8"}));
  EXPECT_EQ(listings, 0);
  // Set but empty: no ports, and the system's devices are not offered behind the operator's back.
  EXPECT_TRUE(BuildPortTable("", system).empty());
  EXPECT_EQ(BuildPortTable(nullptr, system), (Paths{"/dev/ttyUSB0", "/dev/ttyS0"}));
  EXPECT_EQ(listings, 1);
}
#endif

TEST(PortTable, PortNumberNamesTheNthEntry) {
  const Paths table{"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyS0"};
  EXPECT_EQ(PortTableEntry(table, 1), "/dev/ttyUSB0");
  EXPECT_EQ(PortTableEntry(table, 3), "/dev/ttyS0");
  EXPECT_EQ(PortTableEntry(table, 4), "");
  EXPECT_EQ(PortTableEntry(table, 0), "");
  const Paths ten(10, "/dev/x");
  EXPECT_EQ(PortTableEntry(ten, 10), "");  // only single-digit port numbers exist
}

}  // namespace
}  // namespace kestrova::testing
