// STUB: to be written
#include "settings/leading_number.h"
namespace kestrova {
std::optional<double> ParseLeadingNumber(std::string_view) { return 0.0; }
double RoundHalfEven(double v) { return v; }
std::optional<std::int64_t> RoundInto(double, std::int64_t, std::int64_t) { return std::nullopt; }
std::optional<std::uint8_t> ToByte(double) { return std::nullopt; }
std::optional<std::uint8_t> TextToByte(std::string_view, double, double) { return std::nullopt; }
}  // namespace kestrova
