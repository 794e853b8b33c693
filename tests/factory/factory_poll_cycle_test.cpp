// The factory window as served by the poll cycle: its frames go out on command ticks only.
#include <gtest/gtest.h>

#include "factory/factory_fixture.h"

namespace kestrova::testing {
namespace {

struct Polled : FactoryFixture {
  Polled() {
    OpenPort();
    main.SetText("TextBox1", "KT-200");  // board information already shown
    factory.SetVisible("F_Setup_Form", true);
    Fill({{"H_Fan_Text", "20"}, {"S_H_Fan_Text", "30"}});
  }
  // The frames of the next command tick.
  std::vector<std::string> CommandTick() {
    AdvanceToPhase(2);
    std::vector<std::string> out;
    for (const Frame& f : Ticks(1)) out.push_back(ToHex(f));
    return out;
  }
};

using Frames = std::vector<std::string>;

TEST(FactoryPollCycle, OneFrameACommandTickThenTheFactoryReadResumes) {
  Polled p;
  EXPECT_EQ(p.CommandTick(), Frames{"05 01 0F 03 18"});
  p.window.F_Setup_Command_Click();
  EXPECT_EQ(p.CommandTick(), Frames{"05 01 1E 1B 01 1E 5E"});
  EXPECT_EQ(p.CommandTick(), Frames{});  // the walk ends without a frame
  EXPECT_FALSE(p.form.f_F_Setup_Command);
  EXPECT_EQ(p.CommandTick(), Frames{"05 01 0F 03 18"});
}

TEST(FactoryPollCycle, AHigherPriorityCommandGoesFirst) {
  Polled p;
  p.window.F_Setup_Command_Click();
  p.form.Addr_Command2_Click();
  EXPECT_EQ(p.CommandTick(), Frames{"05 00 0F 01 15"});
  EXPECT_EQ(p.CommandTick(), Frames{"05 01 1E 1B 01 1E 5E"});
}

TEST(FactoryPollCycle, AFactoryResponseFillsTheWindowAndNoMainWindowField) {
  Polled p, twin;  // twin runs the same ticks without the response
  p.port.Feed(Hex("06 01 0F 03 0C B4 05 DC 05 41 32 64 64 64 64 01 0A CD"));
  p.Ticks(2);
  twin.Ticks(2);
  EXPECT_EQ(p.factory.Text("DCVlow_Text"), "180");
  EXPECT_EQ(p.factory.Text("Ver_Text"), "A2");
  EXPECT_TRUE(p.factory.Checked("CheckBox2"));
  EXPECT_EQ(p.factory.Text("S_H_Fan_Text"), "30");
  for (auto* polled : {&p, &twin}) {  // the status bar counts the response; the form does not
    polled->main.texts.erase("LinkStatus");
    polled->main.texts.erase("LinkStats");
  }
  EXPECT_EQ(p.main.texts, twin.main.texts);
  EXPECT_EQ(p.main.checks, twin.main.checks);
  EXPECT_EQ(p.main.numbers, twin.main.numbers);
}

}  // namespace
}  // namespace kestrova::testing
