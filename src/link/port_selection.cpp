#include "link/port_selection.h"

#include <algorithm>

#include "link/link_status.h"
#include "link/port_table.h"
#include "panel/controls.h"
#include "values/tr.h"

namespace kestrova {
namespace {

using namespace main_window;

// Every write of the selector text also names the device behind it in the tooltip.
void ShowPortText(Panel& main, const SerialPort& port, const std::string& name) {
  main.SetText(kPortName, name);
  main.SetToolTip(kPortName, port.DeviceName(PortNumberOf(name)));
}

}  // namespace

int PortNumberOf(std::string_view text) {
  if (text.empty()) return 0;
  const char last = text.back();
  return last >= '0' && last <= '9' ? last - '0' : 0;
}

void ProbePorts(SerialPort& port, FoundPorts& found) {
  const int selected = port.CommPort();
  found.outcomes.clear();
  for (int i = 1; i <= kProbedPorts; ++i) {
    const std::string name = PortName(i);
    const auto end = found.portNames.begin() + found.portCount;
    const bool offered = std::find(found.portNames.begin(), end, name) != end;
    PortFault fault = PortFault::None;
    if (!offered) {
      port.SetCommPort(i);
      if (port.SetPortOpen(true) && port.PortOpen()) {
        port.SetPortOpen(false);
        found.portNames[static_cast<std::size_t>(found.portCount)] = name;
        ++found.portCount;
      } else {
        fault = port.Fault();
      }
    }
    found.outcomes.push_back({i, port.DeviceName(i), fault});
  }
  // The operator's choice stands for the next open; before any choice there is none (a
  // service report made then names no port rather than the last one probed).
  port.SetCommPort(selected);
}

void ShowClosedPort(Panel& main, const SerialPort& port, const FoundPorts& found) {
  if (found.portCount > 1 && !main.Visible(kPortScroll)) main.SetVisible(kPortScroll, true);
  // Afterwards the selector's text starts with "C" and is left as the selector sets it.
  if (main.Text(kPortName).starts_with('C') || found.portCount <= 0) return;
  ShowPortText(main, port, found.portNames[0]);
}

void SelectPort(Panel& main, SerialPort& port, const FoundPorts& found) {
  // Stepping past the last port found wraps to the first; the up arrow stops at the first
  // (the bar's minimum is 0).
  int value = main.Number(kPortScroll);
  if (value >= found.portCount || value < 0) {
    value = 0;
    main.SetNumber(kPortScroll, 0);
  }
  const std::string& name = found.portNames[static_cast<std::size_t>(value)];
  ShowPortText(main, port, name);
  // Takes effect at the next open; an open port stays on its device until it is closed.
  port.SetCommPort(PortNumberOf(name));
}

void TogglePort(Panel& main, SerialPort& port, const FoundPorts& found, MessageBox& box) {
  if (found.portCount <= 0) return;
  if (main.Text(kPortToggle) != Tr("PortSelection", kOpenPortCaption)) {
    main.SetText(kPortToggle, Tr("PortSelection", kOpenPortCaption));
    port.SetPortOpen(false);
    return;
  }
  port.SetCommPort(PortNumberOf(main.Text(kPortName)));
  // The caption turns to "关闭串口" only once the port is really open: a port that vanished or
  // was taken by another program since the probe leaves the link closed, and the operator
  // learns why.
  if (port.SetPortOpen(true) && port.PortOpen()) {
    main.SetText(kPortToggle, Tr("PortSelection", kClosePortCaption));
    return;
  }
  const std::string reason = port.ErrorText();
  port.SetPortOpen(false);
  box.Show(Tr("PortSelection", kCannotOpenPort) + reason);
}

std::optional<std::string> ClosePortIfLost(Panel& main, SerialPort& port, MessageBox& box) {
  if (main.Text(kPortToggle) != Tr("PortSelection", kClosePortCaption)) return std::nullopt;
  const PortFault fault = port.Fault();
  port.SetPortOpen(false);
  main.SetText(kPortToggle, Tr("PortSelection", kOpenPortCaption));
  std::string device = port.DeviceName(port.CommPort());
  if (device.empty()) device = PortName(port.CommPort());
  const std::string lost = LostText(device, fault);
  box.Post(Tr("PortSelection", kPortLost) + lost);
  return lost;
}

std::string SelectedDevice(const Panel& main, const SerialPort& port) {
  const std::string text = main.Text(kPortName);
  if (text.empty()) return {};
  const std::string device = port.DeviceName(PortNumberOf(text));
  return device.empty() ? text : device;
}

}  // namespace kestrova
