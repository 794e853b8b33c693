#pragma once
// The range check that runs when the operator leaves an edit field. It only warns: the text
// stays as typed and the focus moves on.
#include <string_view>

#include "ui/panel.h"

namespace kestrova {

struct Range {
  enum class Compare { Whole, Decimal };
  double lowest;
  double highest;
  // Whole: the nearest whole number (half to even) is compared and must fit 16 bits.
  // Decimal: the parsed value is compared unrounded.
  Compare compare;
};

// True when the text's leading number lies in lowest..highest (both inclusive). A number that
// does not fit a double, or a whole-number row whose nearest whole number does not fit 16 bits,
// is out of range.
bool InRange(std::string_view text, const Range& range);

// Shows "数据错误！" when the text is out of range. Returns whether it was in range.
bool CheckRange(std::string_view text, const Range& range, MessageBox& box);

}  // namespace kestrova
