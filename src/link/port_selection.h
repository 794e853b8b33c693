#pragma once
// Names, captions and operator texts of the port selector and the open/close toggle of the
// frame "通信端口". The toggle's caption names the action of the next press and is the link's
// state: kOpenPortCaption while the port is closed, kClosePortCaption while it is open.
#include <string>
#include <string_view>

namespace kestrova {

inline constexpr std::string_view kPortText = "CommPortText";
inline constexpr std::string_view kPortScroll = "CommPortVScroll";
inline constexpr std::string_view kPortToggle = "CommPort_ToggleButton";

inline constexpr std::string_view kOpenPortCaption = "打开串口";
inline constexpr std::string_view kClosePortCaption = "关闭串口";

// Operator messages, followed by the serial component's reason.
inline constexpr std::string_view kCannotOpenPort = "无法打开串口：";
inline constexpr std::string_view kPortLost = "串口已断开：";

// Ports the probe tries: COM1..COM3.
inline constexpr int kProbedPorts = 3;

// "COM" followed by the decimal digits of n.
std::string PortName(int n);

// The port number a selector text names: its last character read as a number ("COM3" -> 3);
// 0 when the text is empty or does not end in a digit. Only single-digit ports can be named.
int PortNumberOf(std::string_view text);

}  // namespace kestrova
