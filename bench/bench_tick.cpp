// Cost of one poll tick of the console, into the real widgets (offscreen), repaints included.
//
// BM_RunDataTick_LiveValues: the tick receives a whole 36-byte run-data response whose values
// differ from the previous tick's as a live board's do: both temperatures, the control
// temperature, the module current, the DC voltage and both fan speeds change on every tick, the
// work-state lamps change on every tick, an alarm lamp every 8 ticks and a switch lamp every 16.
// The tick scans it, writes the 13 read-back fields, the 20 lamps, the measurements, the fan
// averages and the status bar, and the repaints that asks for are done.
// BM_RunDataTick_SameResponse: the same response on every tick (only the counter and the status
// bar change), for comparison.
// BM_TickWithoutResponse: a tick with nothing received, as three ticks of four are while
// the board answers each run-data request within its tick.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <array>
#include <cstdint>
#include <vector>

#include "app/console_windows.h"
#include "link/serial_port.h"
#include "panel/panel.h"
#include "protocol/frames.h"
#include "widget_benchmarks.h"

namespace kestrova {
namespace {

// The worked run-data response at address 1.
const std::vector<std::uint8_t> kRunData = {
    0x06, 0x01, 0x0F, 0x00, 0x1E, 0x41, 0x3C, 0x1E, 0x23, 0x02, 0x05, 0xDC, 0x0B, 0xB8, 0x02, 0x0B, 0xB8, 0x55,
    0x1E, 0x05, 0x50, 0x05, 0x00, 0x00, 0x04, 0x82, 0xFE, 0x83, 0x1F, 0x02, 0x17, 0x05, 0xDC, 0x0B, 0xB8, 0x0D};

constexpr int kLiveResponses = 64;  // the sequence repeats after this many ticks

// A triangle wave over [low, high] that moves one step every tick.
int Walk(int tick, int low, int high) {
  const int span = high - low;
  const int t = tick % (2 * span);
  return t < span ? low + t : high - (t - span);
}

// Run-data responses of a board at work: settings as in the worked response, measurements and
// states moving from one response to the next.
std::vector<std::vector<std::uint8_t>> LiveResponses() {
  // Work states (offset 21): each differs from the one before, so lamps change every tick.
  constexpr std::array<std::uint8_t, 8> kWork = {0x01, 0x03, 0x02, 0x06, 0x04, 0x0C, 0x08, 0x09};
  std::vector<std::vector<std::uint8_t>> out;
  for (int t = 0; t < kLiveResponses; ++t) {
    std::vector<std::uint8_t> f(kRunData.begin(), kRunData.end() - 1);
    f[21] = kWork[static_cast<std::size_t>(t % 8)];
    f[22] = (t / 8) % 2 ? 0x01 : 0x00;                          // high-temperature alarm
    f[23] = 0x00;
    f[24] = (t / 16) % 2 ? 0x04 : 0x00;                         // door switch
    f[25] = static_cast<std::uint8_t>(Walk(t, 120, 136));       // inner 20.0..28.0 °C
    f[26] = static_cast<std::uint8_t>(Walk(t + 5, 140, 160));   // outer 30.0..40.0 °C
    f[27] = static_cast<std::uint8_t>(Walk(t + 3, 126, 134));   // control 23.0..27.0 °C
    f[28] = static_cast<std::uint8_t>(Walk(t, 42, 61));         // module current 4.2..6.1 A
    const int voltage = Walk(t, 530, 540);                      // DC 53.0..54.0 V
    const int inner = 1480 + 7 * Walk(t, 0, 9);                 // r/min
    const int outer = 2950 + 11 * Walk(t + 2, 0, 9);
    f[29] = static_cast<std::uint8_t>(voltage >> 8), f[30] = static_cast<std::uint8_t>(voltage);
    f[31] = static_cast<std::uint8_t>(inner >> 8), f[32] = static_cast<std::uint8_t>(inner);
    f[33] = static_cast<std::uint8_t>(outer >> 8), f[34] = static_cast<std::uint8_t>(outer);
    f.push_back(Checksum(f));
    out.push_back(std::move(f));
  }
  return out;
}

// A port that is always open and has the next response of its list waiting on every tick.
class ResponsePort : public SerialPort {
 public:
  explicit ResponsePort(std::vector<std::vector<std::uint8_t>> responses) : responses_(std::move(responses)) {}

  void SetCommPort(int n) override { number_ = n; }
  int CommPort() const override { return number_; }
  bool SetPortOpen(bool open) override { return open_ = open, true; }
  bool PortOpen() override { return open_; }
  int InBufferCount() override { return responses_.empty() ? 0 : static_cast<int>(Next().size()); }
  std::vector<std::uint8_t> Input() override {
    if (responses_.empty()) return {};
    std::vector<std::uint8_t> bytes = Next();
    next_ = (next_ + 1) % responses_.size();
    return bytes;
  }
  void Output(std::span<const std::uint8_t>) override {}
  std::string ErrorText() const override { return {}; }
  PortFault Fault() const override { return PortFault::None; }
  std::string DeviceName(int) const override { return "loopback"; }

 private:
  const std::vector<std::uint8_t>& Next() const { return responses_[next_]; }

  std::vector<std::vector<std::uint8_t>> responses_;
  std::size_t next_ = 0;
  int number_ = 0;
  bool open_ = false;
};

class SilentBox : public MessageBox {
 public:
  void Show(std::string_view) override {}
  void Post(std::string_view) override {}
};

void RunTicks(benchmark::State& state, std::vector<std::vector<std::uint8_t>> responses) {
  const bool answers = !responses.empty();
  ResponsePort port(std::move(responses));
  SilentBox box;
  ConsoleWindows windows(port, box);
  windows.Form().OnStart();  // no timer: the benchmark drives the ticks
  windows.ShowMain();
  windows.Form().OnPollTick();  // finds the port
  windows.Form().OnTogglePort();
  QCoreApplication::processEvents();
  const std::int64_t before = windows.Form().runData.commCounter;
  for (auto _ : state) {
    windows.Form().OnPollTick();
    QCoreApplication::processEvents();  // the repaints the decoded texts ask for
  }
  const std::int64_t decoded = windows.Form().runData.commCounter - before;
  if (decoded != (answers ? state.iterations() : 0)) state.SkipWithError("not one response decoded per tick");
  state.counters["decoded/tick"] =
      benchmark::Counter(static_cast<double>(decoded) / static_cast<double>(state.iterations()));
}

void BM_RunDataTick_LiveValues(benchmark::State& state) { RunTicks(state, LiveResponses()); }
void BM_RunDataTick_SameResponse(benchmark::State& state) { RunTicks(state, {kRunData}); }
void BM_TickWithoutResponse(benchmark::State& state) { RunTicks(state, {}); }

BENCHMARK(BM_RunDataTick_LiveValues)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunDataTick_SameResponse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickWithoutResponse)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kestrova

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv); }
