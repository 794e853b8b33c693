// The bus scan on the whole console against the simulator with several boards on one line, one
// of them silent and noise before answers: the window lists the boards that answered, the
// traffic monitor and the event log show the scan, and "监视此地址" moves the poll cycle.
#include <QAction>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTableWidget>
#include <cstdio>
#include <gtest/gtest.h>

#include "app/tools_menu.h"
#include "serial/console_harness.h"

namespace kestrova::testing {
namespace {

struct ScanConsole : Console {
  ScanConsole()
      : Console({"--address", "1,2,5,9", "--silent-address", "2", "--info", "M%a/P2/VA2.3", "--noise", "0.3",
                 "--seed", "21"}) {}
  void Trigger(const char* action) { Find<QAction>(windows.MainView(), action).trigger(); }
  QWidget& Scan() { return tools.Scanner().View(); }
  std::vector<std::string> Row(int r) {
    auto& table = Find<QTableWidget>(Scan(), "ScanResults");
    std::vector<std::string> row;
    for (int col = 0; col < 3; ++col) row.push_back(table.item(r, col)->text().toStdString());
    return row;
  }
  // Whether the traffic monitor holds these bytes going the given way.
  bool InTraffic(LinkEvent::Direction direction, const Frame& bytes) {
    const TrafficLog& log = tools.TrafficData();
    for (std::size_t i = 0; i < log.Size(); ++i)
      if (log.At(i).direction == direction && log.At(i).bytes == bytes) return true;
    return false;
  }
  ToolsMenu tools{windows};
};

TEST(BusScanEndToEnd, ListsTheAnsweringBoardsAndWatchesTheChosenOne) {
  ScanConsole c;
  ASSERT_TRUE(c.OpenPort());
  ASSERT_TRUE(c.RunData());
  c.tools.Traffic().show();
  c.Trigger("Action_BusScan");
  ASSERT_TRUE(c.Scan().isVisible());
  EXPECT_EQ(c.Text("ScanFrom", &c.Scan()) + ".." + c.Text("ScanTo", &c.Scan()), "1..20");

  QElapsedTimer took;
  took.start();
  c.Click(c.Scan(), "ScanStart");
  auto& start = Find<QPushButton>(c.Scan(), "ScanStart");
  EXPECT_EQ(start.text().toStdString(), "停止扫描");
  ASSERT_TRUE(WaitFor([&] { return start.text() == QStringLiteral("开始扫描"); }, 20000));
  // A figure for the record, not a check (the fake-clock tests hold the timing rules).
  std::printf("[ figure ] scan of 1..20 with 3 boards answering: %lld ms\n", static_cast<long long>(took.elapsed()));

  auto& table = Find<QTableWidget>(c.Scan(), "ScanResults");
  ASSERT_EQ(table.rowCount(), 3);
  EXPECT_EQ(c.Row(0), (std::vector<std::string>{"1", "M1", "VA2.3"}));
  EXPECT_EQ(c.Row(1), (std::vector<std::string>{"5", "M5", "VA2.3"}));
  EXPECT_EQ(c.Row(2), (std::vector<std::string>{"9", "M9", "VA2.3"}));
  EXPECT_EQ(Find<QProgressBar>(c.Scan(), "ScanProgress").value(), 20);
  EXPECT_TRUE(c.InTraffic(LinkEvent::Direction::Sent, Hex("05 02 0F 02 18")));
  EXPECT_TRUE(c.InTraffic(LinkEvent::Direction::Sent, Hex("05 14 0F 02 2A")));
  const EventLog& events = c.tools.EventStore();
  EXPECT_EQ(events.At(events.Size() - 1).text, "总线扫描 1–20：找到 3 台：地址 1（M1）、5（M5）、9（M9）");
  if (const char* dir = std::getenv("KESTROVA_SCREENSHOT_DIR"))
    c.Scan().grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/bus_scan.png"));

  table.selectRow(2);
  c.Click(c.Scan(), "ScanUse");
  EXPECT_EQ(c.Text("AddrText2"), "9");
  ASSERT_TRUE(c.RunData(2));
  EXPECT_TRUE(c.InTraffic(LinkEvent::Direction::Sent, Hex("05 09 0F 00 1D")));
  const TrafficLog& log = c.tools.TrafficData();  // board 9's run data came back
  EXPECT_EQ(log.At(log.Size() - 1).bytes.size() == 36 ? log.At(log.Size() - 1).bytes[1] : 0, 9);
  c.Scan().close();
  c.tools.Traffic().close();
}

}  // namespace
}  // namespace kestrova::testing
