// How QtSerialPort fails: missing, busy or unlisted devices, and a device that goes away while
// the port is open. A device without access rights is the line-status tests' business.
#include <sys/resource.h>
#include <unistd.h>

#include <QTest>
#include <gtest/gtest.h>

#include "protocol/frames.h"
#include "qt/serial_component.h"
#include "serial/sim_process.h"

namespace kestrova::testing {
namespace {

TEST(PortFailure, MissingDeviceAndMissingTableEntryAreNamed) {
  ScopedPorts ports("/dev/kestrova-no-such-device");
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
  SimLink first;
  ASSERT_TRUE(first.Open()) << first.port.ErrorText();
  QtSerialPort second;
  second.SetCommPort(1);
  EXPECT_FALSE(second.SetPortOpen(true) || second.PortOpen());
  EXPECT_EQ(second.ErrorText(), "COM1（" + first.sim.Path() + "）：设备被其他程序占用");
  first.port.SetPortOpen(false);
  EXPECT_TRUE(second.SetPortOpen(true)) << second.ErrorText();
  EXPECT_EQ(second.ErrorText(), "");
}

// Noticed without a request, closed once, and the event loop is not kept busy afterwards by a
// stream of error signals.
TEST(PortFailure, UnpluggedDeviceClosesThePortOnceWithoutSpinning) {
  SimLink link;
  ASSERT_TRUE(link.Open()) << link.port.ErrorText();
  link.port.Output(ReadRequest(1, kFactoryData));
  ASSERT_TRUE(WaitFor([&] { return link.port.InBufferCount() >= 18; }));
  link.sim.Kill();
  ASSERT_TRUE(WaitFor([&] { return !link.port.PortOpen(); })) << "the loss was not noticed";
  EXPECT_EQ(link.port.Fault(), PortFault::Lost);
  EXPECT_EQ(link.port.ErrorText(), "COM1（" + link.sim.Path() + "）：设备已拔出或断电");
  const auto cpu = [] {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  };
  const double before = cpu();
  for (int i = 0; i < 30; ++i) QTest::qWait(10);
  EXPECT_LT(cpu() - before, 0.15) << "CPU time while idle after the loss";
}

}  // namespace
}  // namespace kestrova::testing
