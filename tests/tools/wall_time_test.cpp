// The wall-clock texts of the service tools, in a fixed time zone: one before 1970 borrows from
// the second before. (The clock and file-name texts are checked by the service report's.)
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
  EXPECT_EQ(ClockTime(-1), "07:59:59.999");
  setenv("TZ", "UTC", 1);  // the zone the report tests of this program read their times in
  tzset();
}

}  // namespace
}  // namespace kestrova::testing
