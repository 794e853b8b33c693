// The status bar on the simulator: a board answering while recording, then losing power, then
// the adapter pulled. The old data go stale; the port closes once and the event loop is not kept
// busy afterwards, the toggle pops up and the operator is told once; the long sentences, the
// recording note and the counters share the status bar in a window that keeps its layout's
// size. The reasons for no data and the write check are the form's tests' business, on a fake
// clock.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "serial/console_harness.h"

namespace kestrova::testing {
namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

TEST(LineStatusOnTheSimulator, RecordingThenSilentThenLostInAWindowOfUnchangedSize) {
  Console c({"--kill-after", "1:4"});
  QTemporaryDir dir;
  c.nextFile = dir.filePath(QStringLiteral("rec-cabinet-3-north-wall-after-the-fan-change.csv"));
  QWidget& window = c.Main();
  ASSERT_TRUE(c.WaitStatus("串口已关闭："));
  QCoreApplication::processEvents();
  const QSize size = window.size();
  EXPECT_EQ(size.width(), 842);
  auto& stats = Find<QLabel>(window, "LinkStats");
  const auto countsWhole = [&] {
    const QRect inWindow(stats.mapTo(&window, QPoint(0, 0)), stats.size());
    return window.rect().contains(inWindow) && stats.fontMetrics().horizontalAdvance(stats.text()) <= stats.contentsRect().width();
  };
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  ASSERT_TRUE(c.WaitStatus("通信正常：" + c.sim.path)) << c.Status();
  c.tools.StartOrStopRecording();
  ASSERT_TRUE(c.tools.Recording().Active());
  ASSERT_TRUE(c.RunData());
  auto& temp = Find<QLineEdit>(window, "Temp1_Text");
  EXPECT_FALSE(temp.property("stale").toBool());
  ASSERT_TRUE(c.WaitStatus("控制板无应答", 10000)) << c.Status();
  ASSERT_TRUE(QTest::qWaitFor([&] { return temp.property("stale").toBool(); }, 8000));
  QCoreApplication::processEvents();
  EXPECT_EQ(window.size(), size);
  EXPECT_TRUE(countsWhole()) << stats.text().toStdString();
  auto& status = Find<QLabel>(window, "LinkStatus");
  EXPECT_LT(status.width(), status.fontMetrics().horizontalAdvance(status.text())) << "the sentence is elided";
  EXPECT_TRUE(status.toolTip().startsWith(status.text())) << "the whole sentence in its tooltip";

  c.sim.Kill();
  auto& toggle = Find<QPushButton>(window, "CommPort_ToggleButton");
  ASSERT_TRUE(QTest::qWaitFor([&] { return toggle.text() == "打开串口" && !toggle.isChecked(); }));
  const std::string lost = "串口已断开：" + c.sim.path + "（设备已拔出或断电）";
  EXPECT_EQ(c.Status(), lost);
  const double before = CpuSeconds();
  for (int i = 0; i < 30; ++i) QTest::qWait(10);
  EXPECT_LT(CpuSeconds() - before, 0.15) << "CPU time while idle after the loss";
  EXPECT_EQ(c.box.posted, std::vector<std::string>{lost});
  EXPECT_FALSE(temp.text().isEmpty());
  EXPECT_TRUE(temp.property("stale").toBool() && Find<QWidget>(window, "StatusBox1").property("stale").toBool());
  EXPECT_TRUE(temp.toolTip().startsWith(QStringLiteral("最后更新：")));
  QCoreApplication::processEvents();
  EXPECT_EQ(window.size(), size);
  EXPECT_EQ(status.property("linkState").toString(), "lost");
  EXPECT_TRUE(c.tools.Recording().Active());
  EXPECT_EQ(Find<QLabel>(window, "RecordStatus").text().toStdString(),
            "记录等待数据：rec-cabinet-3-north-wall-after-the-fan-change.csv（" +
                std::to_string(c.tools.Recording().Rows()) + " 行）");
  EXPECT_EQ(c.Events("记录等待数据"), std::vector<std::string>{"记录等待数据：控制板无运行数据"}) << "marked once";
}

}  // namespace
}  // namespace kestrova::testing
