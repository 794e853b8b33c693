// The receive path, two ways:
//
// BM_FrameScanUntilEmpty: throughput of the receive ring, the frame scan and the frame analysis
// alone. A recorded line stream is stored 40 bytes at a time and scanned again and again until
// the ring is empty, as fast as the processor goes. This is what the code could take; it is not
// what the console takes.
//
// BM_ConsoleTicks: the console's real receive capacity. The same streams go through the main
// window's logic (MainForm on fake windows, a fake serial port and a clock moved 250 ms per
// tick), one OnPollTick call per tick, as the console does. By design a tick decodes at most
// one response, so this is bounded by the tick rate, not by the processor. Two feeds:
//   - lossless: before each tick the port holds as many stream bytes as the ring has room for,
//     the most the console can take without losing a byte;
//   - line_rate: the port receives what a saturated 9600-baud line carries, 240 bytes a tick
//     (960 bytes/s); what the ring cannot hold is lost.
// Its figures are counts per tick and per second of console time (4 ticks), not wall time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <span>
#include <utility>
#include <vector>

#include "fakes/fakes.h"
#include "forms/main_form.h"
#include "link/poll_cycle.h"
#include "protocol/frame_analysis.h"
#include "protocol/frames.h"
#include "protocol/receive_ring.h"

namespace kestrova {
namespace {

constexpr int kAddress = 1;
constexpr std::size_t kScanChunk = 40;
constexpr double kTicksPerSecond = 1000.0 / kPollIntervalMs;
// 9600 baud, 10 bits a byte (start, 8 data, stop): 960 bytes/s, 240 bytes in a 250 ms tick.
constexpr int kLineBytesPerTick = 9600 / 10 * kPollIntervalMs / 1000;
constexpr int kConsoleTicks = 4000;  // 1000 s of console time

class CountingSink : public FrameSink {
 public:
  std::int64_t responses = 0;
  std::int64_t links = 0;
  std::int64_t echoes = 0;
  void ShowRunData() override { ++responses; }
  void ShowAddress() override { ++responses; }
  void ShowBoardInfo() override { ++responses; }
  void ShowFactoryData() override { ++responses; }
  void LinkModeUpdate() override { ++links; }
  void SelectRS422() override { ++echoes; }
};

// Deterministic pseudo-random numbers (a linear congruential generator).
class Lcg {
 public:
  std::uint32_t Next() { return state_ = state_ * 1664525u + 1013904223u, state_ >> 8; }

