// The number rules of the edit fields: the one parse of a field text into a number (its
// rounding into a byte is checked as the frames of the writes), and the range check when the
// operator leaves a field ("数据错误！" outside the range; the text always stays). The
// boundaries of each kind of row, not the table row by row.
#include <gtest/gtest.h>

#include <string>

#include "fakes/console_fixture.h"
#include "values/leading_number.h"

namespace kestrova::testing {
namespace {

TEST(LeadingNumber, ParsesTheLeadingNumberOrDoesNotFit) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {" 35abc", 35}, {"3\t5\n", 35}, {"1,5", 1},   {"1E3", 1000}, {"25e-1", 2.5}, {"&H3E8", 1000}, {"&h3e8", 1000},
      {"&o178", 15},  {"-40.5", -40.5}, {"+7", 7},  {".5", 0.5},   {"1.2.3", 1.2}, {"1E", 1},       {"", 0},
      {"abc", 0},     {"--5", 0},       {"1e400", {}}, {"-1e400", {}}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseLeadingNumber(text), value) << '"' << text << '"';
  // The ends of a 16-bit whole number, and what fits no whole number at all.
  EXPECT_EQ(RoundInto(32767.4, -32768, 32767), 32767);
  EXPECT_FALSE(RoundInto(32767.5, -32768, 32767).has_value());
  EXPECT_FALSE(RoundInto(1e300, INT64_MIN, INT64_MAX).has_value());
}

TEST(SettingChecks, WarnOnlyOutsideTheRangeAndKeepTheText) {
  using Texts = std::vector<std::string>;
  const std::tuple<const char*, Texts, Texts> rows[] = {  // field, accepted, rejected
      // Whole-number rows (2000..5500, 2..3): the nearest whole number, half to even.
      {"S_ExtFanHighS_Text", {"1999.5", "2000", "5500.5"}, {"1999.4", "5501.5", "67536"}},
      {"S_IntFanPulse_Text", {"1.5", "3.4"}, {"3.5", "65538"}},  // 65538 would be 2 if wrapped
      // Decimal rows: the number unrounded, both ends inclusive; an empty text is 0.
      {"S_TECcurrL_Text", {"0.1", "10"}, {"0.09", "10.01", ""}},
      {"S_TECheatStart_Text", {"", "0", "15"}, {"-0.1", "15.1"}},
      {"S_TempMax_Text", {"30", " 35abc", "3 5", "80"}, {"29.9", "1,5", "80.1", "1e400"}},
      {"SetupT_Text", {"-40", "", "80"}, {"-40.5", "80.1"}}};
  for (const auto& [field, accepted, rejected] : rows) {
    for (const auto& [texts, message] : {std::pair{accepted, 0}, {rejected, 1}}) {
      for (const std::string& text : texts) {
        ConsoleFixture f;
        f.main.texts[field] = text;
        f.form.Validate(field);
        EXPECT_EQ(f.box.shown, Texts(message, std::string(kDataError))) << field << " '" << text << "'";
        EXPECT_EQ(f.main.Text(field), text);
      }
    }
  }
}

}  // namespace
}  // namespace kestrova::testing
