// The ports: the port table (the KESTROVA_PORTS list or the system's devices in a stable order,
// numbers kept as adapters come and go),
// the probe, the selector, the open/close toggle, and what the operator sees when the port fails.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fakes/console_fixture.h"
#include "link/port_table.h"

namespace kestrova::testing {
namespace {

using Texts = std::vector<std::string>;
using Paths = Texts;
const std::string kOpen = "打开串口", kClose = "关闭串口";

// The first tick lists the ports of COM1..COM3 that open and shows the first, with its device
// as the tooltip; the arrows appear for more than one. Without any port it probes every tick.
TEST(PortDiscovery, ProbeListsFreePortsOfCom1ToCom3AndShowsTheFirst) {
  const std::tuple<std::set<int>, Texts, bool> cases[] = {
      {{2, 3}, {"COM2", "COM3"}, true}, {{1}, {"COM1"}, false}, {{1, 2, 3, 4}, {"COM1", "COM2", "COM3"}, true}};
  for (const auto& [free, listed, arrows] : cases) {
    ConsoleFixture c;
    c.port.available = free;
    c.port.devices[*free.begin()] = "/dev/ttyUSB0";
    c.form.OnPollTick();
    const FoundPorts& found = c.form.ports;
    EXPECT_EQ(Texts(found.portNames.begin(), found.portNames.begin() + found.portCount), listed);
    EXPECT_EQ(c.main.Text("CommPortText") + " " + c.main.tips["CommPortText"], listed[0] + " /dev/ttyUSB0");
    EXPECT_EQ(c.main.Visible("CommPortVScroll"), arrows);
    EXPECT_FALSE(c.port.open);
  }
  ConsoleFixture c;
  c.port.available = {};
  c.Ticks(3);
  c.form.OnTogglePort();  // nothing to open
  EXPECT_EQ(c.main.Text("CommPort_ToggleButton") + c.main.Text("CommPortText"), kOpen);
  c.port.available = {3};
  c.Ticks(1);
  c.port.available = {1, 3};
  c.Ticks(4);  // a port plugged in later is offered within a second, after the ones offered
  EXPECT_EQ(Texts(c.form.ports.portNames.begin(), c.form.ports.portNames.begin() + 2), (Texts{"COM3", "COM1"}));
  EXPECT_EQ(c.main.Text("CommPortText"), "COM3");
  EXPECT_TRUE(c.main.Visible("CommPortVScroll") && c.box.shown.empty());
}

// The arrows choose the port the next open uses; closing the console releases the port.
TEST(PortDiscovery, TheToggleOpensAndClosesThePortTheArrowsChose) {
  ConsoleFixture c;
  c.port.available = {1, 2, 3};
  c.port.devices[3] = "/dev/ttyUSB2";
  c.Ticks(1);
  c.main.SetNumber("CommPortVScroll", 2);
  c.form.OnNextPort();
  c.Ticks(1);
  EXPECT_EQ(c.main.Text("CommPortText") + " " + c.main.tips["CommPortText"], "COM3 /dev/ttyUSB2");
  c.form.OnTogglePort();
  EXPECT_EQ(c.main.Text("CommPort_ToggleButton"), kClose);
  EXPECT_TRUE(c.port.open && c.port.number == 3);
  c.form.OnTogglePort();
  EXPECT_EQ(c.main.Text("CommPort_ToggleButton"), kOpen);
  EXPECT_FALSE(c.port.open);
  c.main.SetNumber("CommPortVScroll", 3);  // past the last port: back to the first
  c.form.OnNextPort();
  EXPECT_EQ(c.main.Number("CommPortVScroll"), 0);
  c.form.OnTogglePort();  // open again, then the console closes: the port is released
  c.form.OnClose();
  EXPECT_FALSE(c.port.open);
}

// A failed open leaves the link closed and says why at once; a port lost while open is closed
// and reported once, from the event loop. While closed, the probe tries the ports not found yet
// once a second and leaves the chosen port selected: a service report made afterwards names the
// port of the visit.
TEST(PortDiscovery, FailedOpenAndLostPort) {
  ConsoleFixture c;  // COM1 only
  c.Ticks(1);
  EXPECT_EQ(c.port.CommPort(), 0) << "nothing chosen yet";
  c.port.available = {};
  c.form.OnTogglePort();
  EXPECT_FALSE(c.port.open);
  EXPECT_EQ(c.main.Text("CommPort_ToggleButton"), kOpen);
  EXPECT_EQ(c.box.shown, Texts{"无法打开串口：port 1 missing"});
  c.port.available = {1};
  c.form.OnTogglePort();
  c.port.Unplug("gone");
  EXPECT_TRUE(c.Ticks(8).empty());
  EXPECT_EQ(c.box.posted, Texts{"串口已断开：COM1（设备已拔出或断电）"});
  EXPECT_EQ(c.main.Text("CommPort_ToggleButton"), kOpen);
  EXPECT_EQ(c.port.CommPort(), 1);
}

TEST(PortTable, TheVariableListsThePortsTrimmedWithoutEmptyEntries) {
#ifndef _WIN32
  const auto system = [] { return Paths{"/dev/ttyS0", "/dev/ttyUSB0"}; };
  EXPECT_EQ(BuildPortTable(" /dev/pts/7, ,/dev/pts/8,,", system), (Paths{"/dev/pts/7", "/dev/pts/8"}));
  EXPECT_TRUE(BuildPortTable("", system).empty());  // set but empty: no ports, no system devices
  EXPECT_EQ(BuildPortTable(nullptr, system), (Paths{"/dev/ttyUSB0", "/dev/ttyS0"}));
#endif
}

TEST(PortTable, UsbAdaptersFirstInNaturalOrderAndPortsOneToNine) {
  EXPECT_EQ(OrderSerialDevices({"/dev/ttyS1", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyAMA0", "/dev/ttyUSB2",
                                "/dev/ttyS0", "/dev/ttyS10", "/dev/ttyS2", "/dev/ttyS1"}),
            (Paths{"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2",
                   "/dev/ttyS10", "/dev/ttyAMA0"}));
  // Leading zeros do not count, a name that stops early comes first, a letter after a digit.
  EXPECT_EQ(OrderSerialDevices({"/dev/rfcommB", "/dev/rfcomm10", "/dev/rfcomm", "/dev/rfcomm009", "/dev/rfcomm9a",
                                "/dev/rfcomm0"}),
            (Paths{"/dev/rfcomm", "/dev/rfcomm0", "/dev/rfcomm009", "/dev/rfcomm9a", "/dev/rfcomm10", "/dev/rfcommB"}));
  EXPECT_EQ(OrderSerialDevices({"/dev/rfcomm9a", "/dev/rfcomm10"}), (Paths{"/dev/rfcomm9a", "/dev/rfcomm10"}));
  // Ports 1 to 9 of the table; none before the first or after the last.
  const Paths ten{"/dev/a", "", "", "", "", "", "", "", "/dev/i", "/dev/j"};
  EXPECT_EQ(PortTableEntry(ten, 1) + PortTableEntry(ten, 9), "/dev/a/dev/i");
  EXPECT_EQ(PortTableEntry(ten, 0) + PortTableEntry(ten, 10) + PortTableEntry(Paths{"/dev/a"}, 2), "");
  // The selector's text names a port by its last character only.
  for (const auto& [text, number] : {std::pair{"COM9", 9}, {"COM03", 3}, {"COM0", 0}, {"COM:", 0}, {"COM/", 0}, {"", 0}})
    EXPECT_EQ(PortNumberOf(text), number) << text;
}

// Port numbers once given keep their device when adapters come and go: ttyUSB1 sorts first in a
// fresh listing, but COM1 and COM2 keep their devices; a pulled adapter keeps its number.
TEST(PortNumbers, AnAdapterPluggedInLaterComesBehindAndNumbersStay) {
  const Paths start = KeepNumbers({}, {"/dev/ttyUSB0", "/dev/ttyS0"});
  EXPECT_EQ(start, (Paths{"/dev/ttyUSB0", "/dev/ttyS0"}));
  EXPECT_EQ(KeepNumbers(start, {"/dev/ttyUSB1", "/dev/ttyS0"}), (Paths{"/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyUSB1"}));
}

}  // namespace
}  // namespace kestrova::testing
