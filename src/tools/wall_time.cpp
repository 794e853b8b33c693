#include "tools/wall_time.h"

#include <cstdio>
#include <ctime>

namespace kestrova {

namespace {

std::tm Local(std::int64_t epochMs, int& ms) {
  std::int64_t seconds = epochMs / 1000;
  ms = static_cast<int>(epochMs % 1000);
  if (ms < 0) ms += 1000, --seconds;
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm tm{};
#ifdef _WIN32
  localtime_s(&tm, &t);
#else
  localtime_r(&t, &tm);
#endif
  return tm;
}

}  // namespace

std::string IsoTime(std::int64_t epochMs) {
  int ms = 0;
  const std::tm tm = Local(epochMs, ms);
  char text[48];
  char zone[8];
  std::strftime(zone, sizeof zone, "%z", &tm);  // "+0800"
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d%.3s:%.2s", tm.tm_year + 1900, tm.tm_mon + 1,
                tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, ms, zone, zone + 3);
  return text;
}

std::string ClockTime(std::int64_t epochMs) {
  int ms = 0;
  const std::tm tm = Local(epochMs, ms);
  char text[64];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", tm.tm_hour, tm.tm_min, tm.tm_sec, ms);
  return text;
}

std::string FileTime(std::int64_t epochMs) {
  int ms = 0;
  const std::tm tm = Local(epochMs, ms);
  char text[64];
  std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                tm.tm_hour, tm.tm_min, tm.tm_sec);
  return text;
}

}  // namespace kestrova
