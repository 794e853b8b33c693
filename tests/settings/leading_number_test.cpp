#include "settings/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace kestrova::testing {
namespace {

struct ParseCase {
  std::string text;
  double value;
};

class LeadingNumberParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(LeadingNumberParse, Value) {
  const auto parsed = ParseLeadingNumber(GetParam().text);
  ASSERT_TRUE(parsed.has_value()) << GetParam().text;
  EXPECT_DOUBLE_EQ(*parsed, GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberParse,
    ::testing::Values(
        ParseCase{" 35abc", 35}, ParseCase{"3 5", 35}, ParseCase{"3\t5\n", 35},
        ParseCase{"1,5", 1}, ParseCase{"1E3", 1000}, ParseCase{"1e+3", 1000},
        ParseCase{"25E-1", 2.5}, ParseCase{"&H3E8", 1000}, ParseCase{"&h3e8", 1000},
        ParseCase{"&O17", 15}, ParseCase{"&o178", 15}, ParseCase{"&H", 0},
        ParseCase{"-40.5", -40.5}, ParseCase{"+7", 7}, ParseCase{".5", 0.5},
        ParseCase{"-.5", -0.5}, ParseCase{"5.", 5}, ParseCase{"1.2.3", 1.2},
        ParseCase{"1E", 1}, ParseCase{"1E+", 1}, ParseCase{"2e x", 2},
        ParseCase{"1999.5", 1999.5}, ParseCase{"", 0}, ParseCase{"abc", 0},
        ParseCase{"-", 0}, ParseCase{".", 0}, ParseCase{"E5", 0},
        ParseCase{"--5", 0}, ParseCase{"&X10", 0}, ParseCase{"1e-400", 0},
        ParseCase{"0e999999", 0}));

TEST(LeadingNumberParse, NumbersBeyondADoubleDoNotFit) {
  EXPECT_FALSE(ParseLeadingNumber("1e400").has_value());
  EXPECT_FALSE(ParseLeadingNumber("-1e400").has_value());
  EXPECT_FALSE(ParseLeadingNumber("1e99999999999999999999").has_value());
  EXPECT_FALSE(ParseLeadingNumber("&H" + std::string(300, 'F')).has_value());
  EXPECT_FALSE(TextToByte("1e400").has_value());
}

struct RoundCase {
  double in;
  double out;
};

class RoundHalfEvenTable : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenTable, NearestWithHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(GetParam().in), GetParam().out) << GetParam().in;
}

INSTANTIATE_TEST_SUITE_P(Values, RoundHalfEvenTable,
                         ::testing::Values(RoundCase{2.5, 2}, RoundCase{3.5, 4},
                                           RoundCase{-2.5, -2}, RoundCase{-3.5, -4},
                                           RoundCase{65.5, 66}, RoundCase{66.5, 66},
                                           RoundCase{1999.5, 2000}, RoundCase{5501.5, 5502},
                                           RoundCase{2.4999, 2}, RoundCase{-0.6, -1},
                                           RoundCase{1e300, 1e300}));

struct ByteCase {
  std::string text;
  double scale;
  double offset;
  std::optional<std::uint8_t> byte;
};

class RoundTextToByte : public ::testing::TestWithParam<ByteCase> {};

TEST_P(RoundTextToByte, Encoding) {
  const auto& c = GetParam();
  EXPECT_EQ(TextToByte(c.text, c.scale, c.offset), c.byte) << c.text;
}

// Temperatures as v + 40, currents as v x 10, simulated temperature as 2v + 80.
INSTANTIATE_TEST_SUITE_P(
    Settings, RoundTextToByte,
    ::testing::Values(ByteCase{"50", 1, 40, 0x5A}, ByteCase{"-40", 1, 40, 0},
                      ByteCase{"25.5", 1, 40, 66}, ByteCase{"26.5", 1, 40, 66},
                      ByteCase{"0.5", 10, 0, 5}, ByteCase{"", 1, 40, 40},
                      ByteCase{"215", 1, 40, 255}, ByteCase{"216", 1, 40, std::nullopt},
                      ByteCase{"-41", 1, 40, std::nullopt}, ByteCase{"25", 2, 80, 130},
                      ByteCase{"25.25", 2, 80, 130}, ByteCase{"25.75", 2, 80, 132},
                      ByteCase{"-40.25", 2, 80, 0}, ByteCase{"87.75", 2, 80, std::nullopt},
                      ByteCase{"85", 2, 80, 250}, ByteCase{"-0.4", 1, 0, 0}));

TEST(RoundInto, RejectsWhatCannotBeHeld) {
  EXPECT_EQ(RoundInto(32767.4, -32768, 32767), 32767);
  EXPECT_FALSE(RoundInto(32767.5, -32768, 32767).has_value());
  EXPECT_FALSE(RoundInto(std::nan(""), 0, 255).has_value());
  EXPECT_FALSE(RoundInto(std::numeric_limits<double>::infinity(), 0, 255).has_value());
  EXPECT_FALSE(RoundInto(1e300, std::numeric_limits<std::int64_t>::min(),
                         std::numeric_limits<std::int64_t>::max())
                   .has_value());
  EXPECT_EQ(ToByte(255.5), std::nullopt);
  EXPECT_EQ(ToByte(-0.5), 0);
}

}  // namespace
}  // namespace kestrova::testing
