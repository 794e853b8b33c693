#include <gtest/gtest.h>

#include "factory/factory_fixture.h"

namespace kestrova::testing {
namespace {

struct Gate : FactoryFixture {
  bool Asking() const { return password.Visible("Password_Form"); }
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

TEST(PasswordGate, OpensTheMomentTheWholeTextIsThePassword) {
  struct Case {
    std::vector<std::string> texts;
    int opensAt;
  };  // -1: never
  const std::vector<Case> cases = {
      {{"K", "KT", "KT9", "KT90", "KT907"}, 4},
      {{"kt907", "Kt907", "KT9070", "KT907 ", " KT907", "KT 907", "ＫＴ907", ""}, -1},
      {{"xKT907", "KT907"}, 1},  // the extra character in front deleted
      {{"KT907"}, 0},            // pasted whole
  };
  for (const Case& c : cases) {
    Gate g;
    g.Ask();
    for (int i = 0; i < static_cast<int>(c.texts.size()); ++i) {
      g.Type(c.texts[i]);
      const bool open = c.opensAt >= 0 && i >= c.opensAt;
      EXPECT_EQ(g.Open(), open) << c.texts[i];
      EXPECT_EQ(g.Asking(), !open) << c.texts[i];
    }
    if (c.opensAt >= 0) {
      EXPECT_EQ(g.password.Text("Password_TextBox"), "");  // no password left behind
    }
  }
}

TEST(PasswordGate, TheButtonOnlyEverAsksAndDoesNothingWhileTheFactoryWindowIsOpen) {
  Gate g;
  g.form.F_Setup_Command_Click();
  g.form.F_Setup_Command_Click();  // a second press keeps the one password window shown
  EXPECT_TRUE(g.Asking());
  EXPECT_FALSE(g.Open());
  g.Type("KT907");
  g.form.F_Setup_Command_Click();
  EXPECT_FALSE(g.Asking());
  g.window.Form_Unload();  // closed: the password is asked again
  g.Ask();
  EXPECT_TRUE(g.Asking());
  EXPECT_FALSE(g.Open());
}

TEST(PasswordGate, ActivationEmptiesTheFieldAndAHiddenFieldOpensNothing) {
  Gate g;
  g.Ask();
  g.Type("KT90");
  g.gate.Form_Activate();  // back from the main window
  EXPECT_EQ(g.password.Text("Password_TextBox"), "");
  Gate hidden;  // no password window shown
  hidden.Type("KT907");
  EXPECT_FALSE(hidden.Open());
}

}  // namespace
}  // namespace kestrova::testing
