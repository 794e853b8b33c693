// Throughput of the receive path: a long recorded line stream fed tick by tick through the
// receive ring and the frame scan, as the poll cycle does.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "protocol/frame_analysis.h"
#include "protocol/frames.h"
#include "protocol/receive_ring.h"

namespace kestrova {
namespace {

constexpr int kAddress = 1;
constexpr std::size_t kTickBytes = 40;

class CountingSink : public FrameSink {
 public:
  std::int64_t responses = 0;
  std::int64_t links = 0;
  std::int64_t echoes = 0;
  void ShowRunData() override { ++responses; }
  void ShowAddress() override { ++responses; }
  void ShowBoardInfo() override { ++responses; }
  void ShowFSetupData() override { ++responses; }
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
Recording RecordedStream(std::size_t size) {
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

void BM_ReceivePath(benchmark::State& state) {
  const Recording rec = RecordedStream(static_cast<std::size_t>(state.range(0)));
  const std::vector<std::uint8_t>& stream = rec.bytes;
  CountingSink sink;
  for (auto _ : state) {
    ReceiveRing ring;
    for (std::size_t at = 0; at < stream.size(); at += kTickBytes) {
      const std::size_t n = std::min(kTickBytes, stream.size() - at);
      ring.Store(std::span(stream).subspan(at, n));
      for (;;) {
        const int pointer = ring.m_DataPointer, unread = ring.m_DataNo;
        ScanFrames(ring, kAddress, sink);
        if (ring.m_DataPointer == pointer && ring.m_DataNo == unread) break;
      }
    }
    benchmark::DoNotOptimize(ring.m_DataNo);
  }
  // A fast figure is worth nothing unless every response in the stream was found.
  if (sink.responses != rec.responses * state.iterations() ||
      sink.links != (rec.responses + rec.acks) * state.iterations()) {
    state.SkipWithError("the scan lost or invented responses");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
  state.counters["responses/pass"] =
      benchmark::Counter(static_cast<double>(sink.responses) / state.iterations());
  state.counters["line_rate_ratio"] = benchmark::Counter(
      static_cast<double>(stream.size()) / 960.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ReceivePath)->Arg(300 * 1024);

}  // namespace
}  // namespace kestrova

BENCHMARK_MAIN();
