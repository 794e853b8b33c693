// The request schedule of the poll cycle, as the bytes that go out on the line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "factory/factory_fixture.h"

namespace kestrova::testing {
namespace {

using Frames = std::vector<std::string>;

// The frames of each of the next n ticks as hex ("" for a tick that sent nothing).
Frames TickFrames(ConsoleFixture& c, int n) {
  Frames out;
  for (int i = 0; i < n; ++i) {
    out.emplace_back();
    for (const Frame& f : c.Ticks(1)) out.back() += (out.back().empty() ? "" : " | ") + ToHex(f);
  }
  return out;
}

const std::string kRun = "05 01 0F 00 15", kInfo = "05 01 0F 02 17", kAddressRead = "05 00 0F 01 15";

// Phase 0 reads the run data and phase 2 serves the first pending item of the chain: the board
// information until the model has arrived (never again after it), then the open factory
// window's data. The counter wraps onto phase 0.
TEST(PollCycle, PhasesWithNothingPending) {
  FactoryFixture c;
  c.OpenPort();
  c.AdvanceToPhase(0);
  EXPECT_EQ(TickFrames(c, 8), (Frames{kRun, "", kInfo, "", kRun, "", kInfo, ""}));
  c.main.SetText("TextBox1", "M1");
  EXPECT_EQ(TickFrames(c, 4), (Frames{kRun, "", "", ""}));
  c.main.SetText("TextBox1", "");  // once the model has arrived it is never asked for again
  c.factory.SetVisible("F_Setup_Form", true);
  c.form.pollTick = 31999;
  EXPECT_EQ(TickFrames(c, 3), (Frames{kRun, "", "05 01 0F 03 18"}));
}

TEST(PollCycle, CommandTicksServeOneRequestEachInPriorityOrder) {
  FactoryFixture c;
  c.OpenPort();
  c.main.SetText("AddrText1", "5");
  c.factory.SetVisible("F_Setup_Form", true);
  c.Fill({{"S_H_Fan_Text", "30"}});
  c.form.OnSendAddress(), c.form.OnReadAddress(), c.form.OnSendSimTemperature();
  c.window.OnSendFactorySettings();
  Frames sent;
  for (int i = 0; i < 8; ++i) {
    if (i == 4) c.main.SetText("TextBox1", "M1");  // the board information holds back the rest
    c.AdvanceToPhase(2);
    sent.push_back(TickFrames(c, 1)[0]);
  }
  EXPECT_EQ(sent, (Frames{kAddressRead, "05 01 1E 1C 01 05 46", kInfo, kInfo, "05 01 1E 32 01 50 A7",
                          "05 01 1E 1B 01 1E 5E", "", "05 01 0F 03 18"}));
}

TEST(PollCycle, ASettingsTransmissionTakesEveryTickBeforeAnythingElse) {
  ConsoleFixture c;
  c.OpenPort();
  c.main.SetText("S_TECcoolStart_Text", "30"), c.main.SetText("S_TempMin_Text", "-10");
  c.AdvanceToPhase(1);
  c.form.OnSendSettings(), c.form.OnReadAddress();
  EXPECT_EQ(TickFrames(c, 6), (Frames{"05 01 1E 00 01 46 6B", "05 01 1E 0D 01 1E 50", "", kRun, "", kAddressRead}));
}

// Unread bytes hold requests back: 80 the polls, 100 the command tick. The scan waits on a frame
// start whose frame never completes (a board-information head announcing 120 text bytes, an
// echoed write without its last byte); after three quiet ticks its start byte is dropped, the
// rest is read as noise, and requests go out again.
TEST(PollCycle, BacklogWithholdsRequestsUntilAStalledFrameStartIsDropped) {
  const auto head = [](const char* hex, std::size_t size) {
    Frame bytes = Hex(hex);
    bytes.resize(size, 0x00);
    return bytes;
  };
  const std::pair<Frame, Frames> cases[] = {
      {head("06 01 0F 02 78", 85), {"", kAddressRead, "", "", "", kInfo}},
      {head("06 01 0F 02 78", 100), {"", "", "", "", "", kAddressRead}},
      {head("05 01 1E 0C 01 5A", 6), {"", kAddressRead, "", kRun, "", kInfo}}};
  for (const auto& [bytes, frames] : cases) {
    ConsoleFixture c;
    c.OpenPort();
    c.form.pending.Add(PollRequest::AddressRead);
    c.port.Feed(bytes);
    EXPECT_EQ(TickFrames(c, 6), frames) << ToHex(bytes).substr(0, 20) << " .. " << bytes.size();
    EXPECT_EQ(c.form.ring.unreadCount, 4);
  }
}

}  // namespace
}  // namespace kestrova::testing
