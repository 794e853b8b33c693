// The status bar on the simulator with its faults: each state of the line as the engineer
// meets it at a cabinet (lost, silent, another address, interference), the stale marks, the
// write check against a board that ignores the write, and a device the user may not open.
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

// Lost: the port closes, the toggle pops up, the operator is told once, and the old data go stale.
TEST(LineStatusOnTheSimulator, NormalThenLostWithStaleMarks) {
  Console c;
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  ASSERT_TRUE(c.WaitStatus("通信正常：" + c.sim.Path())) << c.Status();
  ASSERT_TRUE(WaitFor([&] { return !c.Text("CommCtr_Text").empty(); }));
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

// The reasons for no data come from the real clock and the real port here, not a fake's.
TEST(LineStatusOnTheSimulator, SilentBoardAnotherAddressAndInterference) {
  const std::string noReply = "控制板无应答 3 秒：请检查接线（A/B）、供电和设备地址，或按“获取地址”";
  for (const auto& [options, status] : {std::pair{std::vector<std::string>{"--silent"}, noReply},
                                        std::pair{std::vector<std::string>{"--address", "5"}, noReply},
                                        std::pair{std::vector<std::string>{"--corrupt", "0.5", "--seed", "3"},
                                                  std::string("通信干扰：最近 ")}}) {
    Console c(options);
    ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
    EXPECT_TRUE(c.WaitStatus(status, 10000)) << options[0] << ": " << c.Status();
  }
}

// A board that takes the write is checked in the console's end-to-end run.
TEST(LineStatusOnTheSimulator, WriteCheckWithABoardThatIgnoresTheWrite) {
  Console c({"--ignore-writes", "12"});
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  ASSERT_TRUE(c.WaitText("TempMax_Text", "45"));
  c.Click(c.Main(), "Copy_Command");
  c.Type(c.Main(), "S_TempMax_Text", "50");
  c.Click(c.Main(), "Setup_Command");
  EXPECT_TRUE(c.WaitStatus("设置未生效：高温报警 写入 50，读回 45")) << c.Status();
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
