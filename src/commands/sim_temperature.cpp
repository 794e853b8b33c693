#include "commands/sim_temperature.h"

#include "values/leading_number.h"

namespace kestrova {

std::optional<Frame> SimTemperatureWrite(int address, std::string_view text) {
  const std::optional<std::uint8_t> t = TextToByte(text, 2.0, 80.0);
  if (!t) return std::nullopt;
  return ParameterWrite(static_cast<std::uint8_t>(address), kSimTemperatureCode, *t);
}

}  // namespace kestrova
