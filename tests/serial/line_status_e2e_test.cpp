// The status bar on the simulator: a lost adapter and its stale marks, a silent board while
// recording (the window keeps its size), and a device the user may not open. The reasons for no
// data and the write check are the form's tests' business, on a fake clock.
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "serial/console_harness.h"

namespace kestrova::testing {
namespace {

// Lost: the port closes, the toggle pops up, the operator is told once, and the old data go stale.
TEST(LineStatusOnTheSimulator, NormalThenLostWithStaleMarks) {
  Console c;
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  ASSERT_TRUE(c.WaitStatus("通信正常：" + c.sim.Path())) << c.Status();
  ASSERT_TRUE(c.RunData());
  auto& temp = Find<QLineEdit>(c.Main(), "Temp1_Text");
  EXPECT_FALSE(temp.property("stale").toBool());

  c.sim.Kill();
  auto& toggle = Find<QPushButton>(c.Main(), "CommPort_ToggleButton");
  ASSERT_TRUE(WaitFor([&] { return toggle.text() == "打开串口" && !toggle.isChecked(); }));
  const std::string lost = "串口已断开：" + c.sim.Path() + "（设备已拔出或断电）";
  EXPECT_EQ(c.Status(), lost);
  ASSERT_TRUE(WaitFor([&] { return temp.property("stale").toBool(); }, 8000));
  EXPECT_EQ(c.box.posted, std::vector<std::string>{lost});
  EXPECT_FALSE(temp.text().isEmpty());
  EXPECT_TRUE(temp.toolTip().startsWith(QStringLiteral("最后更新：")));
  EXPECT_TRUE(Find<QWidget>(c.Main(), "StatusBox1").property("stale").toBool());
}

// A board gone silent while recording, then the adapter pulled: long sentences, the recording
// note and the counters share the status bar; the window keeps the size of its layout.
TEST(LineStatusOnTheSimulator, TheWindowKeepsItsSizeThroughLongStatusRecordingAndLoss) {
  Console c({"--silent"});
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
  c.tools.StartOrStopRecording();

  ASSERT_TRUE(c.tools.Recording().Active());
  ASSERT_TRUE(c.WaitStatus("控制板无应答", 10000)) << c.Status();
  QCoreApplication::processEvents();
  EXPECT_EQ(window.size(), size);
  EXPECT_TRUE(countsWhole()) << stats.text().toStdString();
  auto& status = Find<QLabel>(window, "LinkStatus");
  EXPECT_LT(status.width(), status.fontMetrics().horizontalAdvance(status.text())) << "the sentence is elided";
  EXPECT_TRUE(status.toolTip().startsWith(status.text())) << "the whole sentence in its tooltip";

  c.sim.Kill();
  ASSERT_TRUE(c.WaitStatus("串口已断开：")) << c.Status();
  QCoreApplication::processEvents();
  EXPECT_EQ(window.size(), size);
  EXPECT_EQ(Find<QLabel>(window, "LinkStatus").property("linkState").toString(), "lost");
  EXPECT_TRUE(c.tools.Recording().Active());
  const QString note = Find<QLabel>(window, "RecordStatus").text();
  EXPECT_EQ(note.toStdString(), "记录等待数据：rec-cabinet-3-north-wall-after-the-fan-change.csv（0 行）");
  EXPECT_EQ(c.Events().back(), "记录等待数据：串口未打开") << "the gap is marked";
}

// The unprivileged half of the test below, run by the serial tests' main in a process of its
// own: the console's probe on a device this user may not open.
}  // namespace

int CheckDeniedDevice(const char* device) {
  QtSerialPort port;
  FakeMessageBox box;
  ConsoleWindows windows{port, box};
  windows.Load();
  const std::string want = std::string("无访问权限：") + device + "（请将当前用户加入 dialout 组后重新登录）";
  const bool named = WaitFor([&] { return windows.MainPanel().Text("LinkStatus") == want; });
  port.SetCommPort(1);
  const std::string why = std::string("COM1（") + device + "）：没有访问权限（请将当前用户加入 dialout 组后重新登录）";
  if (named && !port.SetPortOpen(true) && port.ErrorText() == why) return 0;
  std::fprintf(stderr, "status: %s\nerror: %s\n", windows.MainPanel().Text("LinkStatus").c_str(), port.ErrorText().c_str());
  return 1;
}

namespace {

TEST(LineStatusOnTheSimulator, DeviceWithoutAccessRightsNamesTheDialoutGroup) {
  SimProcess sim;
  ASSERT_FALSE(sim.Path().empty());
  ASSERT_EQ(::chmod(sim.Path().c_str(), geteuid() == 0 ? 0600 : 0000), 0);
  // As root every open succeeds: the console then runs as an unprivileged user, from a copy
  // of this program that user can reach.
  QTemporaryDir dir(QStringLiteral("/tmp/kestrova-denied-XXXXXX"));
  ASSERT_TRUE(dir.isValid());
  const QString self = dir.filePath(QStringLiteral("serial-tests"));
  ASSERT_TRUE(QFile::copy(QStringLiteral("/proc/self/exe"), self));
  ASSERT_EQ(::chmod(dir.path().toUtf8().constData(), 0755), 0);
  ASSERT_EQ(::chmod(self.toUtf8().constData(), 0755), 0);
  const std::string run = std::string(geteuid() == 0 ? "runuser -u nobody -- " : "") +
                          "env QT_QPA_PLATFORM=offscreen KESTROVA_PORTS=" + sim.Path() +
                          " KESTROVA_CHECK_DENIED=" + sim.Path() + " " + self.toStdString();
  EXPECT_EQ(std::system(run.c_str()), 0) << run;
}

}  // namespace
}  // namespace kestrova::testing
