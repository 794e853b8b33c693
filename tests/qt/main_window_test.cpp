// The three windows as built and as the logic reaches them: every control the logic names
// exists with the widget its kind says, the captions and sizes that matter, and what the
// operator cannot change.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <map>

#include "panel/controls.h"
#include "qt/factory_window.h"
#include "qt/lamp.h"
#include "qt/main_window.h"
#include "qt/password_window.h"
#include "qt/ui_support.h"
#include "qt/widget_panel.h"

namespace kestrova::testing {
namespace {

TEST(Windows, EveryDeclaredControlExistsWithItsKindAndTheKeyCaptions) {
  const std::map<ControlKind, const char*> classOf{
      {ControlKind::Window, "QWidget"},       {ControlKind::Field, "QLineEdit"},
      {ControlKind::Label, "QLabel"},         {ControlKind::Button, "QPushButton"},
      {ControlKind::Toggle, "kestrova::ToggleButton"}, {ControlKind::Option, "QRadioButton"},
      {ControlKind::CheckBox, "QCheckBox"},   {ControlKind::ScrollBar, "QScrollBar"},
      {ControlKind::Lamp, "kestrova::Lamp"}};
  MainWindow main;
  FactoryWindow factory;
  PasswordWindow password;
  const std::tuple<QWidget*, Control, std::span<const Control>, const char*> windows[] = {
      {&main, main_window::kWindow, main_window::kAll, "Kestrova后台软件_v2"},
      {&factory, factory_window::kWindow, factory_window::kAll, "厂家设定"},
      {&password, password_window::kWindow, password_window::kAll, "密码"}};
  for (const auto& [window, self, all, title] : windows) {
    QtPanel panel(*window);  // a name it cannot find fails the test
    EXPECT_EQ(panel.Find(self.name), window);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(title));
    for (const Control& c : all) {
      QWidget* w = panel.Find(c.name);
      EXPECT_TRUE(w && w->inherits(classOf.at(c.kind))) << self.name << " / " << c.name;
    }
  }
  QtPanel panel(main);
  EXPECT_EQ(panel.Text("CommPort_ToggleButton") + "|" + panel.Text("TextBox5") + "|" + panel.Text("TextBox6"),
            "打开串口|9600,8,N,1|MODBUS 改进型");
  EXPECT_EQ(Named(main, "StatusBox7")->accessibleName(), QStringLiteral("总告警：熄灭"));
}

TEST(Windows, MainWindowGeometryAt96Dpi) {
  if (QGuiApplication::primaryScreen()->logicalDotsPerInch() != 96) GTEST_SKIP() << "screen is not at 96 DPI";
  MainWindow window;
  EXPECT_EQ(window.Form().size(), QSize(842, 495));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  // The fan groups' captions start 195 twips inside their group.
  for (const char* name : {"Label_S_IntFanPulse_Text", "Label_S_ExtFanHighS_Text", "Label_IntFanSpeed_Text"})
    EXPECT_EQ(Named(window, name)->x(), 13) << name;
  // The "单冷" options are wide enough for the whole circle.
  for (const char* name : {"Option1", "Option2"}) {
    auto* option = Named<QRadioButton>(window, name);
    EXPECT_GE(option->width(), option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) + 1);
  }
}

// Display fields take no typing and no focus; the link options and kCoolingOnlyLower only the program
// selects, and the link options stay legible. The password shows as stars, ten at most; the
// board's cooling-only box only the program sets.
TEST(Windows, WhatTheOperatorCannotChange) {
  MainWindow window;
  ASSERT_TRUE(ShowActive(window));
  auto* field = Named<QLineEdit>(window, "TextBox5");
  QTest::mouseClick(field, Qt::LeftButton);
  QTest::keyClicks(field, "x");
  EXPECT_EQ(field->text(), QStringLiteral("9600,8,N,1"));
  EXPECT_NE(QApplication::focusWidget(), field);
  for (const char* name : {"RS422Option", "RS485Option", "Option2", "Option1"}) {
    auto* option = Named<QRadioButton>(window, name);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    QTest::keyClick(option, Qt::Key_Space);
    EXPECT_EQ(option->isChecked(), name == std::string("Option1")) << name;
  }
  EXPECT_TRUE(Named(window, "RS422Option")->isEnabled());
  PasswordWindow password;
  ASSERT_TRUE(ShowActive(password));
  QTest::keyClicks(QApplication::focusWidget(), "KT907abcdef");
  EXPECT_EQ(Named<QLineEdit>(password, "Password_TextBox")->displayText(), QStringLiteral("**********"));
  FactoryWindow factory;
  ASSERT_TRUE(ShowActive(factory));
  for (const char* name : {"CheckBox1", "CheckBox2"})
    QTest::mouseClick(factory.windowHandle(), Qt::LeftButton, {}, Named(factory, name)->geometry().center());
  EXPECT_TRUE(Named<QCheckBox>(factory, "CheckBox1")->isChecked());
  EXPECT_FALSE(Named<QCheckBox>(factory, "CheckBox2")->isChecked());
  EXPECT_TRUE(Named(factory, "CheckBox2")->isEnabled());  // drawn normally, not greyed out
}

}  // namespace
}  // namespace kestrova::testing
