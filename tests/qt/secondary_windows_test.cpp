// The password window and the factory window as built: names, captions, the password echo and
// length, which fields are editable and take the focus, and the locked check box.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "qt/factory_window.h"
#include "qt/form_builder.h"
#include "qt/password_window.h"
#include "qt/widget_panel.h"
#include "qt/twips.h"
#include "qt/ui_support.h"

namespace kestrova::testing {
namespace {

TEST(PasswordWindow, PromptAndStarredFieldOfTenCharacters) {
  PasswordWindow window;
  EXPECT_EQ(window.objectName(), QStringLiteral("Password_Form"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("密码"));
  EXPECT_EQ(Named<QLabel>(window, "Label1")->text(), QStringLiteral("请输入密码"));
  if (QGuiApplication::primaryScreen()->logicalDotsPerInch() == 96) {
    EXPECT_EQ(window.size(), QSize(250, 69));
    EXPECT_EQ(Named(window, "Password_TextBox")->geometry(), QRect(112, 29, 89, 17));
  }
  ASSERT_TRUE(ShowActive(window));
  auto* field = Named<QLineEdit>(window, "Password_TextBox");
  EXPECT_EQ(QApplication::focusWidget(), field);  // the operator can type at once
  QTest::keyClicks(field, "KT907abcdef");
  EXPECT_EQ(field->text(), QStringLiteral("KT907abcde"));
  EXPECT_EQ(field->displayText(), QStringLiteral("**********"));
}

TEST(PasswordWindow, OnlyThePasswordFieldTakesTheFocus) {
  PasswordWindow window;
  for (QWidget* w : window.findChildren<QWidget*>())
    if (w->objectName() != QStringLiteral("Password_TextBox"))
      EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
}

const char* const kFactoryEdits[] = {"S_Temp1Calib_Text", "S_Temp2Calib_Text", "S_TECcurrCalib_Text",
                                     "S_DCVcalib_Text",   "S_DCVlow_Text",     "S_DCVhigh_Text",
                                     "S_H_Fan_Text",      "S_Ver_Text",        "S_DCVlowOffset_Text",
                                     "S_DCVhighOffset_Text"};

TEST(FactoryWindow, PairsCaptionsAndButton) {
  FactoryWindow window;
  EXPECT_EQ(window.objectName(), QStringLiteral("F_Setup_Form"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("厂家设定"));
  for (const char* edit : kFactoryEdits) {
    SCOPED_TRACE(edit);
    auto* top = Named<QLineEdit>(window, edit);
    auto* below = Named<QLineEdit>(window, edit + 2);
    ASSERT_TRUE(top && below);
    EXPECT_TRUE(top->text().isEmpty() && below->text().isEmpty());
    EXPECT_NE(top->palette().color(QPalette::Base), ReadBackGrey());
    // Read-back fields are grey, yet the engineer may type into them and Tab onto them.
    EXPECT_EQ(below->palette().color(QPalette::Base), ReadBackGrey());
    EXPECT_FALSE(below->isReadOnly());
    EXPECT_TRUE(below->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(below->x(), top->x());
    EXPECT_EQ(below->y() - top->y(), TwipsToPixels(360));
  }
  const std::pair<const char*, const char*> captions[] = {
      {"Label_S_Temp1Calib_Text", "内温度传感器标定"}, {"Label_S_Temp2Calib_Text", "外温度传感器标定"},
      {"Label_S_TECcurrCalib_Text", "TEC电流标定"},   {"Label_S_DCVcalib_Text", "直流电压标定"},
      {"Label_S_DCVlow_Text", "直流电压低限"},        {"Label_S_DCVhigh_Text", "直流电压高限"},
      {"Label_S_H_Fan_Text", "排氢间隔时间"},         {"Label_S_Ver_Text", "版本"},
      {"Label_S_DCVlowOffset_Text", "回差"},          {"Label_S_DCVhighOffset_Text", "回差"},
      {"Label_CheckBox1", "单冷"}};
  for (auto [name, text] : captions) {
    ASSERT_NE(Named<QLabel>(window, name), nullptr) << name;
    EXPECT_EQ(Named<QLabel>(window, name)->text(), QString::fromUtf8(text));
  }
  EXPECT_EQ(Named<QPushButton>(window, "F_Setup_Command")->text(), QStringLiteral("发送设置"));
  if (QGuiApplication::primaryScreen()->logicalDotsPerInch() == 96) {
    EXPECT_EQ(window.size(), QSize(417, 259));
    EXPECT_EQ(Named(window, "F_Setup_Command")->geometry(), QRect(304, 200, 73, 25));
    EXPECT_EQ(Named(window, "S_Ver_Text")->geometry(), QRect(248, 192, 25, 18));
  }
}

TEST(FactoryWindow, BoardFlagIsLockedForTheEngineerButSetByTheProgram) {
  FactoryWindow window;
  QtPanel panel(window);
  ASSERT_TRUE(ShowActive(window));
  auto* choice = Named<QCheckBox>(window, "CheckBox1");
  auto* board = Named<QCheckBox>(window, "CheckBox2");
  EXPECT_FALSE(choice->isChecked() || board->isChecked());
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, board->geometry().center());
  EXPECT_FALSE(board->isChecked());
  EXPECT_EQ(board->focusPolicy(), Qt::NoFocus);
  EXPECT_TRUE(board->isEnabled());  // drawn normally, not greyed out
  panel.SetChecked("CheckBox2", true);
  EXPECT_TRUE(board->isChecked());
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, choice->geometry().center());
  EXPECT_TRUE(choice->isChecked());
}

TEST(FactoryWindow, TextTypedIntoAReadBackFieldStays) {
  FactoryWindow window;
  ASSERT_TRUE(ShowActive(window));
  auto* field = Named<QLineEdit>(window, "DCVlow_Text");
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, field->geometry().center());
  QTest::keyClicks(field, "47");
  EXPECT_EQ(field->text(), QStringLiteral("47"));
}

}  // namespace
}  // namespace kestrova::testing
