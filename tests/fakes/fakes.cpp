#include "fakes/fakes.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace kestrova::testing {

template <typename Map, typename V>
static V Lookup(const Map& map, std::string_view name, V fallback) {
  auto it = map.find(name);
  return it == map.end() ? fallback : it->second;
}

FakePanel::FakePanel(const Control& window, std::span<const Control> controls) {
  names_.insert(window.name);
  for (const Control& c : controls) names_.insert(c.name);
}

std::string_view FakePanel::Known(std::string_view name) const {
  if (!names_.count(name)) throw std::out_of_range("the window has no control named " + std::string(name));
  return name;
}

std::string FakePanel::Text(std::string_view name) const { return Lookup(texts, Known(name), std::string()); }
void FakePanel::SetText(std::string_view name, std::string_view text) { texts[std::string(Known(name))] = text; }
bool FakePanel::Checked(std::string_view name) const { return Lookup(checks, Known(name), false); }
void FakePanel::SetChecked(std::string_view name, bool on) { checks[std::string(Known(name))] = on; }
int FakePanel::Number(std::string_view name) const { return Lookup(numbers, Known(name), 0); }
void FakePanel::SetNumber(std::string_view name, int value) { numbers[std::string(Known(name))] = value; }
bool FakePanel::Visible(std::string_view name) const { return Lookup(visible, Known(name), false); }
void FakePanel::SetVisible(std::string_view name, bool on) { visible[std::string(Known(name))] = on; }
void FakePanel::SetToolTip(std::string_view name, std::string_view tip) { tips[std::string(Known(name))] = tip; }
void FakePanel::SetFlag(std::string_view name, std::string_view flag, bool on) {
  const std::pair<std::string, std::string> key{Known(name), flag};
  if (on) flags.insert(key);
  else flags.erase(key);
}
void FakePanel::SetFocus(std::string_view name) { focus = Known(name); }
bool FakePanel::Flag(std::string_view name, std::string_view flag) const {
  return flags.count({std::string(Known(name)), std::string(flag)}) > 0;
}

void FakeSerialPort::Feed(std::span<const std::uint8_t> bytes) { input.insert(input.end(), bytes.begin(), bytes.end()); }
void FakeSerialPort::Feed(std::initializer_list<std::uint8_t> bytes) { input.insert(input.end(), bytes.begin(), bytes.end()); }
void FakeSerialPort::Unplug(std::string reason) {
  if (open) {
    open = false;
    error = std::move(reason);
    fault = PortFault::Lost;
  }
  available.erase(number);
}
std::vector<Frame> FakeSerialPort::TakeWritten() {
  std::vector<Frame> out;
  out.swap(written);
  return out;
}
void FakeSerialPort::SetCommPort(int n) { number = n; }
int FakeSerialPort::CommPort() const { return number; }
bool FakeSerialPort::SetPortOpen(bool on) {
  if (!on) {
    open = false;
    return true;
  }
  if (open) return true;
  if (!available.count(number)) {
    auto it = failReason.find(number);
    error = it != failReason.end() ? it->second : "port " + std::to_string(number) + " missing";
    auto f = failFault.find(number);
    fault = f != failFault.end() ? f->second : PortFault::Missing;
    return false;
  }
  open = true;
  fault = PortFault::None;
  ++opens;
  return true;
}
bool FakeSerialPort::PortOpen() { return open; }
int FakeSerialPort::InBufferCount() { return open ? static_cast<int>(input.size()) : 0; }
std::vector<std::uint8_t> FakeSerialPort::Input() {
  std::vector<std::uint8_t> out;
  out.swap(input);
  return out;
}
void FakeSerialPort::Output(std::span<const std::uint8_t> bytes) { written.emplace_back(bytes.begin(), bytes.end()); }
std::string FakeSerialPort::ErrorText() const { return error; }
PortFault FakeSerialPort::Fault() const { return fault; }
std::string FakeSerialPort::DeviceName(int n) const {
  auto it = devices.find(n);
  return it == devices.end() ? std::string() : it->second;
}

void FakeMessageBox::Show(std::string_view text) {
  shown.emplace_back(text);
  if (onShow) onShow(text);
}
void FakeMessageBox::Post(std::string_view text) { posted.emplace_back(text); }

Frame Hex(std::string_view text) {
  Frame out;
  std::istringstream in{std::string(text)};
  for (unsigned byte = 0; in >> std::hex >> byte;) out.push_back(static_cast<std::uint8_t>(byte));
  return out;
}

std::string ToHex(std::span<const std::uint8_t> bytes) {
  std::string out;
  char buf[4];
  for (auto b : bytes) {
    std::snprintf(buf, sizeof buf, out.empty() ? "%02X" : " %02X", b);
    out += buf;
  }
  return out;
}

}  // namespace kestrova::testing
