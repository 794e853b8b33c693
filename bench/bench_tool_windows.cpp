// What an open tool window costs for each second of polling once it has been open a while, the
// real windows under the offscreen platform, repaints included (CPU time of the process).
//
// BM_TrafficMonitorSecond/<entries>: the traffic monitor with that many entries in its log
// follows one second of polling: the run-data request and the board's response are logged, the
// window's beat comes, and the repaints it asks for are done. At 10 000 the log is at its bound:
// the oldest two entries fall off as the two new ones come; at 2000 (some 17 minutes of polling)
// the log still grows.
// BM_TrendPlotRefresh/<range>: the trend plot, its store holding a day of points at one a second,
// redrawn as it is while open: three new points, then the refresh and its repaints. Range 0 is the
// 10-minute view (a refresh every 3 s), 1 the hour (every 18 s), 2 the day (every 432 s).
#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDateTime>
#include <vector>

#include "link/link_statistics.h"
#include "protocol/frames.h"
#include "qt/tools/traffic_window.h"
#include "qt/tools/trend_window.h"
#include "tools/traffic_log.h"
#include "tools/trend_store.h"
#include "widget_benchmarks.h"

namespace kestrova {
namespace {

// A run-data response at address 1 whose temperatures, current and fan speeds move with t.
Frame Response(int t) {
  Frame f = {0x06, 0x01, 0x0F, 0x00, 0x1E, 0x41, 0x3C, 0x1E, 0x23, 0x02, 0x05, 0xDC, 0x0B, 0xB8, 0x02, 0x0B, 0xB8, 0x55,
             0x1E, 0x05, 0x50, 0x05, 0x00, 0x00, 0x04, 0x82, 0xFE, 0x83, 0x1F, 0x02, 0x17, 0x05, 0xDC, 0x0B, 0xB8};
  f[25] = static_cast<std::uint8_t>(120 + t % 9);
  f[27] = static_cast<std::uint8_t>(126 + t % 5);
  f[28] = static_cast<std::uint8_t>(42 + t % 7);
  f[32] = static_cast<std::uint8_t>(0xDC + t % 13);
  f.push_back(Checksum(f));
  return f;
}

void LogOneSecond(TrafficLog& log, int t) {
  const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
  log.Add({LinkEvent::Direction::Sent, Piece::Echo, ReadRequest(1, kRunData), 0}, now);
  log.Add({LinkEvent::Direction::Received, Piece::Response, Response(t), 0}, now + 250);
}

void BM_TrafficMonitorSecond(benchmark::State& state) {
  LinkStatistics stats;
  TrafficLog log;
  int t = 0;
  // Opened on an empty log, as the console opens it, and followed to the number of entries.
  TrafficWindow window(stats, log);
  window.show();
  QCoreApplication::processEvents();
  const auto second = [&] {
    LogOneSecond(log, t++);
    window.Beat(1000);
    QCoreApplication::processEvents();
  };
  while (static_cast<std::int64_t>(log.Size()) + 2 <= state.range(0)) second();
  // The table's repaints, to show that each second is drawn.
  struct CountPaints : QObject {
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override { return n += e->type() == QEvent::Paint, false; }
  } paints;
  window.findChild<QAbstractItemView*>(QStringLiteral("TrafficTable"))->viewport()->installEventFilter(&paints);
  for (auto _ : state) second();
  state.counters["entries"] = static_cast<double>(log.Size());
  state.counters["paints/s"] = static_cast<double>(paints.n) / static_cast<double>(state.iterations());
}

void BM_TrendPlotRefresh(benchmark::State& state) {
  TrendStore store;
  // In the future, so the plot's right edge follows the points rather than the clock.
  const std::int64_t start = QDateTime::currentMSecsSinceEpoch() + 24 * 3600 * 1000;
  int t = 0;
  const auto add = [&] {
    ReceiveRing ring;
    ring.Store(Response(t));
    store.Add(start + 1000LL * t++, DecodeRunData(ring));
  };
  for (int i = 0; i < 24 * 3600; ++i) add();
  TrendWindow window(store);
  window.SelectRange(static_cast<int>(state.range(0)));
  window.show();
  QCoreApplication::processEvents();
  const int points = state.range(0) == 0 ? 3 : state.range(0) == 1 ? 18 : 432;
  for (auto _ : state) {
    for (int i = 0; i < points; ++i) add();
    window.Refresh();
    QCoreApplication::processEvents();
  }
}

BENCHMARK(BM_TrafficMonitorSecond)->Arg(2000)->Arg(10000)->Iterations(300)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_TrendPlotRefresh)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

}  // namespace
}  // namespace kestrova

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv); }
