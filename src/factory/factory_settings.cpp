#include "factory/factory_settings.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "protocol/char_codes.h"
#include "values/leading_number.h"
#include "values/tr.h"

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

std::optional<std::string_view> UnencodableFactoryField(const Panel& factory) {
  for (const FactorySetting& s : kFactorySettings)
    if (Decide(s, factory).verdict == Verdict::CannotEncode) return s.edit;
  return std::nullopt;
}

std::string FactoryFieldTip(std::string_view control) {
  using namespace factory_window;
  if (control == kSetVentInterval.name) return Tr("FieldTips", "排氢间隔时间，0…100；为 0 时不发送");
  if (control == kSetFactoryVersion.name) return Tr("FieldTips", "版本：两个字符，每个字符一个字节");
  if (control == kSetCoolingOnly.name) return Tr("FieldTips", "单冷：与控制板不同时发送（勾选为 1，否则为 0）");
  for (const FactorySetting& s : kFactorySettings) {
    const std::string caption = Tr("Settings", s.caption);
    if (s.readBack == control) {
      if (s.rule == FactoryRule::Character) return Tr("FieldTips", "版本：控制板当前值");
      return Arg(Tr("FieldTips", "%1：控制板当前值"), {caption});
    }
    if (s.edit == control) return Arg(Tr("FieldTips", "%1：0…255 的整数；为 0 时不发送"), {caption});
  }
  return {};
}

std::vector<std::string_view> FactoryReadBacks() {
  std::vector<std::string_view> fields;
  for (const FactorySetting& s : kFactorySettings)
    if (std::find(fields.begin(), fields.end(), s.readBack) == fields.end()) fields.push_back(s.readBack);
  return fields;
}

std::string FactoryValueText(const FactorySetting& setting, std::uint8_t b) {
  if (setting.rule == FactoryRule::Character) return BytesToText(std::array<std::uint8_t, 1>{b});
  return std::to_string(b);
}

}  // namespace kestrova
