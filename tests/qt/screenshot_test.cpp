// Not a check: shows the three windows filled with typical board data and saves each as a
// PNG in $KESTROVA_SHOT_DIR (default /tmp), to look at the layout by eye. With
// KESTROVA_SHOT_WAIT_MS the windows stay up that long, for a screen grab under an X server.
//   kestrova-ui-tests --gtest_also_run_disabled_tests --gtest_filter='WindowScreenshot.*'
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "qt/ui_support.h"

namespace kestrova::testing {
namespace {

TEST(WindowScreenshot, DISABLED_AllWindows) {
  UiConsole c;
  QtPanel& m = c.windows.MainPanel();
  const std::pair<const char*, const char*> texts[] = {
      {"TextBox1", "KT-48D"}, {"TextBox2", "V1.2"}, {"TextBox3", "V2.05"}, {"TextBox4", "48V 直流 半导体空调"},
      {"CommPortText", "COM1"}, {"AddrText1", "5"}, {"AddrText2", "1"}, {"S_TECcoolStart_Text", "35"},
      {"TECcoolStart_Text", "35"}, {"S_TECcoolStop_Text", "28.5"}, {"TECcoolStop_Text", "28.5"},
      {"S_TECheatStart_Text", "5"}, {"TECheatStart_Text", "5"}, {"S_TECheatStop_Text", "15"},
      {"TECheatStop_Text", "15"}, {"S_TECcurrL_Text", "0.5"}, {"TECcurrL_Text", "0.5"}, {"S_TECcurrH_Text", "12"},
      {"TECcurrH_Text", "12"}, {"TECcurrent_Text", "3.5"}, {"S_IntFanPulse_Text", "2"}, {"IntFanPulse_Text", "2"},
      {"S_IntFanLowS_Text", "1200"}, {"IntFanLowS_Text", "1200"}, {"S_IntFanHighS_Text", "3600"},
      {"IntFanHighS_Text", "3600"}, {"IntFanSpeed_Text", " 3580"}, {"S_ExtFanPulse_Text", "3"},
      {"ExtFanPulse_Text", "3"}, {"S_ExtFanHighS_Text", "5500"}, {"ExtFanHighS_Text", "5500"},
      {"ExtFanSpeed_Text", " 5420"}, {"S_TempMax_Text", "55"}, {"TempMax_Text", "55"}, {"S_TempMin_Text", "-20"},
      {"TempMin_Text", "-20"}, {"CommCtr_Text", "123456"}, {"SetupT_Text", "-12.5"}, {"Temp1_Text", "25.5"},
      {"Temp2_Text", "-3"}, {"ControlTemp_Text", "26"}, {"DCvoltage_Text", "53.5"}};
  for (auto [name, text] : texts) m.SetText(name, text);
  for (int i = 1; i <= 22; ++i) m.SetNumber("StatusBox" + std::to_string(i), i % 4);
  m.SetChecked("RS485Option", true);
  m.SetVisible("CommPortVScroll", true);

  QtPanel& f = c.windows.FactoryPanel();
  for (const char* name : {"Temp1Calib_Text", "Temp2Calib_Text", "TECcurrCalib_Text", "DCVcalib_Text", "DCVlow_Text",
                           "DCVhigh_Text", "H_Fan_Text", "DCVlowOffset_Text", "DCVhighOffset_Text"}) {
    f.SetText(name, "127");
    f.SetText(std::string("S_") + name, "-12.5");
  }
  f.SetText("Ver_Text", "A1");
  f.SetText("S_Ver_Text", "B2");
  f.SetChecked("CheckBox2", true);
  c.windows.PasswordPanel().SetText("Password_TextBox", "KT90");

  c.windows.ShowMain();
  c.windows.FactoryView().show();
  c.windows.PasswordView().show();
  c.windows.FactoryView().move(20, 20);
  c.windows.PasswordView().move(20, 320);
  const QString dir = qEnvironmentVariable("KESTROVA_SHOT_DIR", QStringLiteral("/tmp"));
  c.windows.MainView().grab().save(dir + QStringLiteral("/kestrova-grab-main.png"));
  c.windows.FactoryView().grab().save(dir + QStringLiteral("/kestrova-grab-factory.png"));
  c.windows.PasswordView().grab().save(dir + QStringLiteral("/kestrova-grab-password.png"));
  QTest::qWait(qEnvironmentVariableIntValue("KESTROVA_SHOT_WAIT_MS"));
}

}  // namespace
}  // namespace kestrova::testing
