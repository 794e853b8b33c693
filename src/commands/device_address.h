#pragma once
// The device-address commands: the new address the operator types, and its write.
#include <optional>
#include <string_view>

#include "protocol/frames.h"

namespace kestrova {

// A new address the field accepts: above 0 and at most 20. 0, an empty or non-numeric text,
// a negative number and a number beyond a double are no address.
bool AcceptedAddress(std::string_view text);

// The address write to the board at `address` with the text's value rounded half to even;
// std::nullopt when the text has no one-byte form.
std::optional<Frame> AddressWrite(int address, std::string_view text);

}  // namespace kestrova
