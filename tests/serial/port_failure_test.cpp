// How QtSerialPort fails to open: missing, busy, unlisted or forbidden devices. A device that
// goes away while the port is open is the line-status tests' business.
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "link/port_table.h"
#include "qt/serial_component.h"
#include "serial/sim_process.h"

namespace kestrova::testing {
namespace {

TEST(PortFailure, MissingDeviceAndMissingTableEntryAreNamed) {
  setenv(kPortsVariable, "/dev/kestrova-no-such-device", 1);
  QtSerialPort port;
  port.SetCommPort(1);
  EXPECT_FALSE(port.SetPortOpen(true) || port.PortOpen());
  EXPECT_EQ(port.Fault(), PortFault::Missing);
  EXPECT_EQ(port.ErrorText(), "COM1（/dev/kestrova-no-such-device）：设备不存在");
  port.SetCommPort(2);
  EXPECT_EQ(port.DeviceName(2), "");
  EXPECT_FALSE(port.SetPortOpen(true));
  EXPECT_EQ(port.ErrorText(), "COM2：端口表中没有这个端口（共 1 项）");
}

TEST(PortFailure, SecondOpenOfTheSameDeviceIsReportedAsBusy) {
  SimProcess sim;
  QtSerialPort first, second;
  first.SetCommPort(1);
  ASSERT_TRUE(first.SetPortOpen(true)) << first.ErrorText();
  second.SetCommPort(1);
  EXPECT_FALSE(second.SetPortOpen(true) || second.PortOpen());
  EXPECT_EQ(second.ErrorText(), "COM1（" + sim.path + "）：设备被其他程序占用");
  first.SetPortOpen(false);
  EXPECT_TRUE(second.SetPortOpen(true)) << second.ErrorText();
  EXPECT_EQ(second.ErrorText(), "");
}

}  // namespace

// The unprivileged half of the test below, run by the serial tests' main in a process of its
// own: opening a device this user may not open.
int CheckDeniedDevice(const char* device) {
  QtSerialPort port;
  port.SetCommPort(1);
  const std::string why = std::string("COM1（") + device + "）：没有访问权限（请将当前用户加入 dialout 组后重新登录）";
  if (!port.SetPortOpen(true) && port.Fault() == PortFault::NoPermission && port.ErrorText() == why) return 0;
  std::fprintf(stderr, "error: %s\n", port.ErrorText().c_str());
  return 1;
}

namespace {

TEST(PortFailure, DeviceWithoutAccessRightsNamesTheDialoutGroup) {
  SimProcess sim;
  ASSERT_FALSE(sim.path.empty());
  ASSERT_EQ(::chmod(sim.path.c_str(), geteuid() == 0 ? 0600 : 0000), 0);
  // As root every open succeeds: the port is then opened as an unprivileged user, from a copy
  // of this program that user can reach.
  QTemporaryDir dir(QStringLiteral("/tmp/kestrova-denied-XXXXXX"));
  ASSERT_TRUE(dir.isValid());
  const QString self = dir.filePath(QStringLiteral("serial-tests"));
  ASSERT_TRUE(QFile::copy(QStringLiteral("/proc/self/exe"), self));
  for (const QString& path : {dir.path(), self}) ASSERT_EQ(::chmod(path.toUtf8().constData(), 0755), 0);
  const std::string run = std::string(geteuid() == 0 ? "runuser -u nobody -- " : "") +
                          "env QT_QPA_PLATFORM=offscreen KESTROVA_PORTS=" + sim.path +
                          " KESTROVA_CHECK_DENIED=" + sim.path + " " + self.toStdString();
  EXPECT_EQ(std::system(run.c_str()), 0) << run;
}

}  // namespace
}  // namespace kestrova::testing
