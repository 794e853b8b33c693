#include "values/range.h"

#include "values/leading_number.h"

namespace kestrova {

bool InRange(std::string_view text, const Range& range) {
  const std::optional<double> v = ParseLeadingNumber(text);
  if (!v) return false;
  if (range.compare == Range::Compare::Whole) {
    const std::optional<std::int64_t> whole = RoundInto(*v, -32768, 32767);
    if (!whole) return false;
    return range.lowest <= static_cast<double>(*whole) && static_cast<double>(*whole) <= range.highest;
  }
  return range.lowest <= *v && *v <= range.highest;
}

}  // namespace kestrova
