#pragma once
// Display forms of the numbers the board reports: whole numbers in decimal with a leading
// minus when negative; scaled values (tenths, halves) in their shortest decimal form with a
// leading zero and no trailing point-zero ("0.5", "25", "53.5", "-0.5").
#include <cstdint>
#include <string>

namespace kestrova {

std::string WholeText(std::int64_t value);
std::string DecimalText(double value);

}  // namespace kestrova
