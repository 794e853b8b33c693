// The poll cycle: one pass per 250 ms timer tick. With the port open it receives and scans
// the input, then sends at most one request chosen by the four-phase schedule and the
// operator's request flags.
#include <string>

#include "console/main_form.h"
#include "link/port_selection.h"
#include "protocol/frames.h"

namespace kestrova {

namespace {

constexpr int kTickWrap = 32000;       // a multiple of 4: the phases never skip at the wrap
constexpr int kSendLimit = 80;         // no request while this many bytes are unread
constexpr int kCommandSendLimit = 100; // the same for phase 2

// The port went away while open (adapter pulled, device error): the link returns to the
// closed state, so the caption offers opening again, and the operator is told once. The
// message is queued, never modal, because this runs inside a tick.
void ClosePortLost(MainForm& form) {
  const std::string reason = form.MSComm1.ErrorText();
  form.MSComm1.SetPortOpen(false);
  form.Main.SetText(kPortToggle, kOpenPortCaption);
  form.Box.Post(std::string(kPortLost) + reason);
}

}  // namespace

void MainForm::Timer1_Timer() {
  if (m_CommPortNo == 0) ProbePorts();
  if (!MSComm1.PortOpen()) {
    if (Main.Text(kPortToggle) == kClosePortCaption) ClosePortLost(*this);
    ShowClosedPort();
    return;
  }
  ReceiveData();
  ScanFrames(Ring, m_Address, *this);

  ++TickNo;
  if (TickNo >= kTickWrap) TickNo = 0;
  const int phase = TickNo % 4;
  const auto address = static_cast<std::uint8_t>(m_Address);

  if (phase == 2) {
    // The command tick: the first pending item of the chain, at most one frame.
    if (Ring.m_DataNo >= kCommandSendLimit) return;
    if (f_SetupButton) return SendSetupData();
    if (f_Addr_Command2) {
      f_Addr_Command2 = false;
      return Send(AddressReadRequest());
    }
    if (f_Addr_Command1) {
      f_Addr_Command1 = false;
      return SendAddressWrite();
    }
    if (f_Command02) {
      // Asked again on every command tick until the board model has arrived.
      if (Main.Text("TextBox1").empty()) return Send(ReadRequest(address, kBoardInfo));
      f_Command02 = false;
    }
    if (f_Command3) {
      f_Command3 = false;
      return SendSimTemperature();
    }
    if (f_F_Setup_Command) return SendFSetupData();
    if (Factory.Visible("F_Setup_Form")) Send(ReadRequest(address, kFactoryData));
    return;
  }

  // Phases 0, 1, 3: a settings transfer takes every tick; otherwise phase 0 polls run data.
  if (Ring.m_DataNo >= kSendLimit) return;
  if (f_SetupButton) return SendSetupData();
  if (phase == 0) Send(ReadRequest(address, kRunData));
}

void MainForm::ReceiveData() {
  if (MSComm1.InBufferCount() <= 0) return;
  const std::vector<std::uint8_t> bytes = MSComm1.Input();
  Ring.Store(bytes);
}

}  // namespace kestrova
