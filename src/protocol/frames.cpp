#include "protocol/frames.h"

namespace kestrova {
namespace {

// Appends the checksum of everything already in the frame.
Frame Sealed(Frame frame) {
  frame.push_back(Checksum(frame));
  return frame;
}

}  // namespace

std::uint8_t Checksum(std::span<const std::uint8_t> bytes) {
  unsigned sum = 0;
  for (std::uint8_t b : bytes) sum += b;
  return static_cast<std::uint8_t>(sum % 256);
}

Frame ReadRequest(std::uint8_t address, std::uint8_t subtype) {
  return Sealed({kRequestStart, address, kRead, subtype});
}

// The address read goes to address 0, which every board answers.
Frame AddressReadRequest() { return ReadRequest(0, kDeviceAddress); }

Frame ParameterWrite(std::uint8_t address, std::uint8_t code, std::uint8_t data) {
  return Sealed({kRequestStart, address, kParameterWrite, code, 0x01, data});
}

Frame ParameterWrite(std::uint8_t address, std::uint8_t code, std::uint8_t high, std::uint8_t low) {
  return Sealed({kRequestStart, address, kParameterWrite, code, 0x02, high, low});
}

}  // namespace kestrova
