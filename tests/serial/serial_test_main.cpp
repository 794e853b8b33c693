// GoogleTest main for the serial-path tests: QSerialPort and the windows need a QApplication.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

namespace kestrova::testing {
int CheckDeniedDevice(const char* device);
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The unprivileged half of the access-rights test (see port_failure_test.cpp).
  if (const char* device = std::getenv("KESTROVA_CHECK_DENIED")) return kestrova::testing::CheckDeniedDevice(device);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
