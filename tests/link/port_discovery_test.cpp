// Port probe, selector, open/close toggle, and what the operator sees when the port fails.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fakes/console_fixture.h"

namespace kestrova::testing {
namespace {

const std::string kOpen = "打开串口";
const std::string kClose = "关闭串口";

struct ProbeCase {
  std::set<int> free;
  std::vector<std::string> listed;
  bool scrollVisible;
};

TEST(PortDiscovery, ProbeListsFreePortsOfCom1ToCom3) {
  const std::vector<ProbeCase> cases{{{2, 3}, {"COM2", "COM3"}, true},
                                     {{1}, {"COM1"}, false},
                                     {{1, 2, 3, 4}, {"COM1", "COM2", "COM3"}, true}};
  for (const ProbeCase& p : cases) {
    ConsoleFixture c;
    c.port.available = p.free;
    c.port.devices[p.free.empty() ? 0 : *p.free.begin()] = "/dev/ttyUSB0";
    c.form.Timer1_Timer();
    ASSERT_EQ(c.form.Ports.m_CommPortNo, static_cast<int>(p.listed.size()));
    for (std::size_t i = 0; i < p.listed.size(); ++i) EXPECT_EQ(c.form.Ports.CommPortList[i], p.listed[i]);
    EXPECT_EQ(c.main.Text("CommPortText"), p.listed[0]);
    EXPECT_EQ(c.main.tips["CommPortText"], "/dev/ttyUSB0");
    EXPECT_EQ(c.main.Visible("CommPortVScroll"), p.scrollVisible);
    EXPECT_FALSE(c.port.open);
  }
}

TEST(PortDiscovery, NoPortProbesEveryTickUntilOneAppears) {
  ConsoleFixture c;
  c.port.available = {};
  c.Ticks(3);
  c.form.CommPort_ToggleButton_Click();  // nothing to open
  EXPECT_EQ(c.main.Text("CommPortText"), "");
  EXPECT_EQ(c.main.Text("CommPort_ToggleButton"), kOpen);
  EXPECT_TRUE(c.box.shown.empty());
  c.port.available = {3};
  c.Ticks(1);
  EXPECT_EQ(c.main.Text("CommPortText"), "COM3");
  c.port.available = {1, 3};
  c.Ticks(4);  // a port plugged in later is offered within a second, after the ones offered
  EXPECT_EQ(c.form.Ports.m_CommPortNo, 2);
  EXPECT_EQ(c.form.Ports.CommPortList[1], "COM1");
  EXPECT_EQ(c.main.Text("CommPortText"), "COM3");
  EXPECT_TRUE(c.main.Visible("CommPortVScroll"));
}

TEST(PortDiscovery, SelectorWrapsAndOpensTheChosenPort) {
  ConsoleFixture c;
  c.port.available = {1, 2, 3};
  c.port.devices[3] = "/dev/ttyUSB2";
  c.Ticks(1);
  for (auto [value, name] : {std::pair{1, "COM2"}, std::pair{2, "COM3"}}) {
    c.main.SetNumber("CommPortVScroll", value);
    c.form.CommPortVScroll_Change();
    EXPECT_EQ(c.main.Text("CommPortText"), name);
  }
  EXPECT_EQ(c.main.tips["CommPortText"], "/dev/ttyUSB2");
  EXPECT_EQ(c.port.opens, 3);  // only the probe opened anything
  c.form.CommPort_ToggleButton_Click();
  EXPECT_TRUE(c.port.open);
  EXPECT_EQ(c.port.number, 3);
  EXPECT_EQ(c.main.Text("CommPort_ToggleButton"), kClose);
  c.form.CommPort_ToggleButton_Click();
  EXPECT_FALSE(c.port.open);
  EXPECT_EQ(c.main.Text("CommPort_ToggleButton"), kOpen);

  c.main.SetNumber("CommPortVScroll", 3);  // past the last port: back to the first
  c.form.CommPortVScroll_Change();
  EXPECT_EQ(c.main.Number("CommPortVScroll"), 0);
  EXPECT_EQ(c.main.Text("CommPortText"), "COM1");
  EXPECT_EQ(c.port.number, 1);
}

TEST(PortDiscovery, UnloadClosesTheOpenPort) {
  ConsoleFixture c;
  c.OpenPort();
  ASSERT_TRUE(c.port.open);
  c.form.Form_Unload();
  EXPECT_FALSE(c.port.open);
}

TEST(PortDiscovery, FailedOpenLeavesTheLinkClosedAndSaysWhy) {
  ConsoleFixture c;
  c.Ticks(1);
  c.port.available = {};
  c.port.failReason[1] = "busy";
  c.form.CommPort_ToggleButton_Click();
  EXPECT_FALSE(c.port.open);
  EXPECT_EQ(c.main.Text("CommPort_ToggleButton"), kOpen);
  EXPECT_EQ(c.box.shown, std::vector<std::string>{"无法打开串口：busy"});
  EXPECT_TRUE(c.Ticks(4).empty());
  EXPECT_TRUE(c.box.posted.empty());
}

TEST(PortDiscovery, LostPortIsReportedOnceAndCanBeReopened) {
  ConsoleFixture c;
  c.OpenPort();
  c.port.Unplug("gone");
  EXPECT_TRUE(c.Ticks(8).empty());
  EXPECT_EQ(c.box.posted, std::vector<std::string>{"串口已断开：COM1（设备已拔出或断电）"});
  EXPECT_TRUE(c.box.shown.empty());
  EXPECT_EQ(c.main.Text("CommPort_ToggleButton"), kOpen);
  EXPECT_EQ(c.form.TickNo, 0);

  c.port.available.insert(1);  // the adapter is back
  c.form.CommPort_ToggleButton_Click();
  EXPECT_TRUE(c.port.open);
  EXPECT_EQ(c.main.Text("CommPort_ToggleButton"), kClose);
  EXPECT_EQ(c.Ticks(4).size(), 2u);  // run-data read and board-information read
  EXPECT_EQ(c.box.posted.size(), 1u);
}

}  // namespace
}  // namespace kestrova::testing
