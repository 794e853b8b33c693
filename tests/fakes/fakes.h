#pragma once
// Test doubles for the three platform pieces the logic talks to: a window (by control name),
// the serial component and the message box. Tests read what was written to the line and what
// the operator was told, and drive ticks without a timer.
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "link/clock.h"
#include "link/serial_port.h"
#include "protocol/frames.h"
#include "panel/controls.h"
#include "panel/panel.h"
#include "tools/frame_meaning.h"

namespace kestrova::testing {

// A window by its control names. A name the window does not have (a typo, or a control of
// another window) throws, so the test fails instead of reading "".
class FakePanel : public Panel {
 public:
  FakePanel(const Control& window, std::span<const Control> controls);

  std::map<std::string, std::string, std::less<>> texts;
  std::map<std::string, bool, std::less<>> checks;
  std::map<std::string, int, std::less<>> numbers;
  std::map<std::string, bool, std::less<>> visible;
  std::map<std::string, std::string, std::less<>> tips;
  std::set<std::pair<std::string, std::string>> flags;  // (control, flag) set on
  std::map<std::pair<std::string, std::string>, std::string> states;  // (control, property) -> value
  std::string focus;

  std::string Text(std::string_view name) const override { return Get(texts, name, std::string()); }
  void SetText(std::string_view name, std::string_view text) override { texts[Known(name)] = text; }
  bool Checked(std::string_view name) const override { return Get(checks, name, false); }
  void SetChecked(std::string_view name, bool on) override { checks[Known(name)] = on; }
  int Number(std::string_view name) const override { return Get(numbers, name, 0); }
  void SetNumber(std::string_view name, int value) override { numbers[Known(name)] = value; }
  bool Visible(std::string_view name) const override { return Get(visible, name, false); }
  void SetVisible(std::string_view name, bool on) override { visible[Known(name)] = on; }
  void SetToolTip(std::string_view name, std::string_view tip) override { tips[Known(name)] = tip; }
  void SetFlag(std::string_view name, std::string_view flag, bool on) override;
  void SetState(std::string_view name, std::string_view property, std::string_view value) override {
    states[{Known(name), std::string(property)}] = value;
  }
  void SetFocus(std::string_view name) override { focus = Known(name); }
  std::string State(std::string_view name, std::string_view property) const {
    auto it = states.find({Known(name), std::string(property)});
    return it == states.end() ? std::string() : it->second;
  }
  bool Flag(std::string_view name, std::string_view flag) const { return flags.count({Known(name), std::string(flag)}) > 0; }

 private:
  std::string Known(std::string_view name) const;
  template <typename Map, typename V>
  V Get(const Map& map, std::string_view name, V fallback) const {
    auto it = map.find(Known(name));
    return it == map.end() ? fallback : it->second;
  }
  std::set<std::string_view> names_;
};

class FakeSerialPort : public SerialPort {
 public:
  // Port numbers that open; any other number fails with "port N missing".
  std::set<int> available;
  std::map<int, PortFault> failFault;  // the Fault() of a failed open (default Missing)
  std::map<int, std::string> devices;  // DeviceName() answers
  int number = 0;
  bool open = false;
  std::vector<std::uint8_t> input;   // bytes waiting to be read
  std::vector<Frame> written;        // one entry per Output call
  std::string error;
  PortFault fault = PortFault::None;

  void Feed(std::span<const std::uint8_t> bytes) { input.insert(input.end(), bytes.begin(), bytes.end()); }
  // The device goes away while open: PortOpen() turns false and ErrorText() says why.
  void Unplug(std::string reason = "device removed");
  // Frames written since the last call.
  std::vector<Frame> TakeWritten() { return std::exchange(written, {}); }

  void SetCommPort(int n) override { number = n; }
  int CommPort() const override { return number; }
  bool SetPortOpen(bool on) override;
  bool PortOpen() override { return open; }
  int InBufferCount() override { return open ? static_cast<int>(input.size()) : 0; }
  std::vector<std::uint8_t> Input() override { return std::exchange(input, {}); }
  void Output(std::span<const std::uint8_t> bytes) override { written.emplace_back(bytes.begin(), bytes.end()); }
  std::string ErrorText() const override { return error; }
  PortFault Fault() const override { return fault; }
  std::string DeviceName(int n) const override { return devices.contains(n) ? devices.at(n) : std::string(); }
};

// A clock the test moves by hand.
class FakeClock : public Clock {
 public:
  std::int64_t now = 1'000'000;
  std::int64_t NowMs() const override { return now; }
  std::string TimeOfDay() const override { return "08:30:00"; }
};

class FakeMessageBox : public MessageBox {
 public:
  std::vector<std::string> shown;   // modal boxes, in order
  std::vector<std::string> posted;  // queued boxes, in order

  void Show(std::string_view text) override { shown.emplace_back(text); }
  void Post(std::string_view text) override { posted.emplace_back(text); }
};

// Frame from hex text: Hex("05 01 0F 00 15").
Frame Hex(std::string_view text);
// The frame with the given bytes replaced and its checksum (the last byte) made good again.
Frame Resealed(Frame f, const std::map<int, std::uint8_t>& changes = {});
// Frame as hex text, as the traffic monitor shows it.
inline std::string ToHex(std::span<const std::uint8_t> bytes) { return HexText(bytes); }

}  // namespace kestrova::testing
