#pragma once
// The simulated temperature the board is asked to use instead of its sensor.
#include <optional>
#include <string_view>

#include "protocol/frames.h"

namespace kestrova {

// The write of the simulated temperature in half degrees from -40 °C: 2v + 80 rounded half to
// even, which has a one-byte form for -40.25 <= v < 87.75 only; std::nullopt outside.
std::optional<Frame> SimTemperatureWrite(int address, std::string_view text);

}  // namespace kestrova
