// The whole console end to end: the real windows, the QSerialPort component and the board
// simulator on a pseudo-terminal. The operator's actions are clicks and keystrokes on the
// controls; the checks are what the windows show.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "qt/serial_component.h"
#include "serial/sim_process.h"
#include "app/console_windows.h"

namespace kestrova::testing {
namespace {

template <typename W>
W& Find(QWidget& window, const char* name) {
  W* w = window.findChild<W*>(QString::fromUtf8(name));
  if (!w) throw std::runtime_error(std::string("no control ") + name);
  return *w;
}

// The console on the simulator, port opened through the toggle button.
struct Console {
  explicit Console(std::vector<std::string> options = {}) : sim(std::move(options)) {
    windows.Load();
    windows.ShowMain();
  }
  QWidget& Main() { return windows.MainView(); }
  QWidget& Factory() { return windows.FactoryView(); }
  std::string Text(const char* name) { return Find<QLineEdit>(Main(), name).text().toStdString(); }
  void Click(QWidget& window, const char* name) { Find<QPushButton>(window, name).click(); }
  bool OpenPort() {
    if (!WaitFor([&] { return windows.Form().Ports.m_CommPortNo > 0; })) return false;
    Click(Main(), "CommPort_ToggleButton");
    return port.PortOpen();
  }
  bool WaitText(const char* name, const std::string& want, int ms = 5000) {
    return WaitFor([&] { return Text(name) == want; }, ms);
  }

