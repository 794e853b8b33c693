// The bus scan on the whole console against the simulator with several boards on one line, one
// of them silent and noise before answers: the window lists the boards that answered and
// "监视此地址" moves the poll cycle. The scan's requests, events and status sentences are the
// bus tests' business, on fakes.
#include <QProgressBar>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "serial/console_harness.h"

namespace kestrova::testing {
namespace {

TEST(BusScanEndToEnd, ListsTheAnsweringBoardsAndWatchesTheChosenOne) {
  Console c({"--address", "1,2,5,9", "--silent-address", "2", "--info", "M%a/P2/VA2.3", "--noise", "0.3", "--seed",
             "21"});
  QWidget& scan = c.tools.Scanner().View();
  ASSERT_TRUE(c.OpenPort());
  ASSERT_TRUE(c.RunData());
  c.Trigger("Action_BusScan");
  ASSERT_TRUE(scan.isVisible());
  EXPECT_EQ(c.Text("ScanFrom", &scan) + ".." + c.Text("ScanTo", &scan), "1..20");
  c.Click(scan, "ScanStart");
  auto& start = Find<QPushButton>(scan, "ScanStart");
  EXPECT_EQ(start.text().toStdString(), "停止扫描");
  ASSERT_TRUE(QTest::qWaitFor([&] { return start.text() == QStringLiteral("开始扫描"); }, 20000));

  auto& table = Find<QTableWidget>(scan, "ScanResults");
  std::vector<std::string> rows;
  for (int r = 0; r < table.rowCount(); ++r)
    rows.push_back((table.item(r, 0)->text() + " " + table.item(r, 1)->text() + " " + table.item(r, 2)->text()).toStdString());
  EXPECT_EQ(rows, (std::vector<std::string>{"1 M1 VA2.3", "5 M5 VA2.3", "9 M9 VA2.3"}));
  EXPECT_EQ(Find<QProgressBar>(scan, "ScanProgress").value(), 20);

  table.selectRow(2);
  c.Click(scan, "ScanUse");
  EXPECT_EQ(c.Text("AddrText2"), "9");
  c.tools.Traffic().show();
  ASSERT_TRUE(c.RunData(2));
  const TrafficLog& log = c.tools.TrafficData();  // board 9's run data came back
  EXPECT_EQ(log.At(log.Size() - 1).bytes.size() == 36 ? log.At(log.Size() - 1).bytes[1] : 0, 9);
}

}  // namespace
}  // namespace kestrova::testing
