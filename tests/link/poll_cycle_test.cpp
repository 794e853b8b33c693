// The request schedule of the poll cycle, as the bytes that go out on the line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/console_fixture.h"

namespace kestrova::testing {
namespace {

// The frames of one tick as hex, "" when nothing was sent.
std::string Tick(ConsoleFixture& c) {
  std::string out;
  for (const Frame& f : c.Ticks(1)) out += (out.empty() ? "" : " | ") + ToHex(f);
  return out;
}

// Leaves `count` unread bytes in the ring: the head of a board-information response announcing
// 120 text bytes, which the scan leaves waiting for the rest.
void Backlog(ConsoleFixture& c, std::size_t count) {
  Frame bytes = Hex("06 01 0F 02 78");
  bytes.resize(count, 0x00);
  c.port.Feed(bytes);
}

TEST(PollCycle, PhasesWithNothingPending) {
  ConsoleFixture c;
  c.OpenPort();
  c.AdvanceToPhase(0);
  EXPECT_EQ(Tick(c), "05 01 0F 00 15");
  EXPECT_EQ(Tick(c), "");
  EXPECT_EQ(Tick(c), "05 01 0F 02 17");  // board information until TextBox1 has text
  EXPECT_EQ(Tick(c), "");
  c.AdvanceToPhase(2);
  EXPECT_EQ(Tick(c), "05 01 0F 02 17");
  EXPECT_TRUE(c.form.f_Command02);

  // The model has arrived: the flag is cleared and the rest of the chain is served in the
  // same tick, here the factory-data read of the visible factory window.
  c.main.SetText("TextBox1", "M1");
  c.factory.SetVisible("F_Setup_Form", true);
  c.AdvanceToPhase(2);
  EXPECT_EQ(Tick(c), "05 01 0F 03 18");
  EXPECT_FALSE(c.form.f_Command02);
  EXPECT_EQ(Tick(c), "");
  EXPECT_EQ(Tick(c), "05 01 0F 00 15");
  c.factory.SetVisible("F_Setup_Form", false);
  c.AdvanceToPhase(2);
  EXPECT_EQ(Tick(c), "");
}

TEST(PollCycle, AddressReadGoesBeforeAddressWrite) {
  ConsoleFixture c;
  c.OpenPort();
  c.main.SetText("AddrText1", "5");
  c.form.f_Addr_Command2 = true;
  c.form.f_Addr_Command1 = true;
  c.AdvanceToPhase(2);
  EXPECT_EQ(Tick(c), "05 00 0F 01 15");
  EXPECT_TRUE(c.form.f_Addr_Command1);
  c.AdvanceToPhase(2);
  EXPECT_EQ(Tick(c), "05 01 1E 1C 01 05 46");
  EXPECT_FALSE(c.form.f_Addr_Command1);
  c.AdvanceToPhase(2);
  EXPECT_EQ(Tick(c), "05 01 0F 02 17");
}

TEST(PollCycle, BacklogWithholdsRequests) {
  ConsoleFixture c;
  c.OpenPort();
  c.AdvanceToPhase(0);
  c.form.f_Addr_Command2 = true;
  Backlog(c, 85);
  EXPECT_EQ(Tick(c), "");  // 85 unread: no run-data read
  EXPECT_EQ(c.form.Ring.m_DataNo, 85);
  EXPECT_EQ(Tick(c), "");
  EXPECT_EQ(Tick(c), "05 00 0F 01 15");  // phase 2 still sends below 100

  ConsoleFixture full;
  full.OpenPort();
  full.form.f_Addr_Command2 = true;
  Backlog(full, 100);
  EXPECT_TRUE(full.Ticks(2).empty());  // (a waiting start on a quiet line is dropped later)
  EXPECT_TRUE(full.form.f_Addr_Command2);
}

TEST(PollCycle, TickCounterWrapsToPhaseZero) {
  ConsoleFixture c;
  c.OpenPort();
  c.form.TickNo = 31999;
  EXPECT_EQ(Tick(c), "05 01 0F 00 15");
  EXPECT_EQ(c.form.TickNo, 0);
}

TEST(PollCycle, ClosedPortHoldsTheTickCounter) {
  ConsoleFixture c;
  c.OpenPort();
  c.Ticks(3);
  c.form.f_Addr_Command2 = true;
  c.form.CommPort_ToggleButton_Click();  // close
  EXPECT_TRUE(c.Ticks(9).empty());
  EXPECT_EQ(c.form.TickNo, 3);
  EXPECT_TRUE(c.form.f_Addr_Command2);
  c.form.CommPort_ToggleButton_Click();  // open again: the phase schedule resumes
  EXPECT_EQ(Tick(c), "05 01 0F 00 15");
  EXPECT_EQ(Tick(c), "");
  EXPECT_EQ(Tick(c), "05 00 0F 01 15");
}

}  // namespace
}  // namespace kestrova::testing
