#pragma once
// The ports the probe found, the port selector of the frame "通信端口" and its open/close
// toggle. The toggle's caption names the action of the next press and is the link's state:
// kOpenPortCaption while the port is closed, kClosePortCaption while it is open.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/serial_port.h"
#include "panel/panel.h"
#include "values/tr.h"

namespace kestrova {

inline constexpr std::string_view kOpenPortCaption = KTR_NOOP("PortSelection", "打开串口");
inline constexpr std::string_view kClosePortCaption = KTR_NOOP("PortSelection", "关闭串口");

// Operator messages, followed by the serial component's reason.
inline constexpr std::string_view kCannotOpenPort = KTR_NOOP("PortSelection", "无法打开串口：");
inline constexpr std::string_view kPortLost = KTR_NOOP("PortSelection", "串口已断开：");

// Ports the probe tries: COM1..COM3.
inline constexpr int kProbedPorts = 3;

// What the probe found for one port number.
struct ProbeOutcome {
  int number;
  std::string device;  // "" when the port table has no such entry
  PortFault fault;     // PortFault::None: it opened
};

// Ports found by the probe ("COM1".."COM3"), in the order they were found, and what the probe
// found for each port number.
struct FoundPorts {
  std::array<std::string, 4> portNames{};
  int portCount = 0;
  std::vector<ProbeOutcome> outcomes;
};

// Tries those of COM1..COM3 not offered yet; a port that opens is closed again and offered
// after the ones found before, so an offered port keeps its place. A port that is missing or
// in use fails to open and is not offered; its outcome says why.
void ProbePorts(SerialPort& port, FoundPorts& found);

// With the port closed: fills the selector with the first port found, once, and shows the
// scroll arrows while there is more than one.
void ShowClosedPort(Panel& main, const SerialPort& port, const FoundPorts& found);

// The scroll arrows moved: the selector shows the chosen port, which the next open uses.
void SelectPort(Panel& main, SerialPort& port, const FoundPorts& found);

// The open/close toggle was pressed.
void TogglePort(Panel& main, SerialPort& port, const FoundPorts& found, MessageBox& box);

// Inside a tick, with the component closed: if the caption still says the port is open, the
// device went away. The link returns to the closed state and the operator is told once, by a
// queued box (a modal loop inside a tick would run further ticks): "串口已断开：" and
// "<device>（<reason>）", which is returned; std::nullopt when the port was not lost.
std::optional<std::string> ClosePortIfLost(Panel& main, SerialPort& port, MessageBox& box);

// The device behind the port the selector shows ("/dev/ttyUSB0", or COMn), "" when none.
std::string SelectedDevice(const Panel& main, const SerialPort& port);

// The port number a selector text names: its last character read as a digit ("COM3" -> 3);
// 0 when the text is empty or does not end in a digit. Only single-digit ports can be named.
int PortNumberOf(std::string_view text);

}  // namespace kestrova
