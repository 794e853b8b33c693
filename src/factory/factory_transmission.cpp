// The factory settings transmission: one parameter write per call, for the next code from
// m_F_SetupNo whose setting differs from what the board reported.
#include "console/main_form.h"
#include "factory/factory_settings.h"
#include "protocol/frames.h"

namespace kestrova {

// Walks from m_F_SetupNo to the first code whose send rule says send and writes
// 05 A 1E code 01 D C for it. A value that has no one-byte form (typed after the button was
// pressed) is passed over like an unchanged one. The call that finds the walk past code 27
// ends the transmission without a frame.
void MainForm::SendFSetupData() {
  if (m_F_SetupNo < kFirstFactoryCode) m_F_SetupNo = kFirstFactoryCode;
  FactoryDecision decision;
  while (m_F_SetupNo <= kLastFactoryCode) {
    decision = Decide(kFactorySettings[m_F_SetupNo - kFirstFactoryCode], Factory);
    if (decision.verdict == FactoryDecision::Verdict::Send) break;
    ++m_F_SetupNo;
  }
  if (m_F_SetupNo > kLastFactoryCode) {
    f_F_Setup_Command = false;
    return;
  }
  Send(ParameterWrite(static_cast<std::uint8_t>(m_Address), static_cast<std::uint8_t>(m_F_SetupNo),
                      decision.data));
  ++m_F_SetupNo;
}

}  // namespace kestrova
