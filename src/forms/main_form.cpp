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
#include "settings/box_hints.h"
#include "settings/setting_pairs.h"
#include "settings/settings_transmission.h"
#include "values/range.h"
#include "values/tr.h"

#include <algorithm>

namespace kestrova {

using namespace main_window;

namespace {

// How long a write check that found everything taken, and the explanation of a box, stay in
// the status bar (a value not taken stays until resolved).
constexpr std::int64_t kNoteMs = 10000;
// How often the counts of the status bar are written when no run data come.
constexpr std::int64_t kStatsEveryMs = 1000;
// While the port is closed the probe looks for new ports once a second.
constexpr int kProbeEveryTicks = 1000 / kPollIntervalMs;

const SystemClock kSystemClock;

bool IsRead(std::span<const std::uint8_t> frame, std::uint8_t subtype) {
  return frame.size() == 5 && frame[2] == kRead && frame[3] == subtype;
}

}  // namespace

MainForm::MainForm(SerialPort& port, Panel& main, Panel& factory, Panel& password, MessageBox& box)
    : linePort(port),
      mainPanel(main),
      factoryPanel(factory),
      passwordPanel(password),
      messageBox(box),
      runDataFreshness(RunDataDisplays(), MainFieldTip),
      factoryFreshness(FactoryReadBacks(), FactoryFieldTip),
      clock_(&kSystemClock) {}

void MainForm::Send(std::span<const std::uint8_t> frame) {
  linePort.Output(frame);
  stats.Sent(frame, Time().NowMs());
  if (IsRead(frame, kRunData)) settingsCheck.ReportRequested();
  if (IsRead(frame, kFactoryData)) factoryCheck.ReportRequested();
}

void MainForm::OnStart() {
  ring.writeIndex = 0;
  ring.unreadCount = 0;
  ring.readIndex = 0;
  deviceAddress = 1;
  runData.fanSpeed.nextSlot = 0;
  pending.Add(PollRequest::BoardInfo);
  // The link starts closed; the caption is its state.
  mainPanel.SetText(kPortToggle, Tr("PortSelection", kOpenPortCaption));
  for (const Control& c : kAll)
    if (const std::string tip = MainFieldTip(c); !tip.empty()) mainPanel.SetToolTip(c, tip);
  for (const Control& c : factory_window::kAll)
    if (const std::string tip = FactoryFieldTip(c); !tip.empty()) factoryPanel.SetToolTip(c, tip);
}

void MainForm::OnClose() {
  if (linePort.PortOpen()) linePort.SetPortOpen(false);
}

void MainForm::OnNextPort() {
  SelectPort(mainPanel, linePort, ports);
  lost_.reset();
}

void MainForm::OnTogglePort() {
  const bool wasOpen = linePort.PortOpen();
  TogglePort(mainPanel, linePort, ports, messageBox);
  if (!wasOpen && linePort.PortOpen()) {
    stats.Opened(Time().NowMs());
    statsAt_ = Time().NowMs() - kStatsEveryMs;  // the counts at once
  }
  lost_.reset();
  ShowLineState();
}

void MainForm::OnPollTick() {
  Poll();
  ShowLineState();
}

// One pass of the poll cycle. With the port open it receives and scans the input, then sends
// at most one request chosen by the four-phase schedule and the operator's request flags.
// With it closed, the probe looks for ports not offered yet: at the first tick, then once a
// second, so an adapter plugged in later is offered without a restart.
void MainForm::Poll() {
  if (!linePort.PortOpen()) {
    if (auto lost = ClosePortIfLost(mainPanel, linePort, messageBox)) {
      if (portLost) portLost(*lost);
      lost_ = std::move(lost);
    }
    if (ports.portCount == 0 || probeTicks_++ % kProbeEveryTicks == 0) ProbePorts(linePort, ports);
    ShowClosedPort(mainPanel, linePort, ports);
    return;
  }
  if (lineLent_) return;
  const bool arrived = ReceiveData(linePort, ring);
  if (incompleteFrame.StaleAfter(arrived, ScanFrames(ring, deviceAddress, *this))) DropIncompleteStart(ring, *this);

  pollTick = NextTick(pollTick);
  const int phase = pollTick % 4;
  if (phase == kCommandPhase) {
    if (ring.unreadCount < kCommandSendLimit) CommandTick();
    return;
  }
  // Phases 0, 1, 3: a settings transmission takes every tick; otherwise phase 0 polls run data.
  if (ring.unreadCount >= kSendLimit) return;
  if (pending.Has(PollRequest::Settings)) return SendNextSetting();
  if (phase == kRunDataPhase) Send(ReadRequest(static_cast<std::uint8_t>(deviceAddress), kRunData));
}

void MainForm::CommandTick() {
  const auto address = static_cast<std::uint8_t>(deviceAddress);
  while (const std::optional<PollRequest> request = pending.First()) {
    switch (*request) {
      case PollRequest::Settings:
        return SendNextSetting();
      case PollRequest::AddressRead:
        pending.Remove(*request);
        return Send(AddressReadRequest());
      case PollRequest::AddressWrite:
        pending.Remove(*request);
        return SendAddressWrite();
      case PollRequest::BoardInfo:
        // Asked again on every command tick until the board model has arrived; then the tick
        // goes on to the next request.
        if (mainPanel.Text(kBoardModel).empty()) return Send(ReadRequest(address, kBoardInfo));
        pending.Remove(*request);
        break;
      case PollRequest::SimTemperature:
        pending.Remove(*request);
        return SendSimTemperature();
      case PollRequest::FactorySettings:
        return SendNextFactorySetting();
    }
  }
  // Nothing asked for: the open factory window's data.
  if (factoryPanel.Visible(factory_window::kWindow)) Send(ReadRequest(address, kFactoryData));
}

void MainForm::ReturnLine() {
  if (lineLent_) lineReturnedAt_ = Time().NowMs();
  lineLent_ = false;
}

void MainForm::ShowLineState() {
  const std::int64_t now = Time().NowMs();
  LinkView view;
  view.open = linePort.PortOpen();
  view.lent = lineLent_;
  view.returnedAtMs = lineReturnedAt_;
  view.device = SelectedDevice(mainPanel, linePort);
  view.lost = lost_;
  view.probe = ports.outcomes;
  if (note_ && now - noteAt_ <= kNoteMs) view.note = note_;
  if (hint_ && now - hintAt_ <= kNoteMs) view.hint = hint_;
  std::vector<NotTaken> notTaken = settingsCheck.Outstanding();
  notTaken.insert(notTaken.end(), factoryCheck.Outstanding().begin(), factoryCheck.Outstanding().end());
  if (!notTaken.empty()) view.notTaken = NotTakenSentence(notTaken);
  const StatusLine line = LinkStatusLine(view, stats, now);
  mainPanel.SetText(kLinkStatus, line.text);
  mainPanel.SetToolTip(kLinkStatus, line.tip);
  mainPanel.SetState(kLinkStatus, kLinkState, LinkStateName(line.state));
  mainPanel.SetState(kLinkStatus, kNotice, StatusNoticeName(line.notice));
  // The counts of an open port; closed, the sentence has the whole status bar. They are written
  // with the run data they count, or once a second when none come, so a healthy line repaints
  // the window once a second, not once for the request and again for its answer.
  mainPanel.SetVisible(kLinkStats, view.open);
  if (view.open && (runDataThisTick_ || now - statsAt_ >= kStatsEveryMs)) {
    mainPanel.SetText(kLinkStats, LinkStatsText(stats, now));
    statsAt_ = now;
  }
  runDataThisTick_ = false;
  runDataFreshness.Check(mainPanel, now, true);
  factoryFreshness.Check(factoryPanel, now, factoryPanel.Visible(factory_window::kWindow) && !pending.Has(PollRequest::FactorySettings));
}

void MainForm::ShowBox(std::string_view box, std::string hint) {
  hint_ = std::move(hint);
  hintAt_ = Time().NowMs();
  ShowLineState();
  messageBox.Show(Tr("Messages", std::string(box).c_str()));
  hintAt_ = Time().NowMs();  // the explanation stays a while after the box is dismissed
}

void MainForm::Validate(std::string_view field) {
  const Range* range = RangeOfMainField(field);
  if (range && !InRange(mainPanel.Text(field), *range)) ShowBox(kDataError, FieldAccepts(field));
}

// "发送设置": starts (or restarts from code 0) the walk that SendNextSetting does one frame at
// a time. Nothing starts unless every setting that would go out has a wire form.
void MainForm::OnSendSettings() {
  if (!linePort.PortOpen()) return;
  if (const auto refusal = CheckSetupStart(mainPanel, deviceAddress)) {
    ShowBox(refusal->message, refusal->field.empty() ? EmptySettingsHint(mainPanel) : FieldAccepts(refusal->field));
    // The field that cannot be sent gets the focus and a mark until the operator edits it.
    if (!refusal->field.empty()) {
      mainPanel.SetFlag(refusal->field, kInvalid, true);
      mainPanel.SetFocus(refusal->field);
    }
    return;
  }
  nextSettingCode = 0;
  pending.Add(PollRequest::Settings);
  settingsCheck.Start();
  hint_.reset();
  MarkNotTaken(mainPanel, settingsCheck, settingsMarked_, MainFieldTip);
}

void MainForm::SendNextSetting() {
  if (const auto frame = NextSettingWrite(mainPanel, deviceAddress, nextSettingCode)) {
    Send(*frame);
    settingsCheck.Written(WrittenSetting(*frame));
  }
  if (SettingsWalkDone(nextSettingCode)) {
    pending.Remove(PollRequest::Settings);
    settingsCheck.Finish();
  }
}

void MainForm::EditedByOperator(std::string_view field) {
  mainPanel.SetFlag(field, kInvalid, false);
  settingsCheck.Edited(field);
  MarkNotTaken(mainPanel, settingsCheck, settingsMarked_, MainFieldTip);
}

void MainForm::FactoryFieldEdited(std::string_view field) {
  factoryPanel.SetFlag(field, kInvalid, false);
  factoryCheck.Edited(field);
  MarkNotTaken(factoryPanel, factoryCheck, factoryMarked_, FactoryFieldTip);
}

// "复制设置" as the original does it; what it overwrote is said in the status bar.
void MainForm::OnCopySettings() {
  if (std::string replaced = CopySettingsNoting(mainPanel); !replaced.empty()) {
    hint_ = std::move(replaced);
    hintAt_ = Time().NowMs();
    ShowLineState();
  }
}

// "发送地址" and "获取地址": one write or read on the next free command tick.
void MainForm::OnSendAddress() {
  if (linePort.PortOpen()) pending.Add(PollRequest::AddressWrite);
}

void MainForm::OnReadAddress() {
  if (linePort.PortOpen()) pending.Add(PollRequest::AddressRead);
}

// Every change of the new address is checked; a rejected text is replaced by "1" once the
// operator has dismissed the message.
void MainForm::OnNewAddressEdited() {
  if (AcceptedAddress(mainPanel.Text(kNewAddress))) return;
  ShowBox(kDataError, FieldAccepts(kNewAddress));
  mainPanel.SetText(kNewAddress, "1");
}

// The write with the field's text at sending time; nothing when it has no one-byte form.
void MainForm::SendAddressWrite() {
  if (const auto frame = AddressWrite(deviceAddress, mainPanel.Text(kNewAddress))) Send(*frame);
}

// "发送模拟温度": one write on the next free command tick. A value with no wire form is refused
// here with the data-error message instead of being sent wrapped.
void MainForm::OnSendSimTemperature() {
  if (!linePort.PortOpen()) return;
  if (!SimTemperatureWrite(deviceAddress, mainPanel.Text(kSimTemperature)))
    return ShowBox(kDataError, FieldAccepts(kSimTemperature));
  pending.Add(PollRequest::SimTemperature);
}

void MainForm::SendSimTemperature() {
  if (const auto frame = SimTemperatureWrite(deviceAddress, mainPanel.Text(kSimTemperature))) Send(*frame);
}

// "厂家设定": asks for the password unless the factory window is already open. The password
// window is an ordinary window, so the poll cycle runs on behind it.
void MainForm::OnOpenFactorySetup() {
  if (factoryPanel.Visible(factory_window::kWindow)) return;
  passwordPanel.SetVisible(password_window::kWindow, true);
}

// The call that finds the walk past code 27 ends the transmission without a frame.
void MainForm::SendNextFactorySetting() {
  if (const auto frame = NextFactoryWrite(factoryPanel, deviceAddress, nextFactoryCode)) {
    Send(*frame);
    factoryCheck.Written(WrittenFactorySetting(*frame));
    return;
  }
  pending.Remove(PollRequest::FactorySettings);
  factoryCheck.Finish();
}

void MainForm::FactoryTransmissionStarted() {
  factoryCheck.Start();
  MarkNotTaken(factoryPanel, factoryCheck, factoryMarked_, FactoryFieldTip);
}

void MainForm::FactoryWindowClosed() { factoryFreshness.Forget(factoryPanel); }

void MainForm::ShowRunData() {
  kestrova::ShowRunData(ring, mainPanel, runData);
  const std::int64_t now = Time().NowMs();
  runDataFreshness.Confirmed(mainPanel, now, Time().TimeOfDay());
  runDataThisTick_ = true;
  if (auto result = settingsCheck.Compare(ring)) ShowWriteCheck(*result, now);
  MarkNotTaken(mainPanel, settingsCheck, settingsMarked_, MainFieldTip);
  if (runDataShown) runDataShown(ring);
}

void MainForm::ShowWriteCheck(const WriteCheckResult& result, std::int64_t nowMs) {
  if (writeChecked) writeChecked(result);
  if (result.matches) {
    note_ = result.text;
    noteAt_ = nowMs;
  } else {
    note_.reset();
  }
}

void MainForm::MarkNotTaken(Panel& panel, const WriteCheck& check, std::vector<std::string>& marked,
                            std::string (*tip)(std::string_view)) {
  std::vector<std::string> now;
  for (const NotTaken& value : check.Outstanding()) {
    std::string text;
    for (const NotTaken& same : check.Outstanding())
      if (same.field == value.field) text += (text.empty() ? "" : "\n") + same.Difference();
    if (std::find(now.begin(), now.end(), value.field) != now.end()) continue;
    now.push_back(value.field);
    panel.SetFlag(value.field, kNotTaken, true);
    const std::string own = tip(value.field);
    panel.SetToolTip(value.field, own.empty() ? text : text + "\n" + own);
  }
  for (const std::string& field : marked) {
    if (std::find(now.begin(), now.end(), field) != now.end()) continue;
    panel.SetFlag(field, kNotTaken, false);
    panel.SetToolTip(field, tip(field));
  }
  marked = std::move(now);
}

void MainForm::ShowAddress() { deviceAddress = kestrova::ShowAddress(ring, mainPanel); }
void MainForm::ShowBoardInfo() { kestrova::ShowBoardInfo(ring, mainPanel); }

void MainForm::ShowFactoryData() {
  kestrova::ShowFactoryData(ring, factoryPanel);
  const std::int64_t now = Time().NowMs();
  factoryFreshness.Confirmed(factoryPanel, now, Time().TimeOfDay());
  if (auto result = factoryCheck.Compare(ring)) ShowWriteCheck(*result, now);
  MarkNotTaken(factoryPanel, factoryCheck, factoryMarked_, FactoryFieldTip);
  if (factoryDataShown) factoryDataShown(ring);
}

void MainForm::Consumed(const ReceiveRing& ring, int length, Piece piece) {
  stats.Received(ring, length, piece, Time().NowMs());
}
void MainForm::LinkModeUpdate() { kestrova::LinkModeUpdate(mainPanel); }
void MainForm::SelectRS422() { kestrova::SelectRS422(mainPanel); }

}  // namespace kestrova
