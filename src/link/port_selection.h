#pragma once
// The ports the probe found, the port selector of the frame "通信端口" and its open/close
// toggle. The toggle's caption names the action of the next press and is the link's state:
// kOpenPortCaption while the port is closed, kClosePortCaption while it is open.
#include <array>
#include <string>
#include <string_view>

#include "link/serial_port.h"
#include "panel/panel.h"

namespace kestrova {

inline constexpr std::string_view kOpenPortCaption = "打开串口";
inline constexpr std::string_view kClosePortCaption = "关闭串口";

// Operator messages, followed by the serial component's reason.
inline constexpr std::string_view kCannotOpenPort = "无法打开串口：";
inline constexpr std::string_view kPortLost = "串口已断开：";

// Ports the probe tries: COM1..COM3.
inline constexpr int kProbedPorts = 3;

// Ports found by the probe ("COM1".."COM3"), in probe order.
struct FoundPorts {
  std::array<std::string, 4> CommPortList{};
  int m_CommPortNo = 0;
};

// Tries COM1..COM3 in turn; a port that opens is closed again and listed. A port that is
// missing or in use fails to open and is simply not listed.
void ProbePorts(SerialPort& port, FoundPorts& found);

// With the port closed: fills the selector with the first port found, once, and shows the
// scroll arrows when there is more than one.
void ShowClosedPort(Panel& main, const SerialPort& port, const FoundPorts& found);

// The scroll arrows moved: the selector shows the chosen port, which the next open uses.
void SelectPort(Panel& main, SerialPort& port, const FoundPorts& found);

// The open/close toggle was pressed.
void TogglePort(Panel& main, SerialPort& port, const FoundPorts& found, MessageBox& box);

// Inside a tick, with the component closed: if the caption still says the port is open, the
// device went away. The link returns to the closed state and the operator is told once, by a
// queued box (a modal loop inside a tick would run further ticks). Returns whether it was lost.
bool ClosePortIfLost(Panel& main, SerialPort& port, MessageBox& box);

// The port number a selector text names: its last character read as a digit ("COM3" -> 3);
// 0 when the text is empty or does not end in a digit. Only single-digit ports can be named.
int PortNumberOf(std::string_view text);

}  // namespace kestrova
