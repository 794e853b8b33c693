// The wired console on a fake port and a fake message box: each operator action reaches its
// handler in the logic, and the windows open, close and validate as the operator expects.
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "qt/lamp.h"
#include "qt/ui_support.h"

namespace kestrova::testing {
namespace {

using Texts = std::vector<std::string>;

struct Started : UiConsole {
  QtPanel& main_panel = windows.MainPanel();
  explicit Started(std::set<int> ports = {1}) {
    port.available = std::move(ports);
    windows.Load();
    windows.PollTimer().stop();  // ticks are driven by hand
    windows.Form().Timer1_Timer();
  }
  bool Show() {
    windows.ShowMain();
    return QTest::qWaitForWindowActive(&main());
  }
  void Click(const char* name) { Named<QAbstractButton>(main(), name)->click(); }
};

TEST(Console, PollTimerRunsEveryQuarterSecondFromLoad) {
  UiConsole c;
  EXPECT_FALSE(c.windows.PollTimer().isActive());
  c.windows.Load();
  EXPECT_TRUE(c.windows.PollTimer().isActive());
  EXPECT_EQ(c.windows.PollTimer().interval(), 250);
}

TEST(Console, OpensWithTheFocusOnThePortToggle) {
  Started c;
  ASSERT_TRUE(c.Show());
  EXPECT_EQ(QApplication::focusWidget(), Named(c.main(), "CommPort_ToggleButton"));
}

// The password window, small enough for any test screen, opens centred with its frame.
TEST(Console, SecondaryWindowOpensCentred) {
  Started c;
  ASSERT_TRUE(c.Show());
  c.Click("F_Setup_Command");
  PasswordWindow& password = c.windows.PasswordView();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&password));
  const QRect screen = password.screen()->availableGeometry();
  const QRect frame = password.frameGeometry();
  EXPECT_LE(std::abs((frame.left() - screen.left()) - (screen.right() - frame.right())), 1);
  EXPECT_LE(std::abs((frame.top() - screen.top()) - (screen.bottom() - frame.bottom())), 1);
}

TEST(Console, ToggleOpensAndClosesThePortAndLooksThePart) {
  Started c;
  auto* toggle = Named<QPushButton>(c.main(), "CommPort_ToggleButton");
  ASSERT_EQ(c.main_panel.Text("CommPortText"), "COM1");
  c.Click("CommPort_ToggleButton");
  EXPECT_TRUE(c.port.open);
  EXPECT_EQ(toggle->text(), QStringLiteral("关闭串口"));
  EXPECT_TRUE(toggle->isChecked());
  c.Click("CommPort_ToggleButton");
  EXPECT_FALSE(c.port.open);
  EXPECT_EQ(toggle->text(), QStringLiteral("打开串口"));
  EXPECT_FALSE(toggle->isChecked());
}

TEST(Console, ScrollArrowsStepThroughThePortsFound) {
  Started c({1, 2});
  auto* bar = Named<QScrollBar>(c.main(), "CommPortVScroll");
  EXPECT_FALSE(bar->isHidden());
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(c.main_panel.Text("CommPortText"), "COM2");
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // past the last: back to the first
  EXPECT_EQ(c.main_panel.Text("CommPortText"), "COM1");
  EXPECT_EQ(bar->value(), 0);
}

// The worked run-data response reaches the widgets by their names: fields, lamps and counter.
TEST(Console, RunDataShowsInTheWindow) {
  Started c;
  c.Click("CommPort_ToggleButton");
  c.port.Feed(Hex("06 01 0F 00 1E 41 3C 1E 23 02 05 DC 0B B8 02 0B B8 55 1E 05 50 05 00 00 04 82 FE 83 1F 02 17 05 "
                  "DC 0B B8 0D"));
  for (int i = 0; i < 4; ++i) c.windows.Form().Timer1_Timer();
  const auto text = [&](const char* name) { return Named<QLineEdit>(c.main(), name)->text().toStdString(); };
  EXPECT_EQ(text("TECcoolStart_Text"), "25");
  EXPECT_EQ(text("TempMin_Text"), "-10");
  EXPECT_EQ(text("Temp2_Text"), "开路");
  EXPECT_EQ(text("DCvoltage_Text"), "53.5");
  EXPECT_EQ(text("CommCtr_Text"), "1");
  EXPECT_EQ(Named<Lamp>(c.main(), "StatusBox1")->accessibleName(), QStringLiteral("内风机状态：工作"));
  EXPECT_EQ(Named<Lamp>(c.main(), "StatusBox20")->accessibleName(), QStringLiteral("门禁：告警"));
  EXPECT_EQ(Named<Lamp>(c.main(), "StatusBox7")->State(), 0);
}

TEST(Console, ButtonsReachTheirHandlers) {
  Started c;
  c.Click("CommPort_ToggleButton");
  c.Click("Addr_Command1");
  c.Click("Addr_Command2");
  EXPECT_TRUE(c.windows.Form().f_Addr_Command1);
  EXPECT_TRUE(c.windows.Form().f_Addr_Command2);
  c.main_panel.SetText("TempMax_Text", "55");
  c.Click("Copy_Command");
  EXPECT_EQ(c.main_panel.Text("S_TempMax_Text"), "55");
}

