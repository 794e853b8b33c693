// The service tools' stores after a day: 24 hours of run data at one response a second (and
// the request before each) fed at full speed into the trend store, the event log (a lamp
// changing every ten minutes, a burst of interference every minute) and the traffic monitor.
// Prints the points and entries held, the heap the three stores hold against the budget of
// 2 MiB, and the feeding rate.
//   bench_tools_memory
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <memory>

#include "protocol/frames.h"
#include "tools/event_log.h"
#include "tools/traffic_log.h"
#include "tools/trend_store.h"

namespace {

std::size_t HeapInUse() { return mallinfo2().uordblks; }

}  // namespace

int main() {
  using namespace kestrova;
  const std::size_t before = HeapInUse();
  auto trend = std::make_unique<TrendStore>();
  auto events = std::make_unique<EventLog>();
  auto traffic = std::make_unique<TrafficLog>();
  events->Added = [&](const EventEntry& e) { trend->AddMarker({e.atMs, e.kind == EventEntry::Kind::Alarm, e.text}); };

  std::vector<std::uint8_t> frame(36, 0);
  frame[0] = kResponseStart, frame[1] = 1, frame[2] = kRead;
  const Frame request = ReadRequest(1, kRunData);
  const auto start = std::chrono::steady_clock::now();
  const std::int64_t seconds = 24 * 3600;
  for (std::int64_t s = 0; s < seconds; ++s) {
    const std::int64_t t = 1'700'000'000'000 + s * 1000;
    frame[25] = static_cast<std::uint8_t>(120 + s % 20);
    frame[26] = s % 3600 < 60 ? 254 : 130;                // an open outer sensor once an hour
    frame[22] = static_cast<std::uint8_t>((s / 600) % 2);  // the general alarm every ten minutes
    ReceiveRing ring;
    ring.Store(frame);
    const RunDataValues v = DecodeRunData(ring);
    trend->Add(t, v);
    events->RunData(t, v);
    traffic->Add({LinkEvent::Direction::Sent, Piece::Echo, request, 0}, t - 250);
    traffic->Add({LinkEvent::Direction::Received, Piece::Response, frame, 0}, t);
    if (s % 60 == 0)
      for (std::uint8_t b = 0x70; b < 0x70 + 41; ++b) traffic->Add({LinkEvent::Direction::Received, Piece::Noise, {b}, 0}, t);
  }
  const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const std::size_t after = HeapInUse();
  std::printf("fed %lld s of run data in %.2f s (%.0f× real time)\n", static_cast<long long>(seconds), elapsed,
              seconds / elapsed);
  std::printf("trend: %zu full-resolution points, %zu one-minute buckets, %zu markers\n", trend->FullPoints(),
              trend->Buckets(), trend->Markers().size());
  std::printf("events: %zu entries; traffic monitor: %zu entries\n", events->Size(), traffic->Size());
  const double mib = (after - before) / 1048576.0;
  std::printf("heap in use by the three stores: %.2f MiB (budget 2 MiB: %s)\n", mib, mib < 2 ? "within" : "OVER");
  return 0;
}
