// The bus scan on the whole console against the simulator with several boards on one line, one
// of them silent and noise before answers: the window lists the boards that answered, the
// traffic monitor and the event log show the scan, and "监视此地址" moves the poll cycle.
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTableWidget>
#include <cstdio>
#include <gtest/gtest.h>

#include "serial/console_harness.h"

namespace kestrova::testing {
namespace {

// The requests the console wrote, as the traffic monitor holds them.
std::vector<Frame> SentFrames(const TrafficLog& log) {
  std::vector<Frame> sent;
  for (std::size_t i = 0; i < log.Size(); ++i)
    if (log.At(i).direction == LinkEvent::Direction::Sent) sent.push_back(log.At(i).bytes);
  return sent;
}

bool Holds(const std::vector<Frame>& frames, const Frame& f) {
  return std::find(frames.begin(), frames.end(), f) != frames.end();
}

TEST(BusScanEndToEnd, ListsTheAnsweringBoardsAndWatchesTheChosenOne) {
  Console c({"--address", "1,2,5,9", "--silent-address", "2", "--info", "M%a/P2/VA2.3", "--noise", "0.3", "--seed",
             "21"});
  QWidget& scan = c.tools.Scanner().View();
  ASSERT_TRUE(c.OpenPort());
  ASSERT_TRUE(c.RunData());
  c.tools.Traffic().show();
  c.Trigger("Action_BusScan");
  ASSERT_TRUE(scan.isVisible());
  EXPECT_EQ(c.Text("ScanFrom", &scan) + ".." + c.Text("ScanTo", &scan), "1..20");

  QElapsedTimer took;
  took.start();
  c.Click(scan, "ScanStart");
  auto& start = Find<QPushButton>(scan, "ScanStart");
  EXPECT_EQ(start.text().toStdString(), "停止扫描");
  EXPECT_TRUE(c.WaitStatus("总线扫描中，轮询暂停：" + c.sim.Path())) << c.Status();  // not "no reply"
  Console::Shot(c.Main(), "bus_scan_status");
  ASSERT_TRUE(WaitFor([&] { return start.text() == QStringLiteral("开始扫描"); }, 20000));
  // A figure for the record, not a check (the fake-clock tests hold the timing rules).
  std::printf("[ figure ] scan of 1..20 with 3 boards answering: %lld ms\n", static_cast<long long>(took.elapsed()));

  auto& table = Find<QTableWidget>(scan, "ScanResults");
  std::vector<std::string> rows;
  for (int r = 0; r < table.rowCount(); ++r)
    rows.push_back((table.item(r, 0)->text() + " " + table.item(r, 1)->text() + " " + table.item(r, 2)->text()).toStdString());
  EXPECT_EQ(rows, (std::vector<std::string>{"1 M1 VA2.3", "5 M5 VA2.3", "9 M9 VA2.3"}));
  EXPECT_EQ(Find<QProgressBar>(scan, "ScanProgress").value(), 20);
  EXPECT_TRUE(Holds(SentFrames(c.tools.TrafficData()), Hex("05 02 0F 02 18")));
  EXPECT_TRUE(Holds(SentFrames(c.tools.TrafficData()), Hex("05 14 0F 02 2A")));
  EXPECT_EQ(c.Events().back(), "总线扫描 1–20：找到 3 台：地址 1（M1）、5（M5）、9（M9）");
  Console::Shot(scan, "bus_scan");

  table.selectRow(2);
  c.Click(scan, "ScanUse");
  EXPECT_EQ(c.Text("AddrText2"), "9");
  ASSERT_TRUE(c.RunData(2));
  EXPECT_TRUE(Holds(SentFrames(c.tools.TrafficData()), Hex("05 09 0F 00 1D")));
  const TrafficLog& log = c.tools.TrafficData();  // board 9's run data came back
  EXPECT_EQ(log.At(log.Size() - 1).bytes.size() == 36 ? log.At(log.Size() - 1).bytes[1] : 0, 9);
  scan.close();
  c.tools.Traffic().close();
}

}  // namespace
}  // namespace kestrova::testing
