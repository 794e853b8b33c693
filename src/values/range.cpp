#include "values/range.h"

#include "values/leading_number.h"

namespace kestrova {

bool InRange(std::string_view text, const Range& range) {
  const std::optional<double> v = ParseLeadingNumber(text);
  if (!v) return false;
  if (range.compare == Range::Compare::Whole) {
    const double whole = RoundHalfEven(*v);
    return range.lowest <= whole && whole <= range.highest;
  }
  return range.lowest <= *v && *v <= range.highest;
}

}  // namespace kestrova
