// "发送设置" with the walk of SendSetupData, and "复制设置", through the real handlers.
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
  // One call of the walk: its frame as hex, "-" when it sent none.
  std::string Next() {
    form.SendSetupData();
    const auto written = port.TakeWritten();
    EXPECT_LE(written.size(), 1u);
    return written.empty() ? "-" : ToHex(written[0]);
  }
  // `calls` calls; the flag must stay set until the last of them and be clear after it.
  Texts Walk(int calls) {
    Texts out;
    for (int i = 1; i <= calls; ++i) {
      out.push_back(Next());
      EXPECT_EQ(form.f_SetupButton, i < calls) << "call " << i;
    }
    return out;
  }
  Texts PressAndWalk(int calls) { form.Setup_Command_Click(); return Walk(calls); }
};

TEST(SettingsTransmission, WorkedFramesAndExactTextComparison) {
  const struct { const char* field; const char* text; const char* frame; } rows[] = {
      {"S_TempMax_Text", "50", "05 01 1E 0C 01 5A 8B"}, {"S_TempMin_Text", "-40", "05 01 1E 0D 01 00 32"},
      {"S_TECcoolStart_Text", "35", "05 01 1E 00 01 4B 70"}, {"S_TECcurrL_Text", "0.5", "05 01 1E 0E 01 05 38"},
      {"S_IntFanLowS_Text", "1000", "05 01 1E 05 02 03 E8 16"},
      {"S_ExtFanHighS_Text", "5000", "05 01 1E 0A 02 13 88 CB"},
      {"S_TECcoolStop_Text", "26.5", "05 01 1E 01 01 42 68"},       // 66.5 goes to 66
      {"S_IntFanHighS_Text", "1535.6", "05 01 1E 07 02 06 00 33"},  // rounded before the split
      {"S_TECcoolStop_Text", "", "05 01 1E 01 01 28 4E"},  // empty: the encoding of 0
      {"S_TECcurrH_Text", "", "05 01 1E 0F 01 00 34"}, {"S_IntFanLowS_Text", "", "05 01 1E 05 02 00 00 2B"},
      {"S_TempMin_Text", "1.0", "05 01 1E 0D 01 29 5B"}, {"S_TempMin_Text", " 1", "05 01 1E 0D 01 29 5B"}};
  for (const auto& r : rows) {
    Settings f{{r.field, r.text}};
    f.form.Setup_Command_Click();
    EXPECT_EQ(f.Next(), r.frame) << r.field << " '" << r.text << "'";
  }
}

TEST(SettingsTransmission, WalkSendsOneChangedSettingPerCallAndEndsPastCode15) {
  EXPECT_EQ(Settings().PressAndWalk(1), Texts{"-"});
  EXPECT_EQ(Settings({{"S_TempMin_Text", "-10"}}).PressAndWalk(2), (Texts{"05 01 1E 0D 01 1E 50", "-"}));
  EXPECT_EQ(Settings({{"S_IntFanLowS_Text", "1000"}, {"S_IntFanHighS_Text", "3000"}}).PressAndWalk(3),
            (Texts{"05 01 1E 05 02 03 E8 16", "05 01 1E 07 02 0B B8 F0", "-"}));
  Settings all;
  for (const SettingPair& p : kSettingPairs) all.main.SetText(p.edit, "2");
  Texts bodies;  // code, length and data of each frame: "2" in every row's encoding
  for (const std::string& frame : all.PressAndWalk(13))
    bodies.push_back(frame.substr(9, frame.size() - 12));
  EXPECT_EQ(bodies, (Texts{"00 01 2A", "01 01 2A", "02 01 2A", "03 01 2A", "04 01 02", "05 02 00 02",
                           "07 02 00 02", "09 01 02", "0A 02 00 02", "0C 01 2A", "0D 01 2A", "0E 01 14",
                           "0F 01 14"}));
}

TEST(SettingsTransmission, PressNeedsTheOpenPortAndBothKeyFieldsAndRestarts) {
  Settings f{{"S_TECcoolStart_Text", "30"}, {"S_TECcoolStop_Text", "20"}};
  f.form.Setup_Command_Click();
  EXPECT_EQ(f.Next(), "05 01 1E 00 01 46 6B");
  EXPECT_EQ(f.PressAndWalk(3), (Texts{"05 01 1E 00 01 46 6B", "05 01 1E 01 01 3C 62", "-"}));
  f.port.open = false;
  f.form.Setup_Command_Click();
  EXPECT_FALSE(f.form.f_SetupButton);
  EXPECT_EQ(f.form.m_SetupNo, 16);
  for (const char* key : {"S_TECcoolStart_Text", "S_TempMin_Text"}) {
    Settings g{{key, ""}};
    g.form.Setup_Command_Click();
    EXPECT_EQ(g.box.shown, Texts{std::string(kNoData)});
    EXPECT_FALSE(g.form.f_SetupButton);
  }
  EXPECT_TRUE(f.box.shown.empty());
}

// A setting that would go out but has no wire form is never wrapped or clamped.
TEST(SettingsTransmission, ValueWithoutWireFormStopsTheStartOrIsSkippedMidWalk) {
  for (const auto& [field, text] : {std::pair{"S_TempMax_Text", "216"}, {"S_TempMin_Text", "-41"},
                                    {"S_TECcurrH_Text", "26"}, {"S_IntFanLowS_Text", "-1"},
                                    {"S_ExtFanHighS_Text", "65536"}, {"S_IntFanHighS_Text", "1e400"}}) {
    Settings f{{field, text}};
    f.form.Setup_Command_Click();
    EXPECT_EQ(f.box.shown, Texts{std::string(kDataError)}) << field << " " << text;
    EXPECT_FALSE(f.form.f_SetupButton);
  }
  Settings same{{"S_TempMax_Text", "300"}, {"TempMax_Text", "300"}};  // not sent, so no block
  EXPECT_EQ(same.PressAndWalk(1), Texts{"-"});
  EXPECT_TRUE(same.box.shown.empty());
  Settings f{{"S_TempMax_Text", "50"}, {"S_TempMin_Text", "-10"}};
  f.form.Setup_Command_Click();
  f.main.SetText("S_TempMax_Text", "300");
  EXPECT_EQ(f.Walk(2), (Texts{"05 01 1E 0D 01 1E 50", "-"}));
}

TEST(CopySettings, CopiedTextsSendNothingAndEmptyReadBacksRefuseTheSend) {
  Settings f;
  for (const SettingPair& p : kSettingPairs) {
    f.main.SetText(p.readBack, " 2" + std::to_string(p.code) + ".50"), f.main.SetText(p.edit, "7");
  }
  f.port.open = false;  // copying needs no port
  f.form.Copy_Command_Click();
  for (const SettingPair& p : kSettingPairs) EXPECT_EQ(f.main.Text(p.edit), f.main.Text(p.readBack));
  f.port.open = true;
  EXPECT_EQ(f.PressAndWalk(1), Texts{"-"});
  for (const SettingPair& p : kSettingPairs) f.main.SetText(p.readBack, "");
  f.form.Copy_Command_Click();
  f.form.Setup_Command_Click();
  EXPECT_EQ(f.box.shown, Texts{std::string(kNoData)});
  EXPECT_FALSE(f.form.f_SetupButton);
  EXPECT_TRUE(f.port.written.empty());
}

}  // namespace
}  // namespace kestrova::testing
