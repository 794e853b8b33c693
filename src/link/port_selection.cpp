#include "link/port_selection.h"

#include "settings/leading_number.h"

namespace kestrova {

std::string PortName(int n) { return "COM" + std::to_string(n); }

int PortNumberOf(std::string_view text) {
  if (text.empty()) return 0;
  const std::optional<double> v = ParseLeadingNumber(text.substr(text.size() - 1));
  if (!v) return 0;
  return static_cast<int>(RoundInto(*v, 0, 9).value_or(0));
}

}  // namespace kestrova
