#include <gtest/gtest.h>

#include "factory/factory_fixture.h"

namespace kestrova::testing {
namespace {

TEST(FactoryForm, IntervalCheckWarnsOutside0To100AndKeepsTheText) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"100", true}, {"", true}, {"50abc", true}, {"100.5", false}, {"-0.1", false}, {"1e400", false}};
  for (const auto& [text, accepted] : cases) {
    FactoryFixture f;
    f.Fill({{"S_H_Fan_Text", text}});
    f.window.S_H_Fan_Text_Validate();
    EXPECT_EQ(f.box.shown.empty(), accepted) << text;
    EXPECT_EQ(f.factory.Text("S_H_Fan_Text"), text);
  }
}

TEST(FactoryForm, CloseBoxDiscardsEverythingAndReopeningShowsItEmpty) {
  FactoryFixture f;
  f.factory.SetVisible("F_Setup_Form", true);
  f.form.Ring.Store(FactoryFixture::Response({180, 5, 220, 5, 'A', '2', 100, 100, 100, 100, 1, 10}));
  f.form.ShowFSetupData();
  const auto readBack = f.factory.texts;
  for (const auto& [name, text] : readBack) f.factory.SetText("S_" + name, "7");
  f.factory.SetChecked("CheckBox1", true);
  f.window.Form_Unload();
  EXPECT_FALSE(f.factory.Visible("F_Setup_Form"));
  f.form.F_Setup_Command_Click();
  f.password.SetText("Password_TextBox", "KT907");
  f.gate.Password_TextBox_Change();
  ASSERT_TRUE(f.factory.Visible("F_Setup_Form"));
  EXPECT_EQ(f.factory.texts.size(), 20u);  // ten edit and ten read-back fields, all emptied
  for (const auto& [name, text] : f.factory.texts) EXPECT_EQ(text, "") << name;
  EXPECT_FALSE(f.factory.Checked("CheckBox1") || f.factory.Checked("CheckBox2"));
}

}  // namespace
}  // namespace kestrova::testing
