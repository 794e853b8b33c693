#include "link/clock.h"

#include <chrono>
#include <ctime>

namespace kestrova {

std::int64_t SystemClock::NowMs() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string SystemClock::TimeOfDay() const {
  const std::time_t now = std::time(nullptr);
  char text[16] = {};
  // One thread only: the static result of localtime is not shared.
  if (const std::tm* local = std::localtime(&now)) std::strftime(text, sizeof text, "%H:%M:%S", local);
  return text;
}

}  // namespace kestrova
