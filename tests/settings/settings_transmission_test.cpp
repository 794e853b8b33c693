// "发送设置" with the walk of SendNextSetting, through the real handlers.
#include <gtest/gtest.h>

#include "fakes/console_fixture.h"
#include "settings/setting_pairs.h"

namespace kestrova::testing {
namespace {

using Texts = std::vector<std::string>;

// Every pair holds "1" in both fields (nothing to send); the port is open.
struct Settings : ConsoleFixture {
  explicit Settings(std::initializer_list<std::pair<const char*, const char*>> edits = {}) {
    port.open = true;
    for (const SettingPair& p : kSettingPairs) main.SetText(p.edit, "1"), main.SetText(p.readBack, "1");
    for (const auto& [field, text] : edits) main.SetText(field, text);
  }
  // Presses the button (unless told not to), then calls the walk until it ends; its frames as
  // hex, "-" for a call that sent none.
  Texts Walk(bool press = true) {
    if (press) form.OnSendSettings();
    Texts out;
    for (int i = 0; i < 20 && form.pending.Has(PollRequest::Settings); ++i) {
      form.SendNextSetting();
      const auto written = port.TakeWritten();
      out.push_back(written.empty() ? "-" : ToHex(written.at(0)));
    }
    return out;
  }
};

// One changed setting per call; the flag drops with the call that writes code 15 or finds
// nothing more to write. Texts compare exactly: "1.0" is not "1".
TEST(SettingsTransmission, WorkedFramesOneChangedSettingPerCall) {
  const std::tuple<const char*, const char*, Texts> rows[] = {
      {"S_TempMin_Text", "-40", {"05 01 1E 0D 01 00 32", "-"}},
      {"S_TECcoolStop_Text", "26.5", {"05 01 1E 01 01 42 68", "-"}},  // 66.5 goes to 66
      {"S_TECcurrH_Text", "", {"05 01 1E 0F 01 00 34"}},
      {"S_IntFanHighS_Text", "1535.6", {"05 01 1E 07 02 06 00 33", "-"}},  // rounded before the split
      {"S_ExtFanHighS_Text", "0", {"05 01 1E 0A 02 00 00 30", "-"}},  // both ends of the 16-bit word
      {"S_ExtFanHighS_Text", "65535", {"05 01 1E 0A 02 FF FF 2E", "-"}},
      {"S_TempMin_Text", "1.0", {"05 01 1E 0D 01 29 5B", "-"}}, {"S_TempMin_Text", "1", {"-"}}};
  for (const auto& [field, text, frames] : rows)
    EXPECT_EQ(Settings({{field, text}}).Walk(), frames) << field << " " << text;
  Settings all;
  for (const SettingPair& p : kSettingPairs) all.main.SetText(p.edit, "2");
  Texts bodies;  // code, length and data of each frame: "2" in every row's encoding
  for (const std::string& frame : all.Walk()) bodies.push_back(frame.substr(9, frame.size() - 12));
  EXPECT_EQ(bodies, (Texts{"00 01 2A", "01 01 2A", "02 01 2A", "03 01 2A", "04 01 02", "05 02 00 02", "07 02 00 02",
                           "09 01 02", "0A 02 00 02", "0C 01 2A", "0D 01 2A", "0E 01 14", "0F 01 14"}));
}

// Nothing starts with the port closed, with an empty first or last field ("无数据！"), or with a
// setting that would go out but has no wire form ("数据错误！"): nothing is wrapped or clamped.
// A press restarts the walk; a text spoiled during the walk is passed over.
TEST(SettingsTransmission, WhatThePressRefusesAndWhatTheWalkPassesOver) {
  const std::tuple<const char*, const char*, const char*> refused[] = {
      {"S_TECcoolStart_Text", "", "无数据！"},     {"S_TempMin_Text", "", "无数据！"},
      {"S_TempMax_Text", "216", "数据错误！"},     {"S_TECcurrH_Text", "26", "数据错误！"},
      {"S_IntFanLowS_Text", "-1", "数据错误！"}, {"S_IntFanHighS_Text", "1e400", "数据错误！"}};
  for (const auto& [field, text, message] : refused) {
    Settings f{{field, text}};
    EXPECT_EQ(f.Walk(), Texts{}) << field << " " << text;
    EXPECT_EQ(f.box.shown, Texts{message});
  }
  EXPECT_EQ(Settings({{"S_TempMax_Text", "300"}, {"TempMax_Text", "300"}}).Walk(), Texts{"-"});  // not sent: no refusal
  Settings f{{"S_TECcoolStart_Text", "30"}, {"S_TempMin_Text", "-10"}};
  f.port.open = false;
  EXPECT_EQ(f.Walk(), Texts{});
  f.port.open = true;
  f.form.OnSendSettings();
  f.form.SendNextSetting();
  EXPECT_EQ(f.port.TakeWritten().size(), 1u);
  f.form.OnSendSettings();              // restarts at code 0
  f.main.SetText("S_TempMin_Text", "-41");  // no wire form now: passed over
  EXPECT_EQ(f.Walk(false), (Texts{"05 01 1E 00 01 46 6B", "-"}));
  EXPECT_TRUE(f.box.shown.empty());
}

}  // namespace
}  // namespace kestrova::testing
