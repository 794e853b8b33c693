#pragma once
// Time as the console's logic sees it: a monotonic count of milliseconds for ages and
// intervals, and the wall-clock time of day for what the operator reads.
#include <cstdint>
#include <string>

namespace kestrova {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t NowMs() const = 0;
  // "14:03:27", local time.
  virtual std::string TimeOfDay() const = 0;
};

// The machine's clocks.
class SystemClock final : public Clock {
 public:
  std::int64_t NowMs() const override;
  std::string TimeOfDay() const override;
};

}  // namespace kestrova
