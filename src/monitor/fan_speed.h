#pragma once
// Averaged fan speeds: the last 15 speeds the board reported for each fan, shown as the
// whole-number part of their average with one leading blank. Samples and averages are held
// in full (0..65535); nothing wraps.
#include <array>
#include <cstdint>
#include <string>

namespace kestrova {

struct FanSpeedTexts {
  std::string inner;  // kInnerFanSpeed
  std::string outer;  // kOuterFanSpeed
};

struct FanSpeedAverage {
  static constexpr int kSlots = 15;
  std::array<std::uint32_t, 20> innerSamples{};  // slots 0..14 used
  std::array<std::uint32_t, 20> outerSamples{};
  int nextSlot = 0;  // slot of the next sample, 0..14
  int filledSlots = 0;   // samples taken so far, at most 15

  // Stores one pair of samples (high, low bytes of each fan) and returns the two texts.
  FanSpeedTexts Add(std::uint8_t innerHigh, std::uint8_t innerLow,
                    std::uint8_t outerHigh, std::uint8_t outerLow);
};

}  // namespace kestrova
