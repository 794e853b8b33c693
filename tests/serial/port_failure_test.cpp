// How QtSerialPort fails: missing, busy, refused or unlisted devices, and a device that goes away
// while the port is open.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

#include "qt/serial_component.h"
#include "serial/sim_process.h"

namespace kestrova::testing {
namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

TEST(PortFailure, MissingDeviceAndMissingTableEntryAreNamed) {
  ScopedPorts ports("/dev/kestrova-no-such-device");
  QtSerialPort port;
  port.SetCommPort(1);
  EXPECT_FALSE(port.SetPortOpen(true));
  EXPECT_FALSE(port.PortOpen());
  EXPECT_EQ(port.ErrorText(), "COM1（/dev/kestrova-no-such-device）：设备不存在");

  port.SetCommPort(2);
  EXPECT_EQ(port.DeviceName(2), "");
  EXPECT_FALSE(port.SetPortOpen(true));
  EXPECT_EQ(port.ErrorText(), "COM2：端口表中没有这个端口（共 1 项）");
}

TEST(PortFailure, SecondOpenOfTheSameDeviceIsReportedAsBusy) {
  SimProcess sim;
  ASSERT_FALSE(sim.Path().empty());
  QtSerialPort first, second;
  first.SetCommPort(1);
  second.SetCommPort(1);
  ASSERT_TRUE(first.SetPortOpen(true)) << first.ErrorText();
  EXPECT_FALSE(second.SetPortOpen(true));
  EXPECT_FALSE(second.PortOpen());
  EXPECT_EQ(second.ErrorText(), "COM1（" + sim.Path() + "）：设备被其他程序占用");
  first.SetPortOpen(false);
  EXPECT_TRUE(second.SetPortOpen(true)) << second.ErrorText();
  EXPECT_EQ(second.ErrorText(), "");
}

TEST(PortFailure, DeviceWithoutAccessRightsAsksForTheDialoutGroup) {
  if (geteuid() == 0) GTEST_SKIP() << "root may open any device";
  char path[] = "/tmp/kestrova-ttyXXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  close(fd);
  chmod(path, 0);
  ScopedPorts ports(path);
  QtSerialPort port;
  port.SetCommPort(1);
  EXPECT_FALSE(port.SetPortOpen(true));
  EXPECT_EQ(port.ErrorText(),
            std::string("COM1（") + path + "）：没有访问权限（请将当前用户加入 dialout 组）");
  std::remove(path);
}

TEST(PortFailure, UnpluggedDeviceClosesThePortOnceWithoutSpinning) {
  SimLink link;
  ASSERT_EQ(link.Open(), "");
  auto& port = link.port;
  LinkPump pump(port);
  ASSERT_TRUE(pump.Exchange(ReadRequest(1, kFactoryData), "FactoryData"));

  link.sim.Kill();
  ASSERT_TRUE(WaitFor([&] { return !port.PortOpen(); })) << "the loss was not noticed";
  EXPECT_EQ(port.Fault(), PortFault::Lost);
  EXPECT_EQ(port.ErrorText(), "COM1（" + link.sim.Path() + "）：设备已拔出或断电");

  // Idle after the loss: the event loop must not be kept busy by a stream of error signals.
  const double before = CpuSeconds();
  for (int i = 0; i < 30; ++i) QTest::qWait(10);
  EXPECT_LT(CpuSeconds() - before, 0.15) << "CPU time while idle after the loss";

  port.Output(ReadRequest(1, kRunData));
  EXPECT_EQ(port.InBufferCount(), 0);
  EXPECT_TRUE(port.Input().empty());
  EXPECT_FALSE(port.PortOpen());
}

}  // namespace
}  // namespace kestrova::testing