TEST(Console, TypingAnAddressIsCheckedOnEveryEdit) {
  Started c;
  auto* field = Named<QLineEdit>(c.main(), "AddrText1");
  QTest::keyClicks(field, "2");
  EXPECT_TRUE(c.box.shown.empty());
  QTest::keyClicks(field, "5");
  EXPECT_EQ(c.box.shown, Texts{"数据错误！"});
  EXPECT_EQ(field->text(), QStringLiteral("1"));
}

TEST(Console, LeavingASettingFieldChecksItOnceAndTheFocusMovesOn) {
  Started c;
  ASSERT_TRUE(c.Show());
  auto* field = Named<QLineEdit>(c.main(), "S_TempMax_Text");
  field->setFocus(Qt::OtherFocusReason);
  QTest::keyClicks(field, "81");
  QTest::keyClick(field, Qt::Key_Tab);
  EXPECT_EQ(c.box.shown, Texts{"数据错误！"});
  EXPECT_EQ(QApplication::focusWidget(), Named(c.main(), "S_TempMin_Text"));
  EXPECT_EQ(field->text(), QStringLiteral("81"));
  // Leaving an empty low limit: 0 lies inside -40..30, no message.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(c.box.shown.size(), 1u);
}

TEST(Console, PasswordOpensTheFactoryWindowAndEachActivationEmptiesTheField) {
  Started c;
  ASSERT_TRUE(c.Show());
  PasswordWindow& password = c.windows.PasswordView();
  c.Click("F_Setup_Command");
  ASSERT_TRUE(QTest::qWaitForWindowActive(&password));
  auto* field = Named<QLineEdit>(password, "Password_TextBox");
  QTest::keyClicks(field, "KT9");
  ASSERT_TRUE(ShowActive(c.main()));
  ASSERT_TRUE(ShowActive(password));  // back from another console window
  EXPECT_EQ(field->text(), QString());
  QTest::keyClicks(field, "KT907");
  EXPECT_FALSE(password.isVisible());
  EXPECT_TRUE(c.windows.FactoryView().isVisible());
}

// Coming back to the password window from outside the console (no console window was active
// in between) keeps what was typed.
TEST(Console, ReturningFromAnotherApplicationKeepsThePasswordField) {
  Started c;
  PasswordWindow& password = c.windows.PasswordView();
  auto* field = Named<QLineEdit>(password, "Password_TextBox");
  QTRY_VERIFY(QGuiApplication::focusWindow() == nullptr);
  ASSERT_TRUE(ShowActive(password));
  QTest::keyClicks(field, "KT9");
  password.hide();
  QTRY_VERIFY(QGuiApplication::focusWindow() == nullptr);
  ASSERT_TRUE(ShowActive(password));
  EXPECT_EQ(field->text(), QStringLiteral("KT9"));
}

TEST(Console, FactoryCloseBoxDiscardsTheContentsButKeepsTheWindow) {
  Started c;
  FactoryWindow& factory = c.windows.FactoryView();
  QtPanel& panel = c.windows.FactoryPanel();
  ASSERT_TRUE(ShowActive(factory));
  panel.SetText("S_DCVlow_Text", "45");
  panel.SetText("DCVlow_Text", "44");
  panel.SetChecked("CheckBox1", true);
  factory.close();
  EXPECT_FALSE(factory.isVisible());
  EXPECT_EQ(panel.Text("S_DCVlow_Text"), "");
  EXPECT_EQ(panel.Text("DCVlow_Text"), "");
  EXPECT_FALSE(panel.Checked("CheckBox1"));
  panel.SetText("DCVlow_Text", "46");  // the read-back may still write to it
  EXPECT_EQ(panel.Text("DCVlow_Text"), "46");
}

TEST(Console, LeavingTheExhaustIntervalChecksIt) {
  Started c;
  FactoryWindow& factory = c.windows.FactoryView();
  ASSERT_TRUE(ShowActive(factory));
  auto* field = Named<QLineEdit>(factory, "S_H_Fan_Text");
  field->setFocus(Qt::OtherFocusReason);
  QTest::keyClicks(field, "100.5");
  QTest::keyClick(field, Qt::Key_Tab);
  EXPECT_EQ(c.box.shown, Texts{"数据错误！"});
  EXPECT_EQ(QApplication::focusWidget(), Named(factory, "H_Fan_Text"));
}

TEST(Console, ClosingTheMainWindowReleasesThePortAndEndsTheProgram) {
  Started c;
  ASSERT_TRUE(c.Show());
  c.Click("CommPort_ToggleButton");
  ASSERT_TRUE(c.port.open);
  c.windows.FactoryView().show();
  QSignalSpy closed(&c.windows, &ConsoleWindows::closed);
  c.main().close();
  EXPECT_EQ(closed.count(), 1);
  EXPECT_FALSE(c.port.open);
  EXPECT_FALSE(c.windows.FactoryView().isVisible());
  EXPECT_FALSE(c.windows.PollTimer().isActive());
}

}  // namespace
}  // namespace kestrova::testing
