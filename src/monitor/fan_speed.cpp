#include "monitor/fan_speed.h"

#include <algorithm>
#include <numeric>

#include "values/number_text.h"

namespace kestrova {

namespace {

// Whole-number part of the average over all 15 slots (unwritten ones hold 0) divided by the
// number of samples taken, with the one leading blank these two fields carry.
std::string AverageText(const std::array<std::uint32_t, 20>& samples, int count) {
  const std::uint64_t sum =
      std::accumulate(samples.begin(), samples.begin() + FanSpeedAverage::kSlots, std::uint64_t{0});
  return " " + WholeText(static_cast<std::int64_t>(sum / static_cast<std::uint64_t>(count)));
}

}  // namespace

FanSpeedTexts FanSpeedAverage::Add(std::uint8_t innerHigh, std::uint8_t innerLow,
                                   std::uint8_t outerHigh, std::uint8_t outerLow) {
  const int k = nextSlot;
  innerSamples[k] = innerHigh * 256u + innerLow;
  outerSamples[k] = outerHigh * 256u + outerLow;
  nextSlot = k + 1 > kSlots - 1 ? 0 : k + 1;
  filledSlots = std::min(filledSlots + 1, kSlots);
  return {AverageText(innerSamples, filledSlots), AverageText(outerSamples, filledSlots)};
}

}  // namespace kestrova
