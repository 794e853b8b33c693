#pragma once
// The accepted range of an edit field, checked when the operator leaves the field. The check
// only warns: the text stays as typed and the focus moves on.
#include <string_view>

namespace kestrova {

struct Range {
  enum class Compare { Whole, Decimal };
  double lowest;
  double highest;
  // Whole: the nearest whole number (half to even) is compared.
  // Decimal: the parsed value is compared unrounded.
  Compare compare;
};

// True when the text's leading number lies in lowest..highest (both inclusive). A number that
// does not fit a double is out of range.
bool InRange(std::string_view text, const Range& range);

}  // namespace kestrova
