// Cost of one poll tick that decodes a run-data response into the real widgets (offscreen):
// the tick receives a whole 36-byte response, scans it, writes the 13 read-back fields, the
// 20 lamps, the measurements and the fan averages, and sends the next request.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <vector>

#include "link/serial_port.h"
#include "app/console_windows.h"
#include "panel/panel.h"

namespace kestrova {
namespace {

// The worked run-data response at address 1.
const std::vector<std::uint8_t> kRunData = {
    0x06, 0x01, 0x0F, 0x00, 0x1E, 0x41, 0x3C, 0x1E, 0x23, 0x02, 0x05, 0xDC, 0x0B, 0xB8, 0x02, 0x0B, 0xB8, 0x55,
    0x1E, 0x05, 0x50, 0x05, 0x00, 0x00, 0x04, 0x82, 0xFE, 0x83, 0x1F, 0x02, 0x17, 0x05, 0xDC, 0x0B, 0xB8, 0x0D};

// A port that is always open and has one run-data response waiting on every tick.
class LoopbackPort : public SerialPort {
 public:
  void SetCommPort(int n) override { number_ = n; }
  int CommPort() const override { return number_; }
  bool SetPortOpen(bool open) override { return open_ = open, true; }
  bool PortOpen() override { return open_; }
  int InBufferCount() override { return static_cast<int>(kRunData.size()); }
  std::vector<std::uint8_t> Input() override { return kRunData; }
  void Output(std::span<const std::uint8_t>) override {}
  std::string ErrorText() const override { return {}; }
  PortFault Fault() const override { return PortFault::None; }
  std::string DeviceName(int) const override { return "loopback"; }

 private:
  int number_ = 0;
  bool open_ = false;
};

class SilentBox : public MessageBox {
 public:
  void Show(std::string_view) override {}
  void Post(std::string_view) override {}
};

void BM_RunDataTick(benchmark::State& state) {
  LoopbackPort port;
  SilentBox box;
  ConsoleWindows windows(port, box);
  windows.Form().Form_Load();  // no timer: the benchmark drives the ticks
  windows.ShowMain();
  windows.Form().Timer1_Timer();  // finds the port
  windows.Form().CommPort_ToggleButton_Click();
  for (auto _ : state) {
    windows.Form().Timer1_Timer();
    QCoreApplication::processEvents();  // the repaints the decoded texts ask for
  }
}
BENCHMARK(BM_RunDataTick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kestrova

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
