#include "settings/setting_pairs.h"

#include "values/leading_number.h"
#include "values/number_text.h"

namespace kestrova {

const SettingPair* PairForCode(int code) {
  for (const SettingPair& pair : kSettingPairs) {
    if (pair.code == code) return &pair;
  }
  return nullptr;
}

const SettingPair* PairForEdit(std::string_view edit) {
  for (const SettingPair& pair : kSettingPairs) {
    if (pair.edit == edit) return &pair;
  }
  return nullptr;
}

std::string ReadBackText(const SettingPair& pair, std::uint8_t high, std::uint8_t low) {
  const int wire = pair.width == 2 ? high * 256 + low : high;
  return DecimalText((wire - pair.offset) / pair.scale);
}

const Range* RangeOfMainField(std::string_view field) {
  if (field == main_window::kSimTemperature.name) return &kSimTemperatureRange;
  if (const SettingPair* pair = PairForEdit(field)) return &pair->range;
  return nullptr;
}

void CopySettings(Panel& main) {
  for (const SettingPair& pair : kSettingPairs) main.SetText(pair.edit, main.Text(pair.readBack));
}

std::optional<Frame> SettingWrite(int address, const SettingPair& pair, std::string_view text) {
  const std::optional<double> v = ParseLeadingNumber(text);
  if (!v) return std::nullopt;
  const double wire = *v * pair.scale + pair.offset;
  const auto a = static_cast<std::uint8_t>(address);
  if (pair.width == 1) {
    const std::optional<std::uint8_t> data = ToByte(wire);
    if (!data) return std::nullopt;
    return ParameterWrite(a, pair.code, *data);
  }
  // A fan speed is rounded as a whole before it is split, so 1535.6 goes out as 06 00.
  const std::optional<std::int64_t> word = RoundInto(wire, 0, 65535);
  if (!word) return std::nullopt;
  return ParameterWrite(a, pair.code, static_cast<std::uint8_t>(*word / 256),
                        static_cast<std::uint8_t>(*word % 256));
}

}  // namespace kestrova
