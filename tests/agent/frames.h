#pragma once
// Worked frames of the board: a run-data answer and a board-information answer.
#include "protocol/frames.h"

namespace kestrova::agent::testing {

// Settings 25 / 20 / -10 / -5, pulses 2, fans 1500 / 3000 / 2 / 3000, alarm limits 45 / -10,
// current limits 0.5 / 8; inner fan and cooling on, the door input set; inner 25 °C, outer
// sensor open, control 25.5 °C, 3.1 A, 53.5 V, fans 1500 and 3000 r/min.
inline Frame RunDataFrame(std::uint8_t address = 1) {
  Frame f{0x06, 0x01, 0x0F, 0x00, 0x1E, 0x41, 0x3C, 0x1E, 0x23, 0x02, 0x05, 0xDC, 0x0B, 0xB8, 0x02, 0x0B, 0xB8, 0x55,
          0x1E, 0x05, 0x50, 0x05, 0x00, 0x00, 0x04, 0x82, 0xFE, 0x83, 0x1F, 0x02, 0x17, 0x05, 0xDC, 0x0B, 0xB8, 0x0D};
  f[1] = address;
  f.back() = Checksum(std::span(f).first(35));
  return f;
}

// The run data with one byte changed (checksum fixed up).
inline Frame RunDataWith(int offset, std::uint8_t value, std::uint8_t address = 1) {
  Frame f = RunDataFrame(address);
  f[offset] = value;
  f.back() = Checksum(std::span(f).first(35));
  return f;
}

// M1/P2/VA2.3 and the terminating zero byte.
inline Frame BoardInfoFrame() {
  return {0x06, 0x01, 0x0F, 0x02, 0x0C, 0x4D, 0x31, 0x2F, 0x50, 0x32, 0x2F, 0x56, 0x41, 0x32, 0x2E, 0x33, 0x00, 0xAC};
}

}  // namespace kestrova::agent::testing
