#include "forms/main_form.h"

#include "commands/device_address.h"
#include "commands/sim_temperature.h"
#include "factory/factory_readback.h"
#include "factory/factory_settings.h"
#include "factory/factory_transmission.h"
#include "link/link_status.h"
#include "link/poll_cycle.h"
#include "monitor/board_info.h"
#include "monitor/field_tips.h"
#include "panel/controls.h"
#include "settings/setting_pairs.h"
#include "settings/settings_transmission.h"
#include "values/range.h"

namespace kestrova {

using namespace main_window;

namespace {

// How long the result of a write check stays in the status bar.
constexpr std::int64_t kNoteMs = 10000;
// While the port is closed the probe looks for new ports once a second.
constexpr int kProbeEveryTicks = 1000 / kPollIntervalMs;

const SystemClock kSystemClock;

bool IsRead(std::span<const std::uint8_t> frame, std::uint8_t subtype) {
  return frame.size() == 5 && frame[2] == kRead && frame[3] == subtype;
}

}  // namespace

MainForm::MainForm(SerialPort& port, Panel& main, Panel& factory, Panel& password, MessageBox& box)
    : MSComm1(port),
      Main(main),
      Factory(factory),
      Password(password),
      Box(box),
      RunDataFreshness(RunDataDisplays(), MainFieldTip),
      FactoryFreshness(FactoryReadBacks(), FactoryFieldTip),
      clock_(&kSystemClock) {}

void MainForm::Send(std::span<const std::uint8_t> frame) {
  MSComm1.Output(frame);
  Stats.Sent(frame, Time().NowMs());
  if (IsRead(frame, kRunData)) SettingsCheck.ReportRequested();
  if (IsRead(frame, kFactoryData)) FactoryCheck.ReportRequested();
}

void MainForm::Form_Load() {
  Ring.m_ReceiveNo = 0;
  Ring.m_DataNo = 0;
  Ring.m_DataPointer = 0;
  m_Address = 1;
  RunData.FanSpeed.m_FanSpeedPointer = 0;
  f_Command02 = true;
  // The link starts closed; the caption is its state.
  Main.SetText(CommPort_ToggleButton, kOpenPortCaption);
  for (const Control& c : kAll)
    if (const std::string tip = MainFieldTip(c); !tip.empty()) Main.SetToolTip(c, tip);
  for (const Control& c : factory_window::kAll)
    if (const std::string tip = FactoryFieldTip(c); !tip.empty()) Factory.SetToolTip(c, tip);
}

void MainForm::Form_Unload() {
  if (MSComm1.PortOpen()) MSComm1.SetPortOpen(false);
}

void MainForm::CommPortVScroll_Change() {
  SelectPort(Main, MSComm1, Ports);
  lost_.reset();
}

void MainForm::CommPort_ToggleButton_Click() {
  const bool wasOpen = MSComm1.PortOpen();
  TogglePort(Main, MSComm1, Ports, Box);
  if (!wasOpen && MSComm1.PortOpen()) Stats.Opened(Time().NowMs());
  lost_.reset();
  ShowLineState();
}

void MainForm::Timer1_Timer() {
  Poll();
  ShowLineState();
}

// One pass of the poll cycle. With the port open it receives and scans the input, then sends
// at most one request chosen by the four-phase schedule and the operator's request flags.
// With it closed, the probe looks for ports not offered yet: at the first tick, then once a
// second, so an adapter plugged in later is offered without a restart.
void MainForm::Poll() {
  if (!MSComm1.PortOpen()) {
    if (auto lost = ClosePortIfLost(Main, MSComm1, Box)) {
      if (PortLost) PortLost(*lost);
      lost_ = std::move(lost);
    }
    if (Ports.m_CommPortNo == 0 || probeTicks_++ % kProbeEveryTicks == 0) ProbePorts(MSComm1, Ports);
    ShowClosedPort(Main, MSComm1, Ports);
    return;
  }
  if (LineLent) return;
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

void MainForm::ShowLineState() {
  const std::int64_t now = Time().NowMs();
  LinkView view;
  view.open = MSComm1.PortOpen();
  view.device = SelectedDevice(Main, MSComm1);
  view.lost = lost_;
  view.probe = Ports.Outcomes;
  if (note_ && now - noteAt_ <= kNoteMs) view.note = note_->text;
  const StatusLine line = LinkStatusLine(view, Stats, now);
  Main.SetText(LinkStatus, line.text);
  Main.SetToolTip(LinkStatus, view.note && !note_->tip.empty() ? note_->tip + "\n" + line.tip : line.tip);
  Main.SetText(LinkStats, view.open ? LinkStatsText(Stats, now) : std::string());
  RunDataFreshness.Check(Main, now, true);
  FactoryFreshness.Check(Factory, now, Factory.Visible(factory_window::kWindow) && !f_F_Setup_Command);
}

void MainForm::Validate(std::string_view field) {
  const Range* range = RangeOfMainField(field);
  if (range && !InRange(Main.Text(field), *range)) Box.Show(kDataError);
}

// "发送设置": starts (or restarts from code 0) the walk that SendSetupData does one frame at
// a time. Nothing starts unless every setting that would go out has a wire form.
void MainForm::Setup_Command_Click() {
  if (!MSComm1.PortOpen()) return;
  if (const auto refusal = CheckSetupStart(Main, m_Address)) {
    Box.Show(refusal->message);
    // The field that cannot be sent gets the focus and a mark until the operator edits it.
    if (!refusal->field.empty()) {
      Main.SetFlag(refusal->field, kInvalid, true);
      Main.SetFocus(refusal->field);
    }
    return;
  }
  m_SetupNo = 0;
  f_SetupButton = true;
  SettingsCheck.Start();
}

void MainForm::SendSetupData() {
  if (const auto frame = NextSettingWrite(Main, m_Address, m_SetupNo)) {
    Send(*frame);
    SettingsCheck.Written(WrittenSetting(*frame));
  }
  if (SettingsWalkDone(m_SetupNo)) {
    f_SetupButton = false;
    SettingsCheck.Finish();
  }
}

void MainForm::EditedByOperator(std::string_view field) { Main.SetFlag(field, kInvalid, false); }

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
  if (const auto frame = NextFactoryWrite(Factory, m_Address, m_F_SetupNo)) {
    Send(*frame);
    FactoryCheck.Written(WrittenFactorySetting(*frame));
    return;
  }
  f_F_Setup_Command = false;
  FactoryCheck.Finish();
}

void MainForm::FactoryTransmissionStarted() { FactoryCheck.Start(); }

void MainForm::FactoryWindowClosed() { FactoryFreshness.Forget(Factory); }

void MainForm::ShowRunData() {
  kestrova::ShowRunData(Ring, Main, RunData);
  const std::int64_t now = Time().NowMs();
  RunDataFreshness.Confirmed(Main, now, Time().TimeOfDay());
  if (auto result = SettingsCheck.Compare(Ring)) ShowWriteCheck(std::move(*result), now);
  if (RunDataShown) RunDataShown(Ring);
}

void MainForm::ShowWriteCheck(WriteCheckResult result, std::int64_t nowMs) {
  if (WriteChecked) WriteChecked(result);
  note_ = std::move(result);
  noteAt_ = nowMs;
}

void MainForm::ShowAddress() { m_Address = kestrova::ShowAddress(Ring, Main); }
void MainForm::ShowBoardInfo() { kestrova::ShowBoardInfo(Ring, Main); }

void MainForm::ShowFSetupData() {
  kestrova::ShowFSetupData(Ring, Factory);
  const std::int64_t now = Time().NowMs();
  FactoryFreshness.Confirmed(Factory, now, Time().TimeOfDay());
  if (auto result = FactoryCheck.Compare(Ring)) ShowWriteCheck(std::move(*result), now);
  if (FactoryDataShown) FactoryDataShown(Ring);
}

void MainForm::Consumed(const ReceiveRing& ring, int length, Piece piece) {
  Stats.Received(ring, length, piece, Time().NowMs());
}
void MainForm::LinkModeUpdate() { kestrova::LinkModeUpdate(Main); }
void MainForm::SelectRS422() { kestrova::SelectRS422(Main); }

}  // namespace kestrova
