// The status bar on the simulator with its faults: each state of the line as the engineer
// meets it at a cabinet, the stale marks, and the write check against a board that takes a
// write and one that ignores it.
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "serial/console_harness.h"

namespace kestrova::testing {
namespace {

TEST(LineStatusOnTheSimulator, NormalThenLostWithStaleMarks) {
  Console c;
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  ASSERT_TRUE(c.WaitStatus("通信正常：" + c.sim.Path())) << c.Status();
  ASSERT_TRUE(WaitFor([&] { return !c.Text("CommCtr_Text").empty(); }));
  auto& temp = Find<QLineEdit>(c.Main(), "Temp1_Text");
  EXPECT_FALSE(temp.property("stale").toBool());

  c.sim.Kill();
  ASSERT_TRUE(WaitFor([&] { return !c.box.posted.empty(); }));
  const std::string lost = "串口已断开：" + c.sim.Path() + "（设备已拔出或断电）";
  EXPECT_EQ(c.box.posted, std::vector<std::string>{lost});
  EXPECT_EQ(c.Status(), lost);
  ASSERT_TRUE(WaitFor([&] { return temp.property("stale").toBool(); }, 8000));
  EXPECT_FALSE(temp.text().isEmpty());
  EXPECT_TRUE(temp.toolTip().startsWith(QStringLiteral("最后更新：")));
  EXPECT_TRUE(Find<QWidget>(c.Main(), "StatusBox1").property("stale").toBool());
}

TEST(LineStatusOnTheSimulator, SilentBoardAndBoardAtAnotherAddressGetNoReply) {
  for (const std::vector<std::string>& options : {std::vector<std::string>{"--silent"}, {"--address", "5"}}) {
    Console c(options);
    ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
    EXPECT_TRUE(c.WaitStatus("控制板无应答 3 秒：请检查接线（A/B）、供电和设备地址，或按“获取地址”")) << options[0] << ": "
                                                                                             << c.Status();
  }
}

TEST(LineStatusOnTheSimulator, CorruptedAnswersAreInterference) {
  Console c({"--corrupt", "0.5", "--seed", "3"});
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  EXPECT_TRUE(c.WaitStatus("通信干扰：最近 ", 10000)) << c.Status();
}

TEST(LineStatusOnTheSimulator, WriteCheckWithABoardThatAppliesAndOneThatIgnores) {
  for (const auto& [options, verdict] :
       {std::pair{std::vector<std::string>{}, std::string("设置已写入，读回一致（1 项）")},
        std::pair{std::vector<std::string>{"--ignore-writes", "12"}, std::string("设置未生效：高温报警 写入 50，读回 45")}}) {
    Console c(options);
    ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
    ASSERT_TRUE(c.WaitText("TempMax_Text", "45"));
    c.Click(c.Main(), "Copy_Command");
    Find<QLineEdit>(c.Main(), "S_TempMax_Text").setText(QStringLiteral("50"));
    c.Click(c.Main(), "Setup_Command");
    EXPECT_TRUE(c.WaitStatus(verdict)) << c.Status();
  }
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
  if (WaitFor([&] { return windows.MainPanel().Text("LinkStatus") == want; })) return 0;
  std::fprintf(stderr, "status: %s\n", windows.MainPanel().Text("LinkStatus").c_str());
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

TEST(LineStatusOnTheSimulator, AbsentDeviceIsNeverOpenedSoNoLockFileIsMade) {
  const int watch = inotify_init1(IN_NONBLOCK);
  ASSERT_GE(watch, 0);
  ASSERT_GE(inotify_add_watch(watch, "/run/lock", IN_CREATE), 0);
  ScopedPorts ports("/dev/kestrova-absent-adapter");
  QtSerialPort port;
  port.SetCommPort(1);
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(port.SetPortOpen(true));
  EXPECT_EQ(port.Fault(), PortFault::Missing);
  char events[4096];
  EXPECT_LE(::read(watch, events, sizeof events), 0) << "a lock file was created";
  ::close(watch);
}

}  // namespace
}  // namespace kestrova::testing
