#include "console/main_form.h"
#include "settings/setting_pairs.h"
#include "ui/panel.h"

namespace kestrova {
namespace {

// A setting goes out when its edit text differs from its read-back text, compared exactly as
// strings: "25.0" against "25" counts as changed.
bool Changed(const Panel& main, const SettingPair& pair) {
  return main.Text(pair.edit) != main.Text(pair.readBack);
}

}  // namespace

// "发送设置": starts (or restarts from code 0) the walk that SendSetupData does one frame at
// a time. Nothing starts unless every setting that would go out has a wire form.
void MainForm::Setup_Command_Click() {
  if (!MSComm1.PortOpen()) return;
  if (Main.Text("S_TECcoolStart_Text").empty() || Main.Text("S_TempMin_Text").empty()) {
    Box.Show(kNoData);
    return;
  }
  for (const SettingPair& pair : kSettingPairs) {
    if (Changed(Main, pair) && !SettingWrite(m_Address, pair, Main.Text(pair.edit))) {
      Box.Show(kDataError);
      return;
    }
  }
  m_SetupNo = 0;
  f_SetupButton = true;
}

// One tick of the transmission: skips unchanged settings and the low-byte codes 6, 8, 11 in
// the same call, writes the next changed setting, and ends the transmission once the walk is
// past the last code (the call that writes code 15 ends it too). A setting whose text was
// changed during the transmission so that it no longer has a wire form is passed over.
void MainForm::SendSetupData() {
  while (m_SetupNo <= kLastSettingCode) {
    const SettingPair* pair = PairForCode(m_SetupNo);
    if (pair && Changed(Main, *pair)) {
      if (const auto frame = SettingWrite(m_Address, *pair, Main.Text(pair->edit))) {
        Send(*frame);
        m_SetupNo += pair->width;
        if (m_SetupNo > kLastSettingCode) f_SetupButton = false;
        return;
      }
    }
    ++m_SetupNo;
  }
  f_SetupButton = false;
}

}  // namespace kestrova
