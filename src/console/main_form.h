#pragma once
// The logic of the main window "Kestrova后台软件": its public state shared between the event
// handlers and the poll cycle, and the handlers themselves. The members are defined in the
// files of the subsystem they belong to (named beside each group below). The window toolkit
// calls the handlers; the logic reaches the windows only through Panel, the line only through
// SerialPort and the operator only through MessageBox, so tests drive it without a screen.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "link/serial_port.h"
#include "monitor/fan_speed.h"
#include "protocol/frame_analysis.h"
#include "protocol/receive_ring.h"
#include "ui/panel.h"

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

  // Ports found by the probe ("COM1".."COM3"), in probe order.
  std::array<std::string, 4> CommPortList{};
  int m_CommPortNo = 0;

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

  // Monitoring.
  std::int64_t CommCounter = 0;  // decoded run-data responses since start; never wraps
  FanSpeedAverage FanSpeed;

  // --- link/port_discovery.cpp
  void Form_Load();
  void Form_Unload();
  void ProbePorts();       // tick step 1 while no port has been found
  void ShowClosedPort();   // tick step 2 while the port is closed
  void CommPortVScroll_Change();
  void CommPort_ToggleButton_Click();

  // --- link/poll_cycle.cpp
  void Timer1_Timer();
  void ReceiveData();

  // --- monitor/run_data.cpp, monitor/board_info.cpp (FrameSink)
  void ShowRunData() override;
  void ShowAddress() override;
  void ShowBoardInfo() override;
  void LinkModeUpdate() override;
  void SelectRS422() override;

  // --- settings/: range checks, transmission, copy
  // Range check of an edit field of the main window when the focus is about to leave it for
  // another control of the window: the thirteen S_..._Text fields and SetupT_Text.
  void Validate(std::string_view field);
  void Setup_Command_Click();
  void SendSetupData();
  void Copy_Command_Click();

  // --- commands/: device address and simulated temperature
  void Addr_Command1_Click();
  void Addr_Command2_Click();
  void AddrText1_Change();
  void SendAddressWrite();   // poll cycle, phase 2, f_Addr_Command1 (already cleared)
  void Command3_Click();
  void SendSimTemperature(); // poll cycle, phase 2, f_Command3 (already cleared)

  // --- factory/: password gate, factory transmission and read-back
  void F_Setup_Command_Click();  // "厂家设定"
  void SendFSetupData();
  void ShowFSetupData() override;

  // Writes one request frame to the port (the only writer is the poll cycle).
  void Send(std::span<const std::uint8_t> frame);
};

}  // namespace kestrova
