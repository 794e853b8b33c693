// The wall-clock texts of the service tools, in a fixed time zone: a time on a whole second
// keeps its second, one before 1970 borrows from the second before.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "tools/wall_time.h"

namespace kestrova::testing {
namespace {

TEST(WallTime, LocalTimeWithMillisecondsAndOffset) {
  setenv("TZ", "CST-8", 1);
  tzset();
  const std::int64_t may1 = 1714572207000;  // 2024-05-01 14:03:27 UTC
  EXPECT_EQ(IsoTime(may1 + 125), "2024-05-01T22:03:27.125+08:00");
  EXPECT_EQ(ClockTime(may1 + 999), "22:03:27.999");
  EXPECT_EQ(FileTime(may1 + 999), "20240501-220327");
  EXPECT_EQ(ClockTime(-1), "07:59:59.999");
  EXPECT_EQ(ClockTime(-1000), "07:59:59.000");
  setenv("TZ", "UTC", 1);  // the zone the report tests of this program read their times in
  tzset();
}

}  // namespace
}  // namespace kestrova::testing
