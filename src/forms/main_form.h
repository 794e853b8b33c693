#pragma once
// The logic of the main window "Kestrova后台软件": its public state shared between the event
// handlers and the poll cycle, and the handlers themselves, each a thin call into its
// subsystem. The window toolkit calls the handlers; the logic reaches the windows only
// through Panel, the line only through SerialPort and the operator only through MessageBox,
// so tests drive it without a screen.
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "link/clock.h"
#include "link/link_statistics.h"
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

  SerialPort& MSComm1;
  Panel& Main;
  Panel& Factory;
  Panel& Password;
  MessageBox& Box;

  // Receive state and device address.
  ReceiveRing Ring;
  int m_Address = 1;

  // Ports found by the probe.
  FoundPorts Ports;
  // A frame start that never completes is dropped once the line has stayed quiet.
  IncompleteFrameWatch Incomplete;

  // Poll cycle: tick counter and request flags served by the chain of phase 2.
  int TickNo = 0;
  bool f_SetupButton = false;  // operating settings being written, next code m_SetupNo
  int m_SetupNo = 0;
  bool f_Addr_Command1 = false;  // write the device address once
  bool f_Addr_Command2 = false;  // read the device address once
  bool f_Command02 = false;      // read the board information until TextBox1 has text
  bool f_Command3 = false;       // write the simulated temperature once
  bool f_F_Setup_Command = false;  // factory settings being written, next code m_F_SetupNo
  int m_F_SetupNo = 0;

  // A service tool (the bus scan) has the line: while set, the poll cycle neither reads the
  // port nor sends, and its schedule takes up where it stopped once the line is given back.
  bool LineLent = false;

  // Monitoring: communication counter and fan-speed average.
  RunDataCounters RunData;

  // Around the original window: the line's counts for the status bar and the service tools,
  // the check of what a settings transmission wrote, and the marking of data gone stale.
  LinkStatistics Stats;
  WriteCheck SettingsCheck;
  WriteCheck FactoryCheck;
  Freshness RunDataFreshness;
  Freshness FactoryFreshness;
  // For the service tools: told after a good run-data or factory-data response has been
  // shown (the frame still at the ring's read index), and after a write check.
  std::function<void(const ReceiveRing& frame)> RunDataShown;
  std::function<void(const ReceiveRing& frame)> FactoryDataShown;
  std::function<void(const WriteCheckResult& result)> WriteChecked;
  // Told when the port went away: "<device>（<reason>）".
  std::function<void(const std::string& lost)> PortLost;
  // Time for the status bar; the machine's clocks unless a test gives its own.
  void UseClock(const Clock& clock) { clock_ = &clock; }
  const Clock& Time() const { return *clock_; }

  void Form_Load();
  void Form_Unload();
  void CommPortVScroll_Change();
  void CommPort_ToggleButton_Click();
  void Timer1_Timer();

  // Range check of an edit field when the focus is about to leave it for another control of
  // the window: the thirteen S_..._Text fields and SetupT_Text. Warns only.
  void Validate(std::string_view field);
  void Setup_Command_Click();
  void Copy_Command_Click();
  void Addr_Command1_Click();
  void Addr_Command2_Click();
  void AddrText1_Change();
  void Command3_Click();
  void F_Setup_Command_Click();  // "厂家设定"
  // The operator edited an edit field: a mark that it could not be sent goes.
  void EditedByOperator(std::string_view field);

  // The chain of the command tick, each sending at most one frame.
  void SendSetupData();
  void SendAddressWrite();    // f_Addr_Command1 (already cleared)
  void SendSimTemperature();  // f_Command3 (already cleared)
  void SendFSetupData();

  // FrameSink: the decoders of the responses the frame analysis accepts.
  void ShowRunData() override;
  void ShowAddress() override;
  void ShowBoardInfo() override;
  void ShowFSetupData() override;
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
  void ShowWriteCheck(WriteCheckResult result, std::int64_t nowMs);
  // Writes one request frame to the port (the only writer is the poll cycle).
  void Send(std::span<const std::uint8_t> frame);
  // Serves the command tick: the first pending item of the chain.
  void CommandTick();

  const Clock* clock_;
  int probeTicks_ = 0;
  std::optional<std::string> lost_;  // "<device>（<reason>）" while closed after a loss
  std::optional<WriteCheckResult> note_;
  std::int64_t noteAt_ = 0;
};

}  // namespace kestrova
