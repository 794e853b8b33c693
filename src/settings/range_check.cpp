#include "settings/range_check.h"

#include "settings/leading_number.h"

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

bool CheckRange(std::string_view text, const Range& range, MessageBox& box) {
  if (InRange(text, range)) return true;
  box.Show(kDataError);
  return false;
}

}  // namespace kestrova
