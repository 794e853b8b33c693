// Start-up and shut-down of the link state, the port probe, the closed-port display step of
// the poll tick, the port selector and the open/close toggle.
#include <string>

#include "console/main_form.h"
#include "link/port_selection.h"

namespace kestrova {

namespace {

// Every write of the selector text also names the device behind it in the tooltip.
void ShowPortText(MainForm& form, const std::string& name) {
  form.Main.SetText(kPortText, name);
  form.Main.SetToolTip(kPortText, form.MSComm1.DeviceName(PortNumberOf(name)));
}

}  // namespace

void MainForm::Form_Load() {
  Ring.m_ReceiveNo = 0;
  Ring.m_DataNo = 0;
  Ring.m_DataPointer = 0;
  m_Address = 1;
  FanSpeed.m_FanSpeedPointer = 0;
  f_Command02 = true;
  // The link starts closed; the caption is its state.
  Main.SetText(kPortToggle, kOpenPortCaption);
}

void MainForm::Form_Unload() {
  if (MSComm1.PortOpen()) MSComm1.SetPortOpen(false);
}

void MainForm::ProbePorts() {
  // A port that is missing or in use fails to open and is simply not listed.
  for (int i = 1; i <= kProbedPorts; ++i) {
    MSComm1.SetCommPort(i);
    if (MSComm1.SetPortOpen(true) && MSComm1.PortOpen()) {
      MSComm1.SetPortOpen(false);
      CommPortList[static_cast<std::size_t>(m_CommPortNo)] = PortName(i);
      ++m_CommPortNo;
    }
  }
}

void MainForm::ShowClosedPort() {
  // Fills the selector with the first port found; afterwards its text starts with "C" and is
  // left as the selector sets it.
  if (Main.Text(kPortText).starts_with('C') || m_CommPortNo <= 0) return;
  ShowPortText(*this, CommPortList[0]);
  if (m_CommPortNo > 1) Main.SetVisible(kPortScroll, true);
}

void MainForm::CommPortVScroll_Change() {
  // Stepping past the last port found wraps to the first; the up arrow stops at the first
  // (the bar's minimum is 0).
  int value = Main.Number(kPortScroll);
  if (value >= m_CommPortNo || value < 0) {
    value = 0;
    Main.SetNumber(kPortScroll, 0);
  }
  const std::string& name = CommPortList[static_cast<std::size_t>(value)];
  ShowPortText(*this, name);
  // Takes effect at the next open; an open port stays on its device until it is closed.
  MSComm1.SetCommPort(PortNumberOf(name));
}

void MainForm::CommPort_ToggleButton_Click() {
  if (m_CommPortNo <= 0) return;
  if (Main.Text(kPortToggle) == kOpenPortCaption) {
    MSComm1.SetCommPort(PortNumberOf(Main.Text(kPortText)));
    // The caption turns to "关闭串口" only once the port is really open: a port that vanished
    // or was taken by another program since the probe leaves the link closed, and the
    // operator learns why.
    if (MSComm1.SetPortOpen(true) && MSComm1.PortOpen()) {
      Main.SetText(kPortToggle, kClosePortCaption);
    } else {
      const std::string reason = MSComm1.ErrorText();
      MSComm1.SetPortOpen(false);
      Box.Show(std::string(kCannotOpenPort) + reason);
    }
  } else {
    Main.SetText(kPortToggle, kOpenPortCaption);
    MSComm1.SetPortOpen(false);
  }
}

}  // namespace kestrova
