#include "commands/device_address.h"

#include "values/leading_number.h"

namespace kestrova {

bool AcceptedAddress(std::string_view text) {
  const std::optional<double> v = ParseLeadingNumber(text);
  return v && *v > 0 && *v <= 20;
}

std::optional<Frame> AddressWrite(int address, std::string_view text) {
  const std::optional<std::uint8_t> n = TextToByte(text);
  if (!n) return std::nullopt;
  return ParameterWrite(static_cast<std::uint8_t>(address), kAddressCode, *n);
}

}  // namespace kestrova
