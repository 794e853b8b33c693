// Leaving an edit field: "数据错误！" outside the field's range, and the text always stays.
#include <gtest/gtest.h>

#include "fakes/console_fixture.h"

namespace kestrova::testing {
namespace {

// "a|b|" -> a, b, ""; nullptr -> none.
std::vector<std::string> Split(const char* list) {
  std::vector<std::string> out;
  if (!list) return out;
  const std::string_view texts(list);
  for (std::size_t at = 0;; ++at) {
    const std::size_t bar = texts.find('|', at);
    out.emplace_back(texts.substr(at, bar - at));
    if (bar == std::string_view::npos) return out;
    at = bar;
  }
}

TEST(SettingChecks, WarnOnlyOutsideTheRangeAndKeepTheText) {
  const struct { const char* field; const char* accepted; const char* rejected; } rows[] = {
      // Whole-number rows: the nearest whole number, half to even, held in 16 bits.
      {"S_ExtFanHighS_Text", "1999.5|2000|5500.5", "1999.4|5501.5|67536"},
      {"S_ExtFanPulse_Text", "1.5|2.5|3", "1.4|3.5"},
      {"S_IntFanPulse_Text", "1.5|2|3.4", "3.5|65538"},  // 65538 would be 2 if wrapped
      // Decimal rows: the number unrounded.
      {"S_IntFanHighS_Text", "1500|5500", "1499.9|5500.01"},
      {"S_IntFanLowS_Text", "600|1E3|&H3E8|5500", "599.9|5500.1"},
      {"S_TECcoolStart_Text", "20|45", "19.9|45.1"},
      {"S_TECcoolStop_Text", "10|35", "9.9|35.1"},
      {"S_TECcurrH_Text", "2|20", "1.9|20.1"},
      {"S_TECcurrL_Text", "0.1|10", "0.09|10.01|"},
      {"S_TECheatStart_Text", "|0|15", "-0.1|15.1"},
      {"S_TECheatStop_Text", "10|20", "9.9|20.1"},
      {"S_TempMax_Text", "30| 35abc|3 5|80", "29.9|1,5|80.1||1e400"},
      {"S_TempMin_Text", "-40|30", "-40.5|30.1"},
      {"SetupT_Text", "-40||80", "-40.5|85|80.1"},
      {"TempMax_Text", "999", nullptr},  // a read-back field is never checked
  };
  for (const auto& row : rows) {
    for (const bool accepted : {true, false}) {
      for (const std::string& text : Split(accepted ? row.accepted : row.rejected)) {
        ConsoleFixture f;
        f.main.texts[row.field] = text;
        f.form.Validate(row.field);
        EXPECT_EQ(f.box.shown.size(), accepted ? 0u : 1u) << row.field << " '" << text << "'";
        if (!accepted && !f.box.shown.empty()) EXPECT_EQ(f.box.shown[0], kDataError);
        EXPECT_EQ(f.main.Text(row.field), text);
      }
    }
  }
}

}  // namespace
}  // namespace kestrova::testing
