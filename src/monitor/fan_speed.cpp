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
  const int k = m_FanSpeedPointer;
  IntFanSamples[k] = innerHigh * 256u + innerLow;
  ExtFanSamples[k] = outerHigh * 256u + outerLow;
  m_FanSpeedPointer = k + 1 > kSlots - 1 ? 0 : k + 1;
  m_FanSpeedNumber = std::min(m_FanSpeedNumber + 1, kSlots);
  return {AverageText(IntFanSamples, m_FanSpeedNumber), AverageText(ExtFanSamples, m_FanSpeedNumber)};
}

}  // namespace kestrova
