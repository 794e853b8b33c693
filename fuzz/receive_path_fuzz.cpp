// The console's receive path and poll cycle on a hostile line, driven by libFuzzer.
//
// The input is a little program: each action is one byte (taken modulo 8) and its operands.
//   0 tick                    one poll tick
//   1 feed N bytes...         N (0..255) bytes arrive at the port
//   2 text I N bytes...       edit field I (a setting, kNewAddress or kSimTemperature) gets the N bytes
//   3 setup                   "发送设置" of the main window
//   4 button B                "复制", "发送地址", "获取地址" or "发送模拟温度"
//   5 factory S ...           the factory window: shown, an edit or check box changed (I N
//                             bytes...), "发送设置", or closed
//   6 port                    the port toggle (close, or open again)
//   7 quiet N                 N (1..8) ticks
// After every action the receive ring is checked, and every frame the console wrote is checked
// to be a well-formed request; at the end the line falls quiet and requests must go out again.
// Any breach aborts, which libFuzzer reports as a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "factory/factory_settings.h"
#include "fakes/console_fixture.h"
#include "fakes/fakes.h"
#include "forms/factory_forms.h"
#include "forms/main_form.h"
#include "settings/setting_pairs.h"

namespace kestrova::testing {
namespace {

class Program {
 public:
  Program(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Done() const { return at_ >= size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::span<const std::uint8_t> Bytes(std::size_t n) {
    n = std::min(n, size_ - at_);
    const std::span<const std::uint8_t> out(data_ + at_, n);
    at_ += n;
    return out;
  }
  std::string Text() {
    const auto bytes = Bytes(Byte() % 12);
    return std::string(bytes.begin(), bytes.end());
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

[[noreturn]] void Breach(const char* what, std::span<const std::uint8_t> frame = {}) {
  std::fprintf(stderr, "%s:", what);
  for (std::uint8_t b : frame) std::fprintf(stderr, " %02X", b);
  std::fprintf(stderr, "\n");
  std::abort();
}

// A request is 05 A 0F S C (5 bytes) or 05 A 1E P n D.. C with n = 1 (7 bytes) or 2 (8 bytes),
// and its last byte is the sum of the others.
void CheckRequest(const Frame& f) {
  std::size_t length = 0;
  if (f.size() >= 5 && f[0] == 0x05) {
    if (f[2] == 0x0F) length = 5;
    if (f[2] == 0x1E && (f[4] == 1 || f[4] == 2)) length = 6 + f[4];
  }
  if (length == 0 || f.size() != length) Breach("malformed request", f);
  unsigned sum = 0;
  for (std::size_t i = 0; i + 1 < f.size(); ++i) sum += f[i];
  if (static_cast<std::uint8_t>(sum) != f.back()) Breach("request with a wrong checksum", f);
}

void CheckRing(const ReceiveRing& ring) {
  if (ring.unreadCount < -3 || ring.unreadCount > ReceiveRing::kSize) Breach("unread count out of bounds");
  if (ring.readIndex < 0 || ring.readIndex >= ReceiveRing::kSize) Breach("read index out of the ring");
  if (ring.writeIndex < 0 || ring.writeIndex >= ReceiveRing::kSize) Breach("write index out of the ring");
}

// The console on fakes with the port open, and the factory window's logic beside it.
struct Console : ConsoleFixture {
  FactoryForm factoryForm{form};

  Console() { OpenPort(); }

  void MainText(std::uint8_t index, const std::string& text) {
    const int i = index % (kSettingPairs.size() + 2);
    if (i < static_cast<int>(kSettingPairs.size())) return main.SetText(kSettingPairs[i].edit, text);
    if (i == static_cast<int>(kSettingPairs.size())) {
      main.SetText(main_window::kNewAddress, text);
      return form.OnNewAddressEdited();
    }
    main.SetText(main_window::kSimTemperature, text);
  }

  void Factory(Program& p) {
    switch (p.Byte() % 4) {
      case 0:
        return factory.SetVisible(factory_window::kWindow, true);
      case 1: {
        const FactorySetting& s = kFactorySettings[p.Byte() % kFactorySettings.size()];
        if (s.rule == FactoryRule::Flag) return factory.SetChecked(s.edit, !factory.Checked(s.edit));
        return factory.SetText(s.edit, p.Text());
      }
      case 2:
        return factoryForm.OnSendFactorySettings();
      default:
        return factoryForm.OnClose();
    }
  }

  void Step(Program& p) {
    switch (p.Byte() % 8) {
      case 0:
        return form.OnPollTick();
      case 1:
        return port.Feed(p.Bytes(p.Byte()));
      case 2: {
        const std::uint8_t index = p.Byte();
        return MainText(index, p.Text());
      }
      case 3:
        return form.OnSendSettings();
      case 4:
        switch (p.Byte() % 4) {
          case 0: return form.OnCopySettings();
          case 1: return form.OnSendAddress();
          case 2: return form.OnReadAddress();
          default: return form.OnSendSimTemperature();
        }
      case 5:
        return Factory(p);
      case 6:
        return form.OnTogglePort();
      default:
        for (int n = p.Byte() % 8 + 1; n > 0; --n) {
          form.OnPollTick();
          CheckRing(form.ring);
        }
    }
  }

  void CheckWritten() {
    for (const Frame& f : port.TakeWritten()) CheckRequest(f);
  }
};

}  // namespace
}  // namespace kestrova::testing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova::testing;
  Console console;
  Program program(data, size);
  while (!program.Done()) {
    console.Step(program);
    CheckRing(console.form.ring);
    console.CheckWritten();
  }
  // Whatever came before, a line that falls quiet gets requests again: the ring holds at most
  // 128 bytes, every tick takes at least one of them or waits at most three ticks on a frame
  // start, and below 80 unread bytes every fourth tick polls.
  if (console.port.PortOpen()) {
    bool polled = false;
    for (int tick = 0; tick < 64 && !polled; ++tick) {
      console.form.OnPollTick();
      CheckRing(console.form.ring);
      polled = !console.port.written.empty();
      console.CheckWritten();
    }
    if (!polled) Breach("no request in 64 ticks of a quiet line");
  }
  return 0;
}
