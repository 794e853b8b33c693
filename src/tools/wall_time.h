#pragma once
// Wall-clock times of the service tools: milliseconds since 1970 (UTC), shown in local time.
#include <cstdint>
#include <string>

namespace kestrova {

// "2024-05-01T14:03:27.125+08:00" (ISO 8601 with milliseconds and the local offset).
std::string IsoTime(std::int64_t epochMs);
// "14:03:27.125"
std::string ClockTime(std::int64_t epochMs);
// "20240501-140327", for file names.
std::string FileTime(std::int64_t epochMs);

}  // namespace kestrova
