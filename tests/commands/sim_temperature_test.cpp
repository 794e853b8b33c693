// "发送模拟温度": the write frame, the button, and the write's place behind other requests.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/console_fixture.h"

namespace kestrova::testing {
namespace {

// A value with a wire form is requested by the button and sent as that frame; one without is
// refused at the press with "数据错误！" and never sent.
TEST(SimTemperature, WriteIsTwiceTheValuePlus80HalfToEvenOrRefused) {
  const struct { const char* text; const char* frame; } rows[] = {
      {"25", "05 01 1E 32 01 82 D9"}, {"-40", "05 01 1E 32 01 00 57"}, {"80", "05 01 1E 32 01 F0 47"},
      {"25.5", "05 01 1E 32 01 83 DA"}, {"25.25", "05 01 1E 32 01 82 D9"},
      {"25.75", "05 01 1E 32 01 84 DB"}, {"", "05 01 1E 32 01 50 A7"}, {"85", "05 01 1E 32 01 FA 51"},
      {"-40.25", "05 01 1E 32 01 00 57"}, {"87.7", "05 01 1E 32 01 FF 56"},
      {"87.75", ""}, {"-40.3", ""}, {"1e400", ""}};
  for (const auto& r : rows) {
    ConsoleFixture f;
    f.port.open = true;
    f.main.SetText("SetupT_Text", r.text);
    f.form.Command3_Click();
    EXPECT_EQ(f.form.f_Command3, *r.frame != '\0') << "'" << r.text << "'";
    EXPECT_EQ(f.box.shown.size(), *r.frame ? 0u : 1u) << "'" << r.text << "'";
    f.form.SendSimTemperature();
    const auto written = f.port.TakeWritten();
    EXPECT_EQ(written.empty() ? "" : ToHex(written.at(0)), r.frame) << "'" << r.text << "'";
  }
}

std::vector<int> WriteCodes(const std::vector<Frame>& frames) {  // parameter writes only
  std::vector<int> codes;
  for (const Frame& frame : frames)
    if (frame.size() > 3 && frame[2] == 0x1E) codes.push_back(frame[3]);
  return codes;
}

struct SimPollCycle : ::testing::Test, ConsoleFixture {
  void SetUp() override {
    OpenPort();
    main.SetText("SetupT_Text", "25");
    AdvanceToPhase(2);
  }
};

TEST_F(SimPollCycle, WaitsBehindASettingsTransmission) {
  main.SetText("TextBox1", "KV-20");  // board information already shown
  main.SetText("S_TECcoolStart_Text", "30"), main.SetText("S_TempMin_Text", "-10");
  form.Setup_Command_Click(), form.Command3_Click();
  EXPECT_EQ(WriteCodes(Ticks(8)), (std::vector<int>{0, 13, 0x32}));
}

TEST_F(SimPollCycle, WaitsBehindTheBoardInformationRequest) {
  form.Command3_Click();
  const auto waiting = Ticks(8);
  EXPECT_TRUE(WriteCodes(waiting).empty());
  EXPECT_EQ(std::count(waiting.begin(), waiting.end(), Hex("05 01 0F 02 17")), 2);
  main.SetText("TextBox1", "KV-20");
  const auto sent = Ticks(4);
  EXPECT_EQ(WriteCodes(sent), std::vector<int>{0x32});
  EXPECT_EQ(std::count(sent.begin(), sent.end(), Hex("05 01 1E 32 01 82 D9")), 1);
}

TEST_F(SimPollCycle, TextChangedAfterThePressToOneWithoutWireFormSendsNothing) {
  main.SetText("TextBox1", "KV-20");
  form.Command3_Click();
  main.SetText("SetupT_Text", "100");
  EXPECT_TRUE(WriteCodes(Ticks(4)).empty());
  EXPECT_FALSE(form.f_Command3);
}

}  // namespace
}  // namespace kestrova::testing
