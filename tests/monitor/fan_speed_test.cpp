// Averaged fan speeds: 15-sample ring, whole-number quotient, one leading blank.
#include <gtest/gtest.h>

#include "monitor/fan_speed.h"

namespace kestrova::testing {
namespace {

FanSpeedTexts AddSpeeds(FanSpeedAverage& fans, unsigned inner, unsigned outer) {
  return fans.Add(static_cast<std::uint8_t>(inner >> 8), static_cast<std::uint8_t>(inner),
                  static_cast<std::uint8_t>(outer >> 8), static_cast<std::uint8_t>(outer));
}

TEST(FanSpeed, AveragesSamplesSoFar) {
  FanSpeedAverage fans;
  EXPECT_EQ(AddSpeeds(fans, 1500, 3000).inner, " 1500");
  const FanSpeedTexts second = AddSpeeds(fans, 0, 0);
  EXPECT_EQ(second.inner, " 750");
  EXPECT_EQ(second.outer, " 1500");

  FanSpeedAverage thirds;
  AddSpeeds(thirds, 1000, 0);
  AddSpeeds(thirds, 1000, 0);
  EXPECT_EQ(AddSpeeds(thirds, 1001, 0).inner, " 1000");  // 3001 / 3: remainder dropped
}

TEST(FanSpeed, LastFifteenSamples) {
  FanSpeedAverage fans;
  for (int i = 0; i < 15; ++i) AddSpeeds(fans, 1200, 1200);
  const FanSpeedTexts t = AddSpeeds(fans, 1500, 1200);
  EXPECT_EQ(t.inner, " 1220");
  EXPECT_EQ(t.outer, " 1200");
  EXPECT_EQ(fans.m_FanSpeedNumber, 15);
  EXPECT_EQ(fans.m_FanSpeedPointer, 1);
}

TEST(FanSpeed, SamplesAbove32767AreShownInFull) {
  FanSpeedAverage fans;
  const FanSpeedTexts t = AddSpeeds(fans, 0xFFFF, 0x9000);
  EXPECT_EQ(t.inner, " 65535");
  EXPECT_EQ(t.outer, " 36864");
  for (int i = 0; i < 14; ++i) AddSpeeds(fans, 0xFFFF, 0xFFFF);
  EXPECT_EQ(AddSpeeds(fans, 0xFFFF, 0xFFFF).outer, " 65535");
}

}  // namespace
}  // namespace kestrova::testing