  SimProcess sim;
  QtSerialPort port;
  FakeMessageBox box;
  ConsoleWindows windows{port, box};
};

TEST(ConsoleEndToEnd, MonitoringFillsTheWindowFromTheBoard) {
  Console c;
  ASSERT_FALSE(c.sim.Path().empty());
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  EXPECT_EQ(Find<QPushButton>(c.Main(), "CommPort_ToggleButton").text().toStdString(), "关闭串口");
  EXPECT_EQ(Find<QLineEdit>(c.Main(), "CommPortText").toolTip().toStdString(), c.sim.Path());

  ASSERT_TRUE(c.WaitText("TextBox1", "M1"));
  EXPECT_EQ(c.Text("TextBox2"), "P2");
  EXPECT_EQ(c.Text("TextBox3"), "VA2.3");
  EXPECT_EQ(c.Text("TextBox4"), "半导体制冷制热");
  ASSERT_TRUE(WaitFor([&] { return !c.Text("CommCtr_Text").empty(); }));
  // The simulator's stored settings, read back through the run data.
  EXPECT_EQ(c.Text("TECcoolStart_Text"), "25");
  EXPECT_EQ(c.Text("TECcoolStop_Text"), "20");
  EXPECT_EQ(c.Text("TECheatStart_Text"), "-10");
  EXPECT_EQ(c.Text("IntFanLowS_Text"), "1500");
  EXPECT_EQ(c.Text("ExtFanHighS_Text"), "3000");
  EXPECT_EQ(c.Text("TempMax_Text"), "45");
  EXPECT_EQ(c.Text("TECcurrL_Text"), "0.5");
  EXPECT_EQ(c.Text("TECcurrH_Text"), "8");
  EXPECT_FALSE(c.Text("Temp1_Text").empty());
  const double volts = std::stod(c.Text("DCvoltage_Text"));
  EXPECT_NEAR(volts, 53.5, 1.5);
  EXPECT_EQ(c.Text("IntFanSpeed_Text").substr(0, 1), " ");
  EXPECT_TRUE(Find<QRadioButton>(c.Main(), "RS485Option").isChecked());
  EXPECT_FALSE(Find<QRadioButton>(c.Main(), "RS422Option").isChecked());

  // The communication counter runs once a second.
  const int before = std::stoi(c.Text("CommCtr_Text"));
  EXPECT_TRUE(WaitFor([&] { return std::stoi(c.Text("CommCtr_Text")) >= before + 2; }, 4000));
  EXPECT_TRUE(c.box.shown.empty());
  EXPECT_TRUE(c.box.posted.empty());
}

TEST(ConsoleEndToEnd, EchoOnTheLineShowsRs422) {
  Console c({"--echo"});
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  ASSERT_TRUE(c.WaitText("TextBox1", "M1"));
  ASSERT_TRUE(WaitFor([&] { return !c.Text("CommCtr_Text").empty(); }));
  EXPECT_TRUE(Find<QRadioButton>(c.Main(), "RS422Option").isChecked());
  EXPECT_FALSE(Find<QRadioButton>(c.Main(), "RS485Option").isChecked());
}

TEST(ConsoleEndToEnd, SentSettingsShowInTheReadBackFields) {
  Console c({"--split"});
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  ASSERT_TRUE(c.WaitText("TempMax_Text", "45"));
  c.Click(c.Main(), "Copy_Command");
  Find<QLineEdit>(c.Main(), "S_TempMax_Text").setText("60");
  Find<QLineEdit>(c.Main(), "S_IntFanLowS_Text").setText("1800");
  Find<QLineEdit>(c.Main(), "S_TECcurrH_Text").setText("12.5");
  c.Click(c.Main(), "Setup_Command");
  EXPECT_TRUE(c.windows.Form().f_SetupButton);
  EXPECT_TRUE(c.WaitText("TempMax_Text", "60", 8000));
  EXPECT_TRUE(c.WaitText("IntFanLowS_Text", "1800"));
  EXPECT_TRUE(c.WaitText("TECcurrH_Text", "12.5"));
  EXPECT_EQ(c.Text("TECcoolStart_Text"), "25");
  EXPECT_TRUE(c.box.shown.empty());
}

TEST(ConsoleEndToEnd, NewAddressIsWrittenReadBackAndFollowed) {
  Console c;
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  ASSERT_TRUE(WaitFor([&] { return !c.Text("CommCtr_Text").empty(); }));
  QTest::keyClicks(&Find<QLineEdit>(c.Main(), "AddrText1"), "7");
  c.Click(c.Main(), "Addr_Command1");
  ASSERT_TRUE(WaitFor([&] { return !c.windows.Form().f_Addr_Command1; }));
  QTest::qWait(300);  // the acknowledgement comes back before the board takes its new address
  c.Click(c.Main(), "Addr_Command2");
  ASSERT_TRUE(c.WaitText("AddrText2", "7"));
  EXPECT_EQ(c.windows.Form().m_Address, 7);
  // Run data now comes from address 7.
  const int before = std::stoi(c.Text("CommCtr_Text"));
  EXPECT_TRUE(WaitFor([&] { return std::stoi(c.Text("CommCtr_Text")) > before + 1; }, 4000));
  EXPECT_TRUE(c.box.shown.empty());
}

TEST(ConsoleEndToEnd, FactoryWindowReadsAndWritesTheFactorySettings) {
  Console c;
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  ASSERT_TRUE(c.WaitText("TextBox1", "M1"));
  c.Click(c.Main(), "F_Setup_Command");
  ASSERT_TRUE(c.windows.PasswordView().isVisible());
  QTest::keyClicks(&Find<QLineEdit>(c.windows.PasswordView(), "Password_TextBox"), "KT907");
  ASSERT_TRUE(c.Factory().isVisible());
  EXPECT_FALSE(c.windows.PasswordView().isVisible());

  auto factoryText = [&](const char* name) { return Find<QLineEdit>(c.Factory(), name).text().toStdString(); };
  ASSERT_TRUE(WaitFor([&] { return factoryText("DCVlow_Text") == "180"; }, 5000));
  EXPECT_EQ(factoryText("Ver_Text"), "A2");
  EXPECT_EQ(factoryText("H_Fan_Text"), "10");
  EXPECT_TRUE(Find<QCheckBox>(c.Factory(), "CheckBox2").isChecked());

  // New interval, and the cooling-only flag cleared (CheckBox1 stays unticked).
  Find<QLineEdit>(c.Factory(), "S_H_Fan_Text").setText("30");
  c.Click(c.Factory(), "F_Setup_Command");
  EXPECT_TRUE(WaitFor([&] { return factoryText("H_Fan_Text") == "30"; }, 8000));
  EXPECT_TRUE(WaitFor([&] { return !Find<QCheckBox>(c.Factory(), "CheckBox2").isChecked(); }, 5000));
  EXPECT_EQ(factoryText("DCVlow_Text"), "180");
  EXPECT_TRUE(c.box.shown.empty());
}

TEST(ConsoleEndToEnd, UnpluggedBoardClosesThePortAndTellsTheOperatorOnce) {
  Console c;
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  ASSERT_TRUE(WaitFor([&] { return !c.Text("CommCtr_Text").empty(); }));
  c.sim.Kill();
  ASSERT_TRUE(WaitFor([&] {
    return Find<QPushButton>(c.Main(), "CommPort_ToggleButton").text().toStdString() == "打开串口";
  }));
  QTest::qWait(600);
  ASSERT_EQ(c.box.posted.size(), 1u);
  EXPECT_NE(c.box.posted[0].find("串口已断开"), std::string::npos) << c.box.posted[0];
  EXPECT_FALSE(c.port.PortOpen());
}

}  // namespace
}  // namespace kestrova::testing
