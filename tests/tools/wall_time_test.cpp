// The wall-clock texts of the service tools, in a fixed time zone: a time on a whole second
// keeps its second, one before 1970 borrows from the second before.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "tools/wall_time.h"

namespace kestrova::testing {
namespace {

class WallTime : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* tz = std::getenv("TZ")) saved_ = tz;
    setenv("TZ", "CST-8", 1);
    tzset();
  }
  void TearDown() override {
    if (saved_) setenv("TZ", saved_->c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }

 private:
  std::optional<std::string> saved_;
};

TEST_F(WallTime, LocalTimeWithMillisecondsAndOffset) {
  const std::int64_t may1 = 1714572207000;  // 2024-05-01 14:03:27 UTC
  EXPECT_EQ(IsoTime(may1 + 125), "2024-05-01T22:03:27.125+08:00");
  EXPECT_EQ(ClockTime(may1), "22:03:27.000");
  EXPECT_EQ(ClockTime(may1 + 999), "22:03:27.999");
  EXPECT_EQ(FileTime(may1 + 999), "20240501-220327");
  EXPECT_EQ(ClockTime(-1), "07:59:59.999");
  EXPECT_EQ(ClockTime(-1000), "07:59:59.000");
}

}  // namespace
}  // namespace kestrova::testing
