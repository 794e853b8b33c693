#pragma once
// The logic of the main window "Kestrova后台软件": its public state shared between the event
// handlers and the poll cycle, and the handlers themselves, each a thin call into its
// subsystem. The window toolkit calls the handlers; the logic reaches the windows only
// through Panel, the line only through SerialPort and the operator only through MessageBox,
// so tests drive it without a screen.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/clock.h"
#include "link/link_statistics.h"
#include "link/pending_requests.h"
#include "link/poll_cycle.h"
#include "link/write_check.h"
#include "monitor/freshness.h"
#include "link/port_selection.h"
#include "link/serial_port.h"
#include "monitor/run_data.h"
#include "panel/panel.h"
#include "protocol/frame_analysis.h"
#include "protocol/receive_ring.h"

namespace kestrova {

class MainForm final : public FrameSink {
 public:
  // main: the main window; factory: "F_Setup_Form"; password: "Password_Form".
  MainForm(SerialPort& port, Panel& main, Panel& factory, Panel& password, MessageBox& box);

  SerialPort& linePort;
  Panel& mainPanel;
  Panel& factoryPanel;
  Panel& passwordPanel;
  MessageBox& messageBox;

  // Receive state and device address.
  ReceiveRing ring;
  int deviceAddress = 1;

  // The ports the probe found.
  FoundPorts ports;
  // A frame start that never completes is dropped once the line has stayed quiet.
  IncompleteFrameWatch incompleteFrame;

  // Poll cycle: the tick counter, the operator's requests waiting for the command tick, and
  // the parameter code each running transmission writes next.
  int pollTick = 0;
  PendingRequests pending;
  int nextSettingCode = 0;
  int nextFactoryCode = 0;

  // A service tool (the bus scan) has the line: while lent, the poll cycle neither reads the
  // port nor sends, and its schedule takes up where it stopped once the line is given back.
  // The status bar says the line is lent, and the board's silence is counted from the return:
  // the scan's unanswered addresses are not the board's.
  void LendLine() { lineLent_ = true; }
  void ReturnLine();
  bool LineLent() const { return lineLent_; }

  // Monitoring: communication counter and fan-speed average.
  RunDataCounters runData;

  // Around the original window: the line's counts for the status bar and the service tools,
  // the check of what a settings transmission wrote, and the marking of data gone stale.
  LinkStatistics stats;
  WriteCheck settingsCheck;
  WriteCheck factoryCheck;
  Freshness runDataFreshness;
  Freshness factoryFreshness;
  // For the service tools: told after a good run-data or factory-data response has been
  // shown (the frame still at the ring's read index), and after a write check.
  std::function<void(const ReceiveRing& frame)> runDataShown;
  std::function<void(const ReceiveRing& frame)> factoryDataShown;
  std::function<void(const WriteCheckResult& result)> writeChecked;
  // Told when the port went away: "<device>（<reason>）".
  std::function<void(const std::string& lost)> portLost;
  // Time for the status bar; the machine's clocks unless a test gives its own.
  void UseClock(const Clock& clock) { clock_ = &clock; }
  const Clock& Time() const { return *clock_; }

  void OnStart();
  void OnClose();
  void OnNextPort();
  void OnTogglePort();
  void OnPollTick();

  // Range check of an edit field when the focus is about to leave it for another control of
  // the window: the thirteen S_..._Text fields and kSimTemperature. Warns only.
  void Validate(std::string_view field);
  void OnSendSettings();
  void OnCopySettings();
  void OnSendAddress();
  void OnReadAddress();
  void OnNewAddressEdited();
  void OnSendSimTemperature();
  void OnOpenFactorySetup();  // "厂家设定"
  // The operator edited an edit field: a mark that it could not be sent, or was not taken, goes.
  void EditedByOperator(std::string_view field);
  // The same for an edit field of the factory window.
  void FactoryFieldEdited(std::string_view field);

  // The requests of the command tick, each sending at most one frame.
  void SendNextSetting();
  void SendAddressWrite();    // the request already removed
  void SendSimTemperature();  // the request already removed
  void SendNextFactorySetting();

  // FrameSink: the decoders of the responses the frame analysis accepts.
  void ShowRunData() override;
  void ShowAddress() override;
  void ShowBoardInfo() override;
  void ShowFactoryData() override;
  void LinkModeUpdate() override;
  void SelectRS422() override;
  void Consumed(const ReceiveRing& ring, int length, Piece piece) override;

  // The factory window's "发送设置" started a transmission; the factory window was closed.
  void FactoryTransmissionStarted();
  void FactoryWindowClosed();

 private:
  void Poll();
  // The status bar and the stale marks, after every tick.
  void ShowLineState();
  void ShowWriteCheck(const WriteCheckResult& result, std::int64_t nowMs);
  // The fields whose value the board has not taken carry kNotTaken and the difference in
  // their tooltip; the marks of values since taken or edited go.
  static void MarkNotTaken(Panel& panel, const WriteCheck& check, std::vector<std::string>& marked,
                           std::string (*tip)(std::string_view));
  // Explains the box about to be shown in the status bar, then shows it.
  void ShowBox(std::string_view box, std::string hint);
  // Writes one request frame to the port (the only writer is the poll cycle).
  void Send(std::span<const std::uint8_t> frame);
  // Serves the command tick: the first request waiting.
  void CommandTick();

  const Clock* clock_;
  int probeTicks_ = 0;
  std::optional<std::string> lost_;  // "<device>（<reason>）" while closed after a loss
  std::optional<std::string> note_;  // a write check that found everything taken
  std::int64_t noteAt_ = 0;
  std::optional<std::string> hint_;  // the explanation of the last box
  std::int64_t hintAt_ = 0;
  std::vector<std::string> settingsMarked_, factoryMarked_;
  bool runDataThisTick_ = false;  // run data were shown by this tick
  std::int64_t statsAt_ = 0;      // when the counts were last written
  bool lineLent_ = false;
  std::optional<std::int64_t> lineReturnedAt_;
};

}  // namespace kestrova
