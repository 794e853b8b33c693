#include "factory/factory_settings.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "protocol/char_codes.h"
#include "values/leading_number.h"

namespace kestrova {

namespace {

constexpr bool InCodeOrder() {
  for (std::size_t i = 0; i < kFactorySettings.size(); ++i)
    if (kFactorySettings[i].code != kFirstFactoryCode + static_cast<int>(i)) return false;
  return kFactorySettings.size() == kLastFactoryCode - kFirstFactoryCode + 1;
}
static_assert(InCodeOrder(), "kFactorySettings is indexed by code - kFirstFactoryCode");

using Verdict = FactoryDecision::Verdict;

FactoryDecision Encoded(std::optional<std::uint8_t> data) {
  if (!data) return {Verdict::CannotEncode};
  return {Verdict::Send, *data};
}

// Sent when the edit number is not 0 and differs from the read-back number. An edit number too
// large for a double is never 0 and never what the board holds; it has no byte either.
FactoryDecision DecideNumeric(const std::string& edit, const std::string& readBack) {
  const std::optional<double> v = ParseLeadingNumber(edit);
  if (!v) return {Verdict::CannotEncode};
  if (*v == 0) return {};
  const std::optional<double> board = ParseLeadingNumber(readBack);
  if (board && *board == *v) return {};
  return Encoded(ToByte(*v));
}

// The character at `position` of the edit text is sent when it differs from the read-back
// character at that position; a read-back text too short to have one (no factory data yet)
// counts as differing. An edit text too short has nothing to send.
FactoryDecision DecideCharacter(const std::string& edit, const std::string& readBack, int position) {
  const std::vector<char32_t> typed = CodePoints(edit);
  if (typed.size() < static_cast<std::size_t>(position)) return {};
  const char32_t c = typed[position - 1];
  const std::vector<char32_t> board = CodePoints(readBack);
  if (board.size() >= static_cast<std::size_t>(position) && board[position - 1] == c) return {};
  return Encoded(CharToByte(c));
}

}  // namespace

FactoryDecision Decide(const FactorySetting& setting, const Panel& factory) {
  switch (setting.rule) {
    case FactoryRule::Numeric:
      return DecideNumeric(factory.Text(setting.edit), factory.Text(setting.readBack));
    case FactoryRule::Character:
      return DecideCharacter(factory.Text(setting.edit), factory.Text(setting.readBack), setting.position);
    case FactoryRule::Flag: {
      const bool wanted = factory.Checked(setting.edit);
      if (wanted == factory.Checked(setting.readBack)) return {};
      return {Verdict::Send, static_cast<std::uint8_t>(wanted ? 1 : 0)};
    }
  }
  return {};
}

bool AnyFactoryUnencodable(const Panel& factory) {
  return std::any_of(kFactorySettings.begin(), kFactorySettings.end(), [&](const FactorySetting& s) {
    return Decide(s, factory).verdict == Verdict::CannotEncode;
  });
}

}  // namespace kestrova
