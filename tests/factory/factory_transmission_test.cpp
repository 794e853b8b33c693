// The factory window: the password that opens it, "发送设置" (which codes go out, in what order,
// what is refused, and nothing after the window is closed), the factory data shown in the
// read-back fields and the close box.
#include <gtest/gtest.h>

#include "factory/factory_fixture.h"
#include "factory/factory_settings.h"

namespace kestrova::testing {
namespace {

using Frames = std::vector<std::string>;

// What the board last reported: every parameter set, version "A2", cooling-only off.
const Texts kBoard = {{"DCVlow_Text", "45"},       {"DCVlowOffset_Text", "5"}, {"DCVhigh_Text", "220"},
                      {"DCVhighOffset_Text", "5"}, {"Ver_Text", "A2"},         {"Temp1Calib_Text", "12"},
                      {"Temp2Calib_Text", "100"},  {"DCVcalib_Text", "100"},   {"TECcurrCalib_Text", "100"},
                      {"H_Fan_Text", "20"}};

// Pressed with the port closed: the walk does not depend on it. The check boxes are the
// operator's and the board's cooling-only flag.
TEST(FactoryTransmission, SendsTheDifferingSettingsInCodeOrder) {
  const std::tuple<Texts, bool, bool, Frames> cases[] = {
      {{{"S_DCVlow_Text", "45"}, {"S_Ver_Text", "A2"}}, true, true, {}},  // nothing differs
      {{{"S_H_Fan_Text", "30"}}, false, false, {"05 01 1E 1B 01 1E 5E"}},
      {{{"S_DCVlow_Text", "0"}, {"S_DCVhigh_Text", "abc"}}, false, false, {}},  // 0 is never sent
      {{{"S_Ver_Text", "B3x"}}, false, false, {"05 01 1E 14 01 42 7B", "05 01 1E 15 01 33 6D"}},  // x is ignored
      {{}, true, false, {"05 01 1E 1A 01 01 40"}},
      {{}, false, true, {"05 01 1E 1A 01 00 3F"}},
      {{{"S_DCVlow_Text", "46.5"}, {"S_Ver_Text", "é2"}, {"S_TECcurrCalib_Text", "255.4"}}, false, false,
       {"05 01 1E 10 01 2E 63", "05 01 1E 14 01 E9 22", "05 01 1E 19 01 FF 3D"}}};  // half to even, Latin-1
  for (const auto& [edits, operatorBox, boardBox, frames] : cases) {
    FactoryFixture f;
    f.Fill(kBoard);
    f.Fill(edits);
    f.factory.SetChecked("CheckBox1", operatorBox);
    f.factory.SetChecked("CheckBox2", boardBox);
    f.window.OnSendFactorySettings();
    EXPECT_EQ(f.Walk(), frames) << ::testing::PrintToString(edits);
    EXPECT_TRUE(f.box.shown.empty()) << ::testing::PrintToString(edits);
  }
}

// Before any factory data both version characters differ; a press restarts the walk at code 16,
// and the call after the last frame ends it. A value without a byte refuses the press when it
// would be sent.
TEST(FactoryTransmission, RestartsAndValuesWithoutAByte) {
  FactoryFixture f;
  f.Fill({{"S_Ver_Text", "A2"}, {"S_H_Fan_Text", "30"}});
  f.form.deviceAddress = 0x20;
  f.window.OnSendFactorySettings();
  f.form.SendNextFactorySetting();
  f.window.OnSendFactorySettings();
  EXPECT_EQ(f.Walk(), (Frames{"05 20 1E 14 01 41 99", "05 20 1E 14 01 41 99", "05 20 1E 15 01 32 8B",
                              "05 20 1E 1B 01 1E 7D"}));
  for (const auto& edit : Texts{{"S_Temp1Calib_Text", "-1"}, {"S_DCVlow_Text", "256"}, {"S_DCVcalib_Text", "255.5"},
                                {"S_H_Fan_Text", "1e400"}, {"S_Ver_Text", "中"}, {"S_Ver_Text", "A中"}}) {
    FactoryFixture g;
    g.Fill(kBoard);
    g.Fill({edit});
    g.window.OnSendFactorySettings();
    EXPECT_EQ(g.box.shown, std::vector<std::string>{"数据错误！"}) << edit.second;
    EXPECT_FALSE(g.form.pending.Has(PollRequest::FactorySettings)) << edit.second;
  }
}

// Closing the window discards it: nothing it asked for goes out afterwards, even when a
// factory-data response still on the line fills the discarded window again.
TEST(FactoryClose, SendPressedAndWindowClosedInOneTickWritesNothingAfterALateResponse) {
  FactoryFixture f;
  f.OpenPort();
  f.main.SetText("TextBox1", "M1");
  f.factory.SetVisible("F_Setup_Form", true);
  const Frame response = Hex(kFactoryDataHex);
  f.port.Feed(response);
  f.Ticks(1);
  f.Fill({{"S_H_Fan_Text", "30"}});
  f.factory.SetChecked("CheckBox1", true);
  f.port.Feed(response);  // read back again, not yet taken
  f.window.OnSendFactorySettings();
  f.window.OnClose();
  for (const Frame& sent : f.Ticks(12)) EXPECT_NE(sent.at(2), kParameterWrite) << ToHex(sent);
  EXPECT_TRUE(f.factory.Checked("CheckBox2"));  // the late response did arrive
}

// Numbers show as the plain byte, the version as its two characters (Latin-1 from 0x80), the
// board's cooling-only box is ticked for 1 only; the operator's side and the main window stay.
TEST(FactoryReadback, FillsTheReadBackSideOnly) {
  FactoryFixture f;
  f.Fill({{"S_DCVlow_Text", "40"}});
  f.factory.SetChecked("CheckBox1", true);
  f.form.ring.Store(Hex(kFactoryDataHex));
  f.form.ShowFactoryData();
  const Texts expected = {
      {"DCVlow_Text", "180"},      {"DCVlowOffset_Text", "5"}, {"DCVhigh_Text", "220"},  {"DCVhighOffset_Text", "5"},
      {"Ver_Text", "A2"},          {"Temp1Calib_Text", "100"}, {"Temp2Calib_Text", "100"}, {"DCVcalib_Text", "100"},
      {"TECcurrCalib_Text", "100"}, {"H_Fan_Text", "10"},      {"S_DCVlow_Text", "40"}};
  EXPECT_EQ(f.factory.texts, (std::map<std::string, std::string, std::less<>>(expected.begin(), expected.end())));
  EXPECT_TRUE(f.factory.Checked("CheckBox2") && f.factory.Checked("CheckBox1"));
  f.form.ring.Reset();
  // Parameter bytes 255, 0, 0, 0, 'é', 'x', 0, 0, 0, 0, 2, 0.
  f.form.ring.Store(Resealed(Hex("06 01 0F 03 0C FF 00 00 00 E9 78 00 00 00 00 02 00 00")));
  f.form.ShowFactoryData();
  EXPECT_EQ(f.factory.Text("DCVlow_Text") + "/" + f.factory.Text("Ver_Text"), "255/éx");
  EXPECT_FALSE(f.factory.Checked("CheckBox2"));
}

// Case-sensitive, the whole text; the password window closes and the password does not stay.
// Each activation starts from an empty field. The close box empties every field and both boxes.
TEST(PasswordGate, OpensTheMomentTheWholeTextIsThePasswordAndTheCloseBoxEmptiesTheWindow) {
  const std::pair<std::vector<std::string>, int> cases[] = {  // the texts in turn, and where it opens
      {{"K", "KT", "KT9", "KT90", "KT907"}, 4},
      {{"", "kt907", "Kt907", "KT9070", "KT907 ", " KT907", "KT 907", "ＫＴ907"}, -1},
      {{"xKT907", "KT907"}, 1}};  // the extra character in front deleted
  for (const auto& [texts, opensAt] : cases) {
    FactoryFixture g;
    g.form.OnOpenFactorySetup();
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
      g.password.SetText("Password_TextBox", texts[i]);  // typed, deleted or pasted: the field's new text
      g.gate.OnPasswordEdited();
      const bool open = g.factory.Visible("F_Setup_Form");
      EXPECT_EQ(open, opensAt >= 0 && i >= opensAt) << texts[i];
      EXPECT_EQ(g.password.Visible("Password_Form"), !open) << texts[i];
      EXPECT_EQ(g.password.Text("Password_TextBox"), open ? "" : texts[i]);
    }
    g.gate.OnActivate();
    EXPECT_EQ(g.password.Text("Password_TextBox"), "");
  }
  FactoryFixture g;
  g.form.ring.Store(Hex(kFactoryDataHex));
  g.form.ShowFactoryData();
  g.Fill({{"S_DCVlow_Text", "7"}, {"S_Ver_Text", "B1"}, {"S_H_Fan_Text", "30"}});
  g.factory.SetChecked("CheckBox1", true);
  g.window.OnClose();
  EXPECT_EQ(g.factory.texts.size(), 20u);  // ten edit and ten read-back fields, all emptied
  for (const auto& [name, text] : g.factory.texts) EXPECT_EQ(text, "") << name;
  EXPECT_FALSE(g.factory.Checked("CheckBox1") || g.factory.Checked("CheckBox2"));
  g.form.OnOpenFactorySetup();
  EXPECT_TRUE(g.password.Visible("Password_Form"));
}

// Leaving the exhaust-interval field outside 0…100 warns and keeps the text; each field's tooltip
// says what it takes, a read-back field that it is the board's value.
TEST(FactoryWindow, IntervalWarningAndTooltips) {
  for (const auto& [text, accepted] : {std::pair{"100", true}, {"", true}, {"50abc", true}, {"100.5", false},
                                       {"-0.1", false}, {"1e400", false}}) {
    FactoryFixture f;
    f.Fill({{"S_H_Fan_Text", text}});
    f.window.OnVentIntervalLeft();
    EXPECT_EQ(f.box.shown.empty(), accepted) << text;
    EXPECT_EQ(f.factory.Text("S_H_Fan_Text"), text);
  }
  using namespace factory_window;
  EXPECT_EQ(FactoryFieldTip(kSetVentInterval.name), "排氢间隔时间，0…100；为 0 时不发送");
  EXPECT_EQ(FactoryFieldTip(kSetCoolingOnly.name), "单冷：与控制板不同时发送（勾选为 1，否则为 0）");
  EXPECT_EQ(FactoryFieldTip(kSetVoltageLow.name), "直流电压低限：0…255 的整数；为 0 时不发送");
  EXPECT_EQ(FactoryFieldTip(kVoltageLow.name), "直流电压低限：控制板当前值");
  EXPECT_EQ(FactoryFieldTip(kFactoryVersion.name), "版本：控制板当前值");
}

}  // namespace
}  // namespace kestrova::testing
