// The logic's view of the Qt windows: round trips through every accessor, setters that raise
// no handler, and unknown names reported without a crash.
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "qt/lamp.h"
#include "qt/main_window.h"
#include "qt/widget_panel.h"
#include "qt/ui_support.h"

namespace kestrova::testing {
namespace {

TEST(QtPanel, TextRoundTripsInUtf8) {
  MainWindow window;
  QtPanel panel(window);
  panel.SetText("TextBox4", "半导体空调 48V");
  EXPECT_EQ(panel.Text("TextBox4"), "半导体空调 48V");
  EXPECT_EQ(Named<QLineEdit>(window, "TextBox4")->text(), QStringLiteral("半导体空调 48V"));
  EXPECT_EQ(panel.Text("Label_TextBox1"), "控制板型号");
  EXPECT_EQ(panel.Text("TextBox5"), "9600,8,N,1");
  panel.SetText("Setup_Command", "发送");
  EXPECT_EQ(panel.Text("Setup_Command"), "发送");
}

TEST(QtPanel, ToggleLooksPressedExactlyWhileItsCaptionIsNotOpen) {
  MainWindow window;
  QtPanel panel(window);
  auto* toggle = Named<QPushButton>(window, "CommPort_ToggleButton");
  panel.SetText("CommPort_ToggleButton", "关闭串口");
  EXPECT_TRUE(toggle->isChecked());
  panel.SetText("CommPort_ToggleButton", "打开串口");
  EXPECT_FALSE(toggle->isChecked());
  toggle->click();  // a press alone does not change the state; the caption does
  EXPECT_FALSE(toggle->isChecked());
}

TEST(QtPanel, LinkOptionsAreExclusiveAndCanBeClearedByTheProgram) {
  MainWindow window;
  QtPanel panel(window);
  panel.SetChecked("RS485Option", true);
  panel.SetChecked("RS422Option", true);
  EXPECT_TRUE(panel.Checked("RS422Option"));
  EXPECT_FALSE(panel.Checked("RS485Option"));
  panel.SetChecked("RS422Option", false);
  EXPECT_FALSE(panel.Checked("RS422Option"));
  EXPECT_FALSE(panel.Checked("RS485Option"));
  EXPECT_TRUE(Named<QRadioButton>(window, "RS422Option")->autoExclusive());
}

TEST(QtPanel, NumbersOfLampsAndScrollBar) {
  MainWindow window;
  QtPanel panel(window);
  panel.SetNumber("StatusBox13", 2);
  EXPECT_EQ(panel.Number("StatusBox13"), 2);
  EXPECT_EQ(Named<Lamp>(window, "StatusBox13")->accessibleName(), QStringLiteral("高温告警：告警"));
  panel.SetNumber("CommPortVScroll", 2);
  EXPECT_EQ(panel.Number("CommPortVScroll"), 2);
}

TEST(QtPanel, VisibilityOfControlsAndOfTheWindow) {
  MainWindow window;
  QtPanel panel(window);
  EXPECT_FALSE(panel.Visible("CommPortVScroll"));
  EXPECT_TRUE(panel.Visible("CommPort_ToggleButton"));  // not hidden, though the window is not shown
  panel.SetVisible("CommPortVScroll", true);
  EXPECT_TRUE(panel.Visible("CommPortVScroll"));
  EXPECT_FALSE(panel.Visible("Kestrova后台软件"));
  panel.SetVisible("Kestrova后台软件", true);
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(panel.Visible("Kestrova后台软件"));
  panel.SetVisible("Kestrova后台软件", false);
  EXPECT_FALSE(window.isVisible());
  panel.SetToolTip("CommPortText", "/dev/ttyUSB0");
  EXPECT_EQ(Named(window, "CommPortText")->toolTip(), QStringLiteral("/dev/ttyUSB0"));
}

// On the wired console: an out-of-range address set by the program is not checked (the check
// runs on the operator's edits), and moving the selector from the program does not rerun it.
TEST(QtPanel, SettersRaiseNoHandlerOfTheLogic) {
  UiConsole c;
  c.port.available = {1, 2};
  c.windows.Form().Form_Load();
  c.windows.Form().Timer1_Timer();  // probe and display step: two ports, the first shown
  QtPanel& panel = c.windows.MainPanel();
  ASSERT_EQ(panel.Text("CommPortText"), "COM1");
  panel.SetText("AddrText1", "25");
  panel.SetNumber("CommPortVScroll", 1);
  EXPECT_TRUE(c.box.shown.empty());
  EXPECT_EQ(panel.Text("CommPortText"), "COM1");
}

TEST(QtPanel, UnknownNameOrWrongKindIsReportedAndAnswersADefault) {
  MainWindow window;
  QtPanel panel(window);
  ExpectCriticals criticals;
  EXPECT_EQ(panel.Text("NoSuchControl"), "");
  panel.SetText("NoSuchControl", "x");
  EXPECT_FALSE(panel.Checked("TextBox1"));
  EXPECT_EQ(panel.Number("TextBox1"), 0);
  EXPECT_FALSE(panel.Visible("NoSuchControl"));
  ASSERT_EQ(criticals.messages.size(), 5u);
  EXPECT_NE(criticals.messages[0].find("NoSuchControl"), std::string::npos);
  EXPECT_NE(criticals.messages[2].find("TextBox1"), std::string::npos);
}

}  // namespace
}  // namespace kestrova::testing
