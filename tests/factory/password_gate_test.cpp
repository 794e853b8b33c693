// The way into the factory window (the password) and out of it (the close box), and the check
// of the exhaust interval.
#include <gtest/gtest.h>

#include "factory/factory_fixture.h"

namespace kestrova::testing {
namespace {

struct Gate : FactoryFixture {
  bool Open() const { return factory.Visible("F_Setup_Form"); }
  void Type(const std::string& text) {  // typed, deleted or pasted: the field's new text
    password.SetText("Password_TextBox", text);
    gate.Password_TextBox_Change();
  }
  void Ask() {
    form.F_Setup_Command_Click();
    gate.Form_Activate();
  }
};

// Case-sensitive, the whole text; the password window closes and the password does not stay.
TEST(PasswordGate, OpensTheMomentTheWholeTextIsThePassword) {
  const std::pair<std::vector<std::string>, int> cases[] = {  // the texts in turn, and where it opens
      {{"K", "KT", "KT9", "KT90", "KT907"}, 4},
      {{"kt907", "Kt907", "KT9070", "KT907 ", " KT907", "KT 907", "ＫＴ907", ""}, -1},
      {{"xKT907", "KT907"}, 1}};  // the extra character in front deleted
  for (const auto& [texts, opensAt] : cases) {
    Gate g;
    g.Ask();
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
      g.Type(texts[i]);
      EXPECT_EQ(g.Open(), opensAt >= 0 && i >= opensAt) << texts[i];
      EXPECT_EQ(g.password.Visible("Password_Form"), !g.Open()) << texts[i];
      EXPECT_EQ(g.password.Text("Password_TextBox"), g.Open() ? "" : texts[i]);
    }
  }
}

// Each activation starts from an empty field; a hidden field opens nothing; the button asks
// only while the factory window is closed. The close box empties every field and both boxes.
TEST(PasswordGate, ActivationTheButtonAndTheCloseBox) {
  Gate g;
  g.Ask();
  g.Type("KT90");
  g.gate.Form_Activate();
  EXPECT_EQ(g.password.Text("Password_TextBox"), "");
  g.password.SetVisible("Password_Form", false);
  g.Type("KT907");
  EXPECT_FALSE(g.Open());
  g.Ask();
  g.Type("KT907");
  g.form.F_Setup_Command_Click();
  EXPECT_FALSE(g.password.Visible("Password_Form"));
  g.form.Ring.Store(Hex(kFactoryDataHex));
  g.form.ShowFSetupData();
  g.Fill({{"S_DCVlow_Text", "7"}, {"S_Ver_Text", "B1"}, {"S_H_Fan_Text", "30"}});
  g.factory.SetChecked("CheckBox1", true);
  g.window.Form_Unload();
  EXPECT_EQ(g.factory.texts.size(), 20u);  // ten edit and ten read-back fields, all emptied
  for (const auto& [name, text] : g.factory.texts) EXPECT_EQ(text, "") << name;
  EXPECT_FALSE(g.factory.Checked("CheckBox1") || g.factory.Checked("CheckBox2"));
  g.Ask();
  EXPECT_TRUE(g.password.Visible("Password_Form") && !g.Open());
}

TEST(FactoryWindow, IntervalCheckWarnsOutside0To100AndKeepsTheText) {
  for (const auto& [text, accepted] : {std::pair{"100", true}, {"", true}, {"50abc", true}, {"100.5", false},
                                       {"-0.1", false}, {"1e400", false}}) {
    FactoryFixture f;
    f.Fill({{"S_H_Fan_Text", text}});
    f.window.S_H_Fan_Text_Validate();
    EXPECT_EQ(f.box.shown.empty(), accepted) << text;
    EXPECT_EQ(f.factory.Text("S_H_Fan_Text"), text);
  }
}

}  // namespace
}  // namespace kestrova::testing
