// The new-address field, the address buttons and the address write, through the handlers.
#include <gtest/gtest.h>

#include "fakes/console_fixture.h"

namespace kestrova::testing {
namespace {

TEST(DeviceAddress, ChangeCheckResetsNoAddressToOne) {
  for (const auto& [text, accepted] :
       {std::pair{"2", true}, {"20", true}, {"0.4", true}, {"&H14", true}, {"25", false}, {"20.5", false},
        {"0", false}, {"", false}, {"abc", false}, {"-3", false}, {"-0.4", false}, {"1e400", false}}) {
    ConsoleFixture f;
    f.main.SetText("AddrText1", text);
    f.form.AddrText1_Change();
    EXPECT_EQ(f.box.shown.size(), accepted ? 0u : 1u) << "'" << text << "'";
    EXPECT_EQ(f.main.Text("AddrText1"), accepted ? text : "1") << "'" << text << "'";
  }
  ConsoleFixture typing;  // 2, then 5, then the last character deleted
  for (const char* text : {"2", "25", ""})
    typing.main.SetText("AddrText1", text), typing.form.AddrText1_Change();
  EXPECT_EQ(typing.box.shown, std::vector<std::string>(2, std::string(kDataError)));
  EXPECT_EQ(typing.main.Text("AddrText1"), "1");
}

TEST(DeviceAddress, WriteCarriesTheTextAtSendingTimeOrNothing) {
  const struct { int address; const char* text; const char* frame; } rows[] = {
      {1, "5", "05 01 1E 1C 01 05 46"}, {1, "0.4", "05 01 1E 1C 01 00 41"}, {1, "", "05 01 1E 1C 01 00 41"},
      {1, "2.5", "05 01 1E 1C 01 02 43"}, {255, "5", "05 FF 1E 1C 01 05 44"},
      {1, "-3", ""}, {1, "256", ""}, {1, "1e400", ""}};
  for (const auto& r : rows) {
    ConsoleFixture f;
    f.form.m_Address = r.address;
    f.main.SetText("AddrText1", r.text);
    f.form.SendAddressWrite();
    const auto written = f.port.TakeWritten();
    EXPECT_EQ(written.empty() ? "" : ToHex(written.at(0)), r.frame) << "'" << r.text << "'";
    EXPECT_EQ(f.form.m_Address, r.address);
  }
}

TEST(DeviceAddress, ButtonsOnlyRaiseFlagsWhileThePortIsOpen) {
  ConsoleFixture f;
  f.main.SetText("SetupT_Text", "25");
  for (const bool open : {false, true}) {
    f.port.open = open;
    f.form.Addr_Command1_Click(), f.form.Addr_Command2_Click(), f.form.Command3_Click();
    EXPECT_EQ((std::vector<bool>{f.form.f_Addr_Command1, f.form.f_Addr_Command2, f.form.f_Command3}),
              std::vector<bool>(3, open));
  }
  EXPECT_TRUE(f.port.written.empty() && f.box.shown.empty());
}

TEST(DeviceAddressPollCycle, ReadGoesOutBeforeWriteOnConsecutiveCommandTicks) {
  ConsoleFixture f;
  f.OpenPort();
  f.main.SetText("AddrText1", "5");
  f.AdvanceToPhase(2);
  f.form.Addr_Command1_Click(), f.form.Addr_Command2_Click();
  EXPECT_EQ(f.Ticks(1), std::vector<Frame>{Hex("05 00 0F 01 15")});
  const auto next = f.Ticks(4);  // phases 3, 0 (run-data read), 1, 2
  ASSERT_FALSE(next.empty());
  EXPECT_EQ(ToHex(next.back()), "05 01 1E 1C 01 05 46");
}

}  // namespace
}  // namespace kestrova::testing
