#include "forms/main_form.h"

#include "commands/device_address.h"
#include "commands/sim_temperature.h"
#include "factory/factory_readback.h"
#include "factory/factory_transmission.h"
#include "link/poll_cycle.h"
#include "monitor/board_info.h"
#include "panel/controls.h"
#include "settings/setting_pairs.h"
#include "settings/settings_transmission.h"
#include "values/range.h"

namespace kestrova {

using namespace main_window;

MainForm::MainForm(SerialPort& port, Panel& main, Panel& factory, Panel& password, MessageBox& box)
    : MSComm1(port), Main(main), Factory(factory), Password(password), Box(box) {}

void MainForm::Send(std::span<const std::uint8_t> frame) { MSComm1.Output(frame); }

void MainForm::Form_Load() {
  Ring.m_ReceiveNo = 0;
  Ring.m_DataNo = 0;
  Ring.m_DataPointer = 0;
  m_Address = 1;
  RunData.FanSpeed.m_FanSpeedPointer = 0;
  f_Command02 = true;
  // The link starts closed; the caption is its state.
  Main.SetText(CommPort_ToggleButton, kOpenPortCaption);
}

void MainForm::Form_Unload() {
  if (MSComm1.PortOpen()) MSComm1.SetPortOpen(false);
}

void MainForm::CommPortVScroll_Change() { SelectPort(Main, MSComm1, Ports); }

void MainForm::CommPort_ToggleButton_Click() { TogglePort(Main, MSComm1, Ports, Box); }

// One pass of the poll cycle. With the port open it receives and scans the input, then sends
// at most one request chosen by the four-phase schedule and the operator's request flags.
void MainForm::Timer1_Timer() {
  if (Ports.m_CommPortNo == 0) ProbePorts(MSComm1, Ports);
  if (!MSComm1.PortOpen()) {
    ClosePortIfLost(Main, MSComm1, Box);
    ShowClosedPort(Main, MSComm1, Ports);
    return;
  }
  const bool arrived = ReceiveData(MSComm1, Ring);
  if (Incomplete.StaleAfter(arrived, ScanFrames(Ring, m_Address, *this))) DropIncompleteStart(Ring, *this);

  TickNo = NextTick(TickNo);
  const int phase = TickNo % 4;
  if (phase == kCommandPhase) {
    if (Ring.m_DataNo < kCommandSendLimit) CommandTick();
    return;
  }
  // Phases 0, 1, 3: a settings transmission takes every tick; otherwise phase 0 polls run data.
  if (Ring.m_DataNo >= kSendLimit) return;
  if (f_SetupButton) return SendSetupData();
  if (phase == kRunDataPhase) Send(ReadRequest(static_cast<std::uint8_t>(m_Address), kRunData));
}

void MainForm::CommandTick() {
  const auto address = static_cast<std::uint8_t>(m_Address);
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
    if (Main.Text(TextBox1).empty()) return Send(ReadRequest(address, kBoardInfo));
    f_Command02 = false;
  }
  if (f_Command3) {
    f_Command3 = false;
    return SendSimTemperature();
  }
  if (f_F_Setup_Command) return SendFSetupData();
  if (Factory.Visible(factory_window::kWindow)) Send(ReadRequest(address, kFactoryData));
}

void MainForm::Validate(std::string_view field) {
  const Range* range = RangeOfMainField(field);
  if (range && !InRange(Main.Text(field), *range)) Box.Show(kDataError);
}

// "发送设置": starts (or restarts from code 0) the walk that SendSetupData does one frame at
// a time. Nothing starts unless every setting that would go out has a wire form.
void MainForm::Setup_Command_Click() {
  if (!MSComm1.PortOpen()) return;
  if (const auto refusal = SetupRefusal(Main, m_Address)) return Box.Show(*refusal);
  m_SetupNo = 0;
  f_SetupButton = true;
}

void MainForm::SendSetupData() {
  if (const auto frame = NextSettingWrite(Main, m_Address, m_SetupNo)) Send(*frame);
  if (SettingsWalkDone(m_SetupNo)) f_SetupButton = false;
}

void MainForm::Copy_Command_Click() { CopySettings(Main); }

// "发送地址" and "获取地址": one write or read on the next free command tick.
void MainForm::Addr_Command1_Click() {
  if (MSComm1.PortOpen()) f_Addr_Command1 = true;
}

void MainForm::Addr_Command2_Click() {
  if (MSComm1.PortOpen()) f_Addr_Command2 = true;
}

// Every change of the new address is checked; a rejected text is replaced by "1" once the
// operator has dismissed the message.
void MainForm::AddrText1_Change() {
  if (AcceptedAddress(Main.Text(AddrText1))) return;
  Box.Show(kDataError);
  Main.SetText(AddrText1, "1");
}

// The write with the field's text at sending time; nothing when it has no one-byte form.
void MainForm::SendAddressWrite() {
  if (const auto frame = AddressWrite(m_Address, Main.Text(AddrText1))) Send(*frame);
}

// "发送模拟温度": one write on the next free command tick. A value with no wire form is refused
// here with the data-error message instead of being sent wrapped.
void MainForm::Command3_Click() {
  if (!MSComm1.PortOpen()) return;
  if (!SimTemperatureWrite(m_Address, Main.Text(SetupT_Text))) return Box.Show(kDataError);
  f_Command3 = true;
}

void MainForm::SendSimTemperature() {
  if (const auto frame = SimTemperatureWrite(m_Address, Main.Text(SetupT_Text))) Send(*frame);
}

// "厂家设定": asks for the password unless the factory window is already open. The password
// window is an ordinary window, so the poll cycle runs on behind it.
void MainForm::F_Setup_Command_Click() {
  if (Factory.Visible(factory_window::kWindow)) return;
  Password.SetVisible(password_window::kWindow, true);
}

// The call that finds the walk past code 27 ends the transmission without a frame.
void MainForm::SendFSetupData() {
  if (const auto frame = NextFactoryWrite(Factory, m_Address, m_F_SetupNo)) return Send(*frame);
  f_F_Setup_Command = false;
}

void MainForm::ShowRunData() { kestrova::ShowRunData(Ring, Main, RunData); }
void MainForm::ShowAddress() { m_Address = kestrova::ShowAddress(Ring, Main); }
void MainForm::ShowBoardInfo() { kestrova::ShowBoardInfo(Ring, Main); }
void MainForm::ShowFSetupData() { kestrova::ShowFSetupData(Ring, Factory); }
void MainForm::LinkModeUpdate() { kestrova::LinkModeUpdate(Main); }
void MainForm::SelectRS422() { kestrova::SelectRS422(Main); }

}  // namespace kestrova
