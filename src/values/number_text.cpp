#include "values/number_text.h"

#include <array>
#include <charconv>

namespace kestrova {

std::string WholeText(std::int64_t value) { return std::to_string(value); }

std::string DecimalText(double value) {
  // Fixed notation, shortest digits that read back as the same double: 3 / 10.0 gives "0.3",
  // 50 / 2.0 gives "25". The displayed values stay far below the range where fixed notation
  // would need more than a few digits.
  std::array<char, 64> buf{};
  auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed);
  if (ec != std::errc()) return {};
  return std::string(buf.data(), end);
}

}  // namespace kestrova
