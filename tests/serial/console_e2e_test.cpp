// The whole console end to end: the real windows, the QSerialPort component and the board
// simulator on a pseudo-terminal. The operator's actions are clicks and keystrokes on the
// controls; the checks are what the windows show.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "serial/console_harness.h"

namespace kestrova::testing {
namespace {

// A console on the simulator with its port open.
struct Open : Console {
  explicit Open(std::vector<std::string> options = {}) : Console(std::move(options)) {
    EXPECT_TRUE(OpenPort()) << port.ErrorText();
  }
  std::string Text(const char* name, QWidget* window = nullptr) {
    return Find<QLineEdit>(window ? *window : Main(), name).text().toStdString();
  }
  void Type(QWidget& window, const char* name, const char* text) { Find<QLineEdit>(window, name).setText(text); }
  bool Checked(const char* name) { return Find<QRadioButton>(Main(), name).isChecked(); }
  bool WaitText(const char* name, const std::string& want, QWidget* window = nullptr) {
    return WaitFor([&] { return Text(name, window) == want; }, 8000);
  }
  // Waits for `runs` more run-data responses.
  bool RunData(int runs = 1) {
    const auto count = [&] { return Text("CommCtr_Text").empty() ? 0 : std::stoi(Text("CommCtr_Text")); };
    const int seen = count();
    return WaitFor([&] { return count() >= seen + runs; });
  }
};

// Answers written in pieces: the board information, the stored settings and the measurements
// fill the window, the run data come once a second, and sent settings come back in the run data.
TEST(ConsoleEndToEnd, MonitoringAndSendingSettings) {
  Open c({"--split"});
  EXPECT_EQ(Find<QLineEdit>(c.Main(), "CommPortText").toolTip().toStdString(), c.sim.Path());
  EXPECT_TRUE(Find<QPushButton>(c.Main(), "CommPort_ToggleButton").isChecked());  // looks pressed while open
  ASSERT_TRUE(c.WaitText("TextBox1", "M1"));
  EXPECT_EQ(c.Text("TextBox2") + " " + c.Text("TextBox3") + " " + c.Text("TextBox4"), "P2 VA2.3 半导体制冷制热");
  ASSERT_TRUE(c.RunData());
  for (const auto& [field, text] : {std::pair{"TECcoolStart_Text", "25"}, {"TECheatStart_Text", "-10"},
                                    {"IntFanLowS_Text", "1500"}, {"TempMax_Text", "45"}, {"TECcurrL_Text", "0.5"}})
    EXPECT_EQ(c.Text(field), text) << field;
  EXPECT_NEAR(std::stod(c.Text("DCvoltage_Text")), 53.5, 1.5);
  EXPECT_EQ(c.Text("IntFanSpeed_Text").substr(0, 1), " ");
  EXPECT_TRUE(c.Checked("RS485Option") && !c.Checked("RS422Option"));
  EXPECT_TRUE(c.RunData(2));
  c.Click(c.Main(), "Copy_Command");
  Find<QLineEdit>(c.Main(), "S_TempMax_Text").setFocus();
  QTest::keyClicks(QApplication::focusWidget(), "1");  // 451: out of range, said when the field is left
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(c.box.shown, std::vector<std::string>{"数据错误！"});
  EXPECT_EQ(QApplication::focusWidget(), &Find<QLineEdit>(c.Main(), "S_TempMin_Text"));
  c.Type(c.Main(), "S_TempMax_Text", "60");
  c.Type(c.Main(), "S_IntFanLowS_Text", "1800");
  c.Type(c.Main(), "S_TECcurrH_Text", "12.5");
  c.Click(c.Main(), "Setup_Command");
  EXPECT_TRUE(c.WaitText("TempMax_Text", "60") && c.WaitText("IntFanLowS_Text", "1800") &&
              c.WaitText("TECcurrH_Text", "12.5"));
  EXPECT_EQ(c.Text("TECcoolStart_Text"), "25");
  EXPECT_EQ(c.box.shown.size(), 1u);
  EXPECT_TRUE(c.box.posted.empty());
}

TEST(ConsoleEndToEnd, EchoOnTheLineShowsRs422) {
  Open c({"--echo"});
  ASSERT_TRUE(c.RunData());
  EXPECT_TRUE(c.Checked("RS422Option") && !c.Checked("RS485Option"));
}

// The simulated temperature takes the place of the inner sensor; a new address is written,
// read back and followed by the polls; the factory window reads and writes the factory settings.
TEST(ConsoleEndToEnd, CommandsAndTheFactoryWindow) {
  Open c;
  ASSERT_TRUE(c.RunData());
  c.Type(c.Main(), "SetupT_Text", "-12.5");
  c.Click(c.Main(), "Command3");
  EXPECT_TRUE(c.WaitText("Temp1_Text", "-12.5"));
  QTest::keyClicks(&Find<QLineEdit>(c.Main(), "AddrText1"), "27");  // every edit is checked: 27 is no address
  EXPECT_EQ(c.Text("AddrText1"), "1");
  Find<QLineEdit>(c.Main(), "AddrText1").clear();
  QTest::keyClicks(&Find<QLineEdit>(c.Main(), "AddrText1"), "7");
  c.Click(c.Main(), "Addr_Command1");
  ASSERT_TRUE(WaitFor([&] { return !c.windows.Form().f_Addr_Command1; }));
  QTest::qWait(300);  // the acknowledgement comes back before the board takes its new address
  c.Click(c.Main(), "Addr_Command2");
  ASSERT_TRUE(c.WaitText("AddrText2", "7"));
  EXPECT_TRUE(c.RunData(2)) << "run data now come from address 7";

  c.Click(c.Main(), "F_Setup_Command");
  QTest::keyClicks(&Find<QLineEdit>(c.windows.PasswordView(), "Password_TextBox"), "KT907");
  ASSERT_TRUE(c.Factory().isVisible());
  const auto boardFlag = [&] { return Find<QCheckBox>(c.Factory(), "CheckBox2").isChecked(); };
  ASSERT_TRUE(c.WaitText("DCVlow_Text", "180", &c.Factory()));
  EXPECT_EQ(c.Text("Ver_Text", &c.Factory()) + " " + c.Text("H_Fan_Text", &c.Factory()), "A2 10");
  EXPECT_TRUE(boardFlag());
  c.Type(c.Factory(), "S_H_Fan_Text", "30");  // and the cooling-only flag cleared: CheckBox1 stays off
  c.Click(c.Factory(), "F_Setup_Command");
  EXPECT_TRUE(c.WaitText("H_Fan_Text", "30", &c.Factory()));
  EXPECT_TRUE(WaitFor([&] { return !boardFlag(); }));
  EXPECT_EQ(c.Text("DCVlow_Text", &c.Factory()), "180");
  c.Factory().close();  // the close box empties the window but keeps it
  EXPECT_EQ(c.Text("DCVlow_Text", &c.Factory()) + c.Text("S_H_Fan_Text", &c.Factory()), "");
  EXPECT_EQ(c.box.shown, std::vector<std::string>{"数据错误！"});
}

TEST(ConsoleEndToEnd, UnpluggedBoardClosesThePortAndTellsTheOperatorOnce) {
  Open c;
  ASSERT_TRUE(c.RunData());
  c.sim.Kill();
  auto& toggle = Find<QPushButton>(c.Main(), "CommPort_ToggleButton");
  ASSERT_TRUE(WaitFor([&] { return toggle.text() == "打开串口" && !toggle.isChecked(); }));
  QTest::qWait(600);
  ASSERT_EQ(c.box.posted.size(), 1u);
  EXPECT_NE(c.box.posted[0].find("串口已断开"), std::string::npos) << c.box.posted[0];
}

// Closing the main window releases the port, hides the other windows and ends the program.
TEST(ConsoleEndToEnd, ClosingTheMainWindowReleasesThePort) {
  Open c;
  c.windows.FactoryView().show();
  QSignalSpy closed(&c.windows, &ConsoleWindows::closed);
  c.Main().close();
  EXPECT_EQ(closed.count(), 1);
  EXPECT_FALSE(c.port.PortOpen() || c.Factory().isVisible() || c.windows.PollTimer().isActive());
}

}  // namespace
}  // namespace kestrova::testing
