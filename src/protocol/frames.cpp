// STUB: to be written
#include "protocol/frames.h"
namespace kestrova {
std::uint8_t Checksum(std::span<const std::uint8_t>) { return 0; }
Frame ReadRequest(std::uint8_t, std::uint8_t) { return {}; }
Frame AddressReadRequest() { return {}; }
Frame ParameterWrite(std::uint8_t, std::uint8_t, std::uint8_t) { return {}; }
Frame ParameterWrite(std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t) { return {}; }
}  // namespace kestrova
