#include <gtest/gtest.h>

#include "factory/factory_fixture.h"

namespace kestrova::testing {
namespace {

// What the board last reported: every parameter set, version "A2", cooling-only off.
const Texts kBoard = {{"DCVlow_Text", "45"},       {"DCVlowOffset_Text", "5"}, {"DCVhigh_Text", "220"},
                      {"DCVhighOffset_Text", "5"}, {"Ver_Text", "A2"},         {"Temp1Calib_Text", "12"},
                      {"Temp2Calib_Text", "100"},  {"DCVcalib_Text", "100"},   {"TECcurrCalib_Text", "100"},
                      {"H_Fan_Text", "20"}};

struct WalkCase {
  const char* name;
  Texts edits;
  bool operatorBox, boardBox;
  std::vector<std::string> frames;
};

class FactoryWalk : public ::testing::TestWithParam<WalkCase> {};

// Pressed with the port closed: the walk does not depend on it.
TEST_P(FactoryWalk, SendsTheDifferingSettingsInCodeOrder) {
  const WalkCase& c = GetParam();
  FactoryFixture f;
  f.Fill(kBoard);
  f.Fill(c.edits);
  f.factory.SetChecked("CheckBox1", c.operatorBox);
  f.factory.SetChecked("CheckBox2", c.boardBox);
  f.window.F_Setup_Command_Click();
  EXPECT_TRUE(f.box.shown.empty());
  EXPECT_EQ(f.Walk(), c.frames);
  EXPECT_FALSE(f.form.f_F_Setup_Command);
}

INSTANTIATE_TEST_SUITE_P(
    FactoryWalks, FactoryWalk,
    ::testing::Values(
        WalkCase{"NothingDiffers", {{"S_DCVlow_Text", "45"}, {"S_Ver_Text", "A2"}}, true, true, {}},
        WalkCase{"Interval", {{"S_H_Fan_Text", "30"}}, false, false, {"05 01 1E 1B 01 1E 5E"}},
        WalkCase{
            "ZeroOrEmptyNeverSent", {{"S_DCVlow_Text", "0"}, {"S_DCVhigh_Text", "abc"}}, false, false, {}},
        WalkCase{"SameNumberOtherText",
                 {{"S_Temp1Calib_Text", "12.0"}, {"S_DCVcalib_Text", "1E2"}},
                 false,
                 false,
                 {}},
        WalkCase{"FirstVersionCharacter", {{"S_Ver_Text", "V"}}, false, false, {"05 01 1E 14 01 56 8F"}},
        WalkCase{"ThirdCharacterIgnored", {{"S_Ver_Text", "A3中"}}, false, false, {"05 01 1E 15 01 33 6D"}},
        WalkCase{"ThreeCharacters",
                 {{"S_Ver_Text", "B3x"}},
                 false,
                 false,
                 {"05 01 1E 14 01 42 7B", "05 01 1E 15 01 33 6D"}},
        WalkCase{"OperatorTicks", {}, true, false, {"05 01 1E 1A 01 01 40"}},
        WalkCase{"OperatorClears", {}, false, true, {"05 01 1E 1A 01 00 3F"}},
        WalkCase{"HalfToEvenAndLatin1",
                 {{"S_DCVlow_Text", "46.5"}, {"S_Ver_Text", "é2"}, {"S_TECcurrCalib_Text", "255.4"}},
                 false,
                 false,
                 {"05 01 1E 10 01 2E 63", "05 01 1E 14 01 E9 22", "05 01 1E 19 01 FF 3D"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FactoryTransmission, TheCallAfterCode27ClearsTheFlagAndAPressRestartsAt16) {
  FactoryFixture f;
  f.Fill({{"S_Ver_Text", "A2"}, {"S_H_Fan_Text", "30"}});  // no factory data yet: both characters go
  f.form.m_Address = 0x20;
  f.window.F_Setup_Command_Click();
  f.form.SendFSetupData();
  f.form.SendFSetupData();
  f.form.SendFSetupData();
  EXPECT_EQ(f.port.TakeWritten(),
            (std::vector<Frame>{Hex("05 20 1E 14 01 41 99"), Hex("05 20 1E 15 01 32 8B"),
                                Hex("05 20 1E 1B 01 1E 7D")}));
  EXPECT_TRUE(f.form.f_F_Setup_Command);
  EXPECT_EQ(f.form.m_F_SetupNo, 28);
  f.window.F_Setup_Command_Click();
  EXPECT_EQ(f.form.m_F_SetupNo, 16);
  f.form.m_F_SetupNo = 28;
  f.form.SendFSetupData();
  EXPECT_TRUE(f.port.TakeWritten().empty());
  EXPECT_FALSE(f.form.f_F_Setup_Command);
}

TEST(FactoryTransmission, TheButtonRefusesAValueWithoutAByteThatWouldBeSent) {
  const Texts refused = {{"S_Temp1Calib_Text", "-1"}, {"S_DCVlow_Text", "256"}, {"S_DCVcalib_Text", "255.5"},
                         {"S_H_Fan_Text", "1e400"},   {"S_Ver_Text", "中"},     {"S_Ver_Text", "A中"}};
  for (const auto& edit : refused) {
    FactoryFixture f;
    f.Fill(kBoard);
    f.Fill({edit});
    f.window.F_Setup_Command_Click();
    EXPECT_EQ(f.box.shown, std::vector<std::string>{"数据错误！"}) << edit.second;
    EXPECT_FALSE(f.form.f_F_Setup_Command) << edit.second;
  }
  FactoryFixture same;  // the board already holds what the fields say: nothing would be sent
  same.Fill({{"S_DCVlow_Text", "300"}, {"DCVlow_Text", "300"}, {"S_Ver_Text", "中"}, {"Ver_Text", "中"}});
  same.window.F_Setup_Command_Click();
  EXPECT_TRUE(same.box.shown.empty());
  EXPECT_TRUE(same.form.f_F_Setup_Command);
}

TEST(FactoryTransmission, AValueSpoiledOrDiscardedMidWalkIsNotSent) {
  FactoryFixture f;
  f.Fill(kBoard);
  f.Fill({{"S_DCVlow_Text", "50"},
          {"S_DCVhigh_Text", "230"},
          {"S_Temp1Calib_Text", "13"},
          {"S_H_Fan_Text", "30"}});
  f.window.F_Setup_Command_Click();
  f.form.SendFSetupData();
  f.Fill({{"S_DCVhigh_Text", "-5"}});  // code 18 has no byte now: passed over
  f.form.SendFSetupData();
  EXPECT_EQ(f.port.TakeWritten(),
            (std::vector<Frame>{Hex("05 01 1E 10 01 32 67"), Hex("05 01 1E 16 01 0D 48")}));
  f.window.Form_Unload();  // the interval is gone with the window's contents
  EXPECT_TRUE(f.Walk().empty());
  EXPECT_FALSE(f.form.f_F_Setup_Command);
}

}  // namespace
}  // namespace kestrova::testing
