// The new-address field, the address and simulated-temperature buttons and their writes.
// Where the writes stand in the poll cycle is the poll-cycle tests' business.
#include <gtest/gtest.h>

#include "fakes/console_fixture.h"

namespace kestrova::testing {
namespace {

// The frame the pending write would send now, "" for none.
std::string Sent(ConsoleFixture& f, void (MainForm::*send)()) {
  (f.form.*send)();
  const auto written = f.port.TakeWritten();
  return written.empty() ? "" : ToHex(written.at(0));
}

TEST(DeviceAddress, EveryChangeIsCheckedAndNoAddressBecomesOne) {
  for (const auto& [text, accepted] : {std::pair{"2", true}, {"20", true}, {"0.4", true}, {"&H14", true}, {"25", false},
                                       {"20.5", false}, {"0", false}, {"", false}, {"-0.4", false}}) {
    ConsoleFixture f;
    f.main.SetText("AddrText1", text);
    f.form.OnNewAddressEdited();
    EXPECT_EQ(f.box.shown.size(), accepted ? 0u : 1u) << text;
    EXPECT_EQ(f.main.Text("AddrText1"), accepted ? text : "1") << text;
  }
}

// The address write carries the text at sending time, half to even; the simulated temperature
// goes as 2v + 80 and is refused at the press with "数据错误！" when it has no one-byte form.
TEST(CommandWrites, AddressAndSimulatedTemperature) {
  const std::tuple<int, const char*, const char*> addresses[] = {
      {1, "0.4", "05 01 1E 1C 01 00 41"}, {1, "2.5", "05 01 1E 1C 01 02 43"}, {255, "5", "05 FF 1E 1C 01 05 44"},
      {1, "-3", ""}, {1, "256", ""}};
  for (const auto& [address, text, frame] : addresses) {
    ConsoleFixture f;
    f.form.deviceAddress = address;
    f.main.SetText("AddrText1", text);
    EXPECT_EQ(Sent(f, &MainForm::SendAddressWrite), frame) << text;
    EXPECT_EQ(f.form.deviceAddress, address);  // kept until the board reports its new address
  }
  const std::pair<const char*, const char*> temperatures[] = {
      {"25", "05 01 1E 32 01 82 D9"},   {"-40", "05 01 1E 32 01 00 57"}, {"25.75", "05 01 1E 32 01 84 DB"},
      {"87.7", "05 01 1E 32 01 FF 56"}, {"87.75", ""}, {"-40.3", ""}, {"1e400", ""}};
  for (const auto& [text, frame] : temperatures) {
    ConsoleFixture f;
    f.port.open = true;
    f.main.SetText("SetupT_Text", text);
    f.form.OnSendSimTemperature();
    EXPECT_EQ(f.form.pending.Has(PollRequest::SimTemperature), *frame != '\0') << text;
    EXPECT_EQ(f.box.shown.size(), *frame ? 0u : 1u) << text;
    EXPECT_EQ(Sent(f, &MainForm::SendSimTemperature), frame) << text;
  }
}

}  // namespace
}  // namespace kestrova::testing
