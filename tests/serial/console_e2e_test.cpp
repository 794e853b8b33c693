// The whole console end to end: the real windows, the QSerialPort component and the board
// simulator on a pseudo-terminal. The operator's actions are clicks and keystrokes on the
// controls; the checks are what the windows show.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "serial/console_harness.h"

namespace kestrova::testing {
namespace {

bool Checked(Console& c, const char* name) { return Find<QRadioButton>(c.Main(), name).isChecked(); }

// Answers written in pieces: the board information, the stored settings and the measurements
// fill the window, the run data come once a second, and sent settings come back in the run data.
TEST(ConsoleEndToEnd, MonitoringAndSendingSettings) {
  Console c({"--split"});
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  EXPECT_TRUE(Find<QPushButton>(c.Main(), "CommPort_ToggleButton").isChecked());  // looks pressed while open
  ASSERT_TRUE(c.WaitText("TextBox1", "M1"));
  EXPECT_EQ(c.Text("TextBox2") + " " + c.Text("TextBox3") + " " + c.Text("TextBox4"), "P2 VA2.3 半导体制冷制热");
  ASSERT_TRUE(c.RunData());
  EXPECT_EQ(c.Text("TECheatStart_Text") + " " + c.Text("IntFanLowS_Text") + " " + c.Text("TECcurrL_Text"), "-10 1500 0.5");
  EXPECT_TRUE(Checked(c, "RS485Option") && !Checked(c, "RS422Option"));
  EXPECT_TRUE(c.RunData(2));
  c.Click(c.Main(), "Copy_Command");
  Find<QLineEdit>(c.Main(), "S_TempMax_Text").setFocus();
  QTest::keyClicks(QApplication::focusWidget(), "1");  // 451: out of range, said when the field is left
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(c.box.shown, std::vector<std::string>{"数据错误！"});
  EXPECT_EQ(QApplication::focusWidget(), &Find<QLineEdit>(c.Main(), "S_TempMin_Text"));
  const std::pair<const char*, const char*> sent[] = {{"TempMax_Text", "60"}, {"IntFanLowS_Text", "1800"},
                                                       {"TECcurrH_Text", "12.5"}};
  for (const auto& [field, value] : sent) c.Type(c.Main(), "S_" + std::string(field), value);
  c.Click(c.Main(), "Setup_Command");
  EXPECT_TRUE(c.WaitStatus("设置已写入，读回一致（3 项）")) << c.Status();
  for (const auto& [field, value] : sent) EXPECT_TRUE(c.WaitText(field, value)) << field;
  EXPECT_EQ(c.Text("TECcoolStart_Text"), "25");
  EXPECT_EQ(c.box.shown.size(), 1u);
  EXPECT_TRUE(c.box.posted.empty());
}

// On an RS-422 loop, where the requests come back with the answers in the same reads: the
// simulated temperature takes the place of the inner sensor; a new address is written, read back
// and followed by the polls; the factory window reads and writes the factory settings.
TEST(ConsoleEndToEnd, CommandsAndTheFactoryWindowOnAnEchoingLine) {
  Console c({"--echo"});
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  ASSERT_TRUE(c.RunData());
  EXPECT_TRUE(Checked(c, "RS422Option") && !Checked(c, "RS485Option"));
  c.Type(c.Main(), "SetupT_Text", "-12.5");
  c.Click(c.Main(), "Command3");
  EXPECT_TRUE(c.WaitText("Temp1_Text", "-12.5"));
  Find<QLineEdit>(c.Main(), "AddrText1").clear();
  QTest::keyClicks(&Find<QLineEdit>(c.Main(), "AddrText1"), "7");
  c.Click(c.Main(), "Addr_Command1");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !c.windows.Form().pending.Has(PollRequest::AddressWrite); }));
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
  c.Type(c.Factory(), "S_H_Fan_Text", "30");  // and the cooling-only flag cleared: kSetCoolingOnly stays off
  c.Click(c.Factory(), "F_Setup_Command");
  EXPECT_TRUE(c.WaitText("H_Fan_Text", "30", &c.Factory()));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !boardFlag(); }));
  c.Factory().close();  // the close box empties the window but keeps it
  EXPECT_EQ(c.Text("DCVlow_Text", &c.Factory()) + c.Text("S_H_Fan_Text", &c.Factory()), "");
  EXPECT_TRUE(c.box.shown.empty()) << c.box.shown.front();
}

}  // namespace
}  // namespace kestrova::testing
