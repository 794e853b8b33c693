#include <gtest/gtest.h>

#include "factory/factory_fixture.h"

namespace kestrova::testing {
namespace {

const char* kWorked = "06 01 0F 03 0C B4 05 DC 05 41 32 64 64 64 64 01 0A CD";

// Puts a response into the ring so that it starts `at` bytes into the buffer (wrapping past 128).
void Load(FactoryFixture& f, const Frame& response, int at = 0) {
  f.form.Ring.Store(Frame(at, 0));
  f.form.Ring.Consume(at);
  f.form.Ring.Store(response);
}

TEST(FactoryReadback, WorkedFrameFillsTheReadBackSideOnly) {
  for (int at : {0, 120}) {
    FactoryFixture f;
    f.Fill({{"S_DCVlow_Text", "40"}, {"S_Ver_Text", "V1"}});
    f.factory.SetChecked("CheckBox1", false);
    Load(f, Hex(kWorked), at);
    const FakePanel mainBefore = f.main;
    f.form.ShowFSetupData();
    const Texts expected = {
        {"DCVlow_Text", "180"},      {"DCVlowOffset_Text", "5"}, {"DCVhigh_Text", "220"},
        {"DCVhighOffset_Text", "5"}, {"Ver_Text", "A2"},         {"Temp1Calib_Text", "100"},
        {"Temp2Calib_Text", "100"},  {"DCVcalib_Text", "100"},   {"TECcurrCalib_Text", "100"},
        {"H_Fan_Text", "10"},        {"S_DCVlow_Text", "40"},    {"S_Ver_Text", "V1"}};
    for (const auto& [name, text] : expected) EXPECT_EQ(f.factory.Text(name), text) << name << " at " << at;
    EXPECT_EQ(f.factory.texts.size(), expected.size());
    EXPECT_TRUE(f.factory.Checked("CheckBox2"));
    EXPECT_FALSE(f.factory.Checked("CheckBox1"));
    EXPECT_EQ(f.form.Ring.m_DataNo, 18);
    EXPECT_EQ(f.main.texts, mainBefore.texts);
    EXPECT_EQ(f.main.checks, mainBefore.checks);
    EXPECT_EQ(f.main.numbers, mainBefore.numbers);
  }
}

TEST(FactoryReadback, ByteEdges) {
  struct Case {
    std::uint8_t low, ver1, ver2, flag, interval;
    const char* lowText;
    const char* ver;
    bool ticked;
    const char* intervalText;
  };
  for (const Case& c : {Case{0, 'A', '2', 0, 255, "0", "A2", false, "255"},
                        Case{255, 0xE9, 'x', 2, 0, "255", "éx", false, "0"},
                        Case{1, '1', '0', 255, 100, "1", "10", false, "100"}}) {
    FactoryFixture f;
    f.factory.SetChecked("CheckBox2", true);
    Load(f, FactoryFixture::Response({c.low, 0, 0, 0, c.ver1, c.ver2, 0, 0, 0, 0, c.flag, c.interval}));
    f.form.ShowFSetupData();
    EXPECT_EQ(f.factory.Text("DCVlow_Text"), c.lowText);
    EXPECT_EQ(f.factory.Text("Ver_Text"), c.ver);
    EXPECT_EQ(f.factory.Checked("CheckBox2"), c.ticked) << int(c.flag);
    EXPECT_EQ(f.factory.Text("H_Fan_Text"), c.intervalText);
  }
}

}  // namespace
}  // namespace kestrova::testing