 private:
  std::uint32_t state_ = 12345u;
};

Frame RunDataResponse(Lcg& rng) {
  Frame f = {kResponseStart, kAddress, kRead, kRunData};
  while (f.size() < 35) f.push_back(static_cast<std::uint8_t>(rng.Next()));
  f.push_back(Checksum(f));
  return f;
}

std::uint8_t NoiseByte(Lcg& rng) {
  for (;;) {
    const auto b = static_cast<std::uint8_t>(rng.Next());
    if (b != kRequestStart && b != kResponseStart && b != kNak) return b;
  }
}

struct Recording {
  std::vector<std::uint8_t> bytes;
  std::int64_t responses = 0;  // run-data responses in it
  std::int64_t acks = 0;       // write acknowledgements in it
};

// Echoed requests, noise, NAK pairs, run-data responses and write acknowledgements.
Recording MixedStream(std::size_t size) {
  Lcg rng;
  Recording rec;
  std::vector<std::uint8_t>& out = rec.bytes;
  auto append = [&out](const Frame& f) { out.insert(out.end(), f.begin(), f.end()); };
  while (out.size() < size) {
    switch (rng.Next() % 8) {
      case 0:
      case 1:
        append(ReadRequest(kAddress, kRunData));
        append(RunDataResponse(rng));
        ++rec.responses;
        break;
      case 2: {
        const Frame write = ParameterWrite(kAddress, 0x0C, 0x5A);
        append(write);
        Frame ack = write;
        ack[0] = kResponseStart;
        ack.back() = Checksum(std::span(ack).first(6));
        append(ack);
        ++rec.acks;
        break;
      }
      case 3:
        out.push_back(kNak);
        out.push_back(static_cast<std::uint8_t>(rng.Next()));
        break;
      case 4:
        append(RunDataResponse(rng));
        ++rec.responses;
        break;
      default:
        for (std::uint32_t n = rng.Next() % 6 + 1; n > 0; --n) out.push_back(NoiseByte(rng));
        break;
    }
  }
  return rec;
}

// Nothing but run-data responses, back to back: the densest traffic the console decodes.
Recording RunDataStream(std::size_t size) {
  Lcg rng;
  Recording rec;
  while (rec.bytes.size() < size) {
    const Frame f = RunDataResponse(rng);
    rec.bytes.insert(rec.bytes.end(), f.begin(), f.end());
    ++rec.responses;
  }
  return rec;
}

void BM_FrameScanUntilEmpty(benchmark::State& state) {
  const Recording rec = MixedStream(static_cast<std::size_t>(state.range(0)));
  const std::vector<std::uint8_t>& stream = rec.bytes;
  CountingSink sink;
  for (auto _ : state) {
    ReceiveRing ring;
    for (std::size_t at = 0; at < stream.size(); at += kScanChunk) {
      const std::size_t n = std::min(kScanChunk, stream.size() - at);
      ring.Store(std::span(stream).subspan(at, n));
      for (;;) {
        const int pointer = ring.readIndex, unread = ring.unreadCount;
        ScanFrames(ring, kAddress, sink);
        if (ring.readIndex == pointer && ring.unreadCount == unread) break;
      }
    }
    benchmark::DoNotOptimize(ring.unreadCount);
  }
  // A fast figure is worth nothing unless every response in the stream was found.
  if (sink.responses != rec.responses * state.iterations() ||
      sink.links != (rec.responses + rec.acks) * state.iterations()) {
    state.SkipWithError("the scan lost or invented responses");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
  state.counters["responses/pass"] =
      benchmark::Counter(static_cast<double>(sink.responses) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_FrameScanUntilEmpty)->Arg(300 * 1024);

enum class Stream { Mixed, RunData };
enum class Feed { Lossless, LineRate };

// The serial port under the console: the recorded stream, handed out as the feed allows.
class StreamPort : public SerialPort {
 public:
  explicit StreamPort(const std::vector<std::uint8_t>& stream) : stream_(stream) {}

  // Makes `n` more bytes of the stream wait in the port (wrapping round the recording).
  void Arrive(int n) {
    for (int i = 0; i < n; ++i) {
      waiting_.push_back(stream_[at_]);
      at_ = (at_ + 1) % stream_.size();
    }
  }

  void SetCommPort(int n) override { number_ = n; }
  int CommPort() const override { return number_; }
  bool SetPortOpen(bool open) override { return open_ = open, true; }
  bool PortOpen() override { return open_; }
  int InBufferCount() override { return static_cast<int>(waiting_.size()); }
  std::vector<std::uint8_t> Input() override { return std::exchange(waiting_, {}); }
  void Output(std::span<const std::uint8_t>) override {}
  std::string ErrorText() const override { return {}; }
  PortFault Fault() const override { return PortFault::None; }
  std::string DeviceName(int) const override { return "stream"; }

 private:
  const std::vector<std::uint8_t>& stream_;
  std::size_t at_ = 0;
  std::vector<std::uint8_t> waiting_;
  int number_ = 0;
  bool open_ = false;
};

void BM_ConsoleTicks(benchmark::State& state, Stream kind, Feed feed) {
  const Recording rec = kind == Stream::Mixed ? MixedStream(300 * 1024) : RunDataStream(300 * 1024);
  std::int64_t ticks = 0, runData = 0, good = 0, checksumErrors = 0, taken = 0, lost = 0, maxRunData = 0;
  for (auto _ : state) {
    StreamPort port(rec.bytes);
    testing::FakePanel main{main_window::kWindow, main_window::kAll};
    testing::FakePanel factory{factory_window::kWindow, factory_window::kAll};
    testing::FakePanel password{password_window::kWindow, password_window::kAll};
    testing::FakeMessageBox box;
    testing::FakeClock clock;
    MainForm form(port, main, factory, password, box);
    form.UseClock(clock);
    form.OnStart();
    form.OnPollTick();  // the probe finds the port
    form.OnTogglePort();
    const std::int64_t counterBefore = form.runData.commCounter;
    for (int t = 0; t < kConsoleTicks; ++t) {
      const int before = form.ring.unreadCount;
      const int arriving = feed == Feed::Lossless ? ReceiveRing::kSize - before : kLineBytesPerTick;
      port.Arrive(arriving);
      // The ring gives up its oldest unread bytes once it holds 128.
      const int overflow = std::max(0, before + arriving - ReceiveRing::kSize);
      const std::int64_t shownBefore = form.runData.commCounter;
      form.OnPollTick();
      clock.now += kPollIntervalMs;
      lost += overflow;
      taken += before + arriving - overflow - form.ring.unreadCount;
      maxRunData = std::max(maxRunData, form.runData.commCounter - shownBefore);
    }
    ticks += kConsoleTicks;
    runData += form.runData.commCounter - counterBefore;
    good += form.stats.GoodResponses();
    checksumErrors += form.stats.ChecksumErrors();
  }
  const auto perTick = [&](std::int64_t n) { return benchmark::Counter(static_cast<double>(n) / ticks); };
  const auto perSecond = [&](std::int64_t n) {
    return benchmark::Counter(static_cast<double>(n) / ticks * kTicksPerSecond);
  };
  state.counters["runData/tick"] = perTick(runData);
  state.counters["runData/tick_max"] = benchmark::Counter(static_cast<double>(maxRunData));
  state.counters["runData/s"] = perSecond(runData);
  state.counters["responses/s"] = perSecond(good);
  state.counters["taken_B/s"] = perSecond(taken);
  state.counters["lost_B/s"] = perSecond(lost);
  state.counters["csum_err/s"] = perSecond(checksumErrors);
}
BENCHMARK_CAPTURE(BM_ConsoleTicks, mixed_lossless, Stream::Mixed, Feed::Lossless)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ConsoleTicks, mixed_line_rate, Stream::Mixed, Feed::LineRate)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ConsoleTicks, run_data_lossless, Stream::RunData, Feed::Lossless)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ConsoleTicks, run_data_line_rate, Stream::RunData, Feed::LineRate)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrova

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::printf(
      "BM_FrameScanUntilEmpty: the frame scan and analysis alone, as fast as the processor goes "
      "(bytes_per_second).\n"
      "BM_ConsoleTicks: the main window's logic, one poll tick per 250 ms, %d ticks; its "
      "counters are per tick or per second of console time (4 ticks), not of wall time.\n"
      "  lossless: the port holds as much as the ring has room for; line_rate: 240 bytes a tick "
      "(9600 baud, full line).\n"
      "  runData = run-data responses decoded into the window; responses = every good response "
      "(run data and write acknowledgements);\n"
      "  taken_B = bytes the console consumed (noise, echoes, frames); lost_B = bytes the full ring "
      "gave up unread.\n\n",
      kestrova::kConsoleTicks);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
