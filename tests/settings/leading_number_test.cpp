#include "values/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kestrova::testing {
namespace {

TEST(LeadingNumber, ParsesTheLeadingNumber) {
  const std::pair<const char*, double> cases[] = {
      {" 35abc", 35}, {"3 5", 35}, {"3\t5\n", 35}, {"1,5", 1},   {"1E3", 1000},
      {"25e-1", 2.5}, {"&H3E8", 1000}, {"&h3e8", 1000}, {"&o178", 15}, {"&H", 0},
      {"-40.5", -40.5}, {"+7", 7}, {".5", 0.5},  {"-.5", -0.5}, {"1.2.3", 1.2},
      {"1E", 1},      {"1E+x", 1},   {"", 0},      {"abc", 0},  {"-", 0},
      {"E5", 0},      {"--5", 0},    {"1e-400", 0}};
  for (const auto& [text, value] : cases) {
    const auto parsed = ParseLeadingNumber(text);
    ASSERT_TRUE(parsed.has_value()) << text;
    EXPECT_DOUBLE_EQ(*parsed, value) << '"' << text << '"';
  }
}

TEST(LeadingNumber, NumbersBeyondADoubleDoNotFit) {
  for (const std::string text : {"1e400", "-1e400", "1e99999999999999999999"})
    EXPECT_FALSE(ParseLeadingNumber(text).has_value()) << text;
  EXPECT_FALSE(ParseLeadingNumber("&H" + std::string(300, 'F')).has_value());
  EXPECT_FALSE(TextToByte("1e400", 1, 40).has_value());
}

TEST(LeadingNumberRound, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, double> cases[] = {{2.5, 2},   {3.5, 4},   {-2.5, -2},     {65.5, 66},
                                             {66.5, 66}, {-0.6, -1}, {1999.5, 2000}, {5501.5, 5502}};
  for (const auto& [in, out] : cases) EXPECT_EQ(RoundHalfEven(in), out) << in;
}

// Temperatures as v + 40, currents as v x 10, the simulated temperature as 2v + 80.
TEST(LeadingNumberRound, TextToByte) {
  struct Case {
    const char* text;
    double scale, offset;
    std::optional<std::uint8_t> byte;
  };
  const Case cases[] = {{"50", 1, 40, 0x5A},   {"-40", 1, 40, 0},      {"25.5", 1, 40, 66},
                        {"26.5", 1, 40, 66},   {"0.5", 10, 0, 5},      {"", 1, 40, 40},
                        {"215", 1, 40, 255},   {"216", 1, 40, {}},     {"-41", 1, 40, {}},
                        {"25.25", 2, 80, 130}, {"25.75", 2, 80, 132},  {"-40.25", 2, 80, 0},
                        {"87.75", 2, 80, {}},  {"85", 2, 80, 250}};
  for (const auto& c : cases) EXPECT_EQ(TextToByte(c.text, c.scale, c.offset), c.byte) << c.text;
}

TEST(LeadingNumberRound, RoundIntoRejectsWhatCannotBeHeld) {
  EXPECT_EQ(RoundInto(32767.4, -32768, 32767), 32767);
  EXPECT_FALSE(RoundInto(32767.5, -32768, 32767).has_value());
  EXPECT_FALSE(RoundInto(std::nan(""), 0, 255).has_value());
  EXPECT_FALSE(RoundInto(HUGE_VAL, 0, 255).has_value());
  EXPECT_FALSE(RoundInto(1e300, INT64_MIN, INT64_MAX).has_value());
}

}  // namespace
}  // namespace kestrova::testing
