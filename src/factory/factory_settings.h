#pragma once
// The board's factory parameters 16..27 as the factory window shows them: for each code the
// operator's edit control, the read-back control the factory data fill, and the rule that
// decides whether the code is written. The transmission, the read-back and the close box all
// walk this one table.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "panel/controls.h"
#include "panel/panel.h"
#include "values/range.h"
#include "values/tr.h"

namespace kestrova {

// The factory password: fixed, compared character by character, case-sensitive.
inline constexpr std::string_view kFactoryPassword = "KT907";

inline constexpr int kFirstFactoryCode = 16;
inline constexpr int kLastFactoryCode = 27;

enum class FactoryRule {
  Numeric,    // text fields; sent when the edit number is not 0 and differs from the read-back
  Character,  // one character of the version text, compared by its one-byte code
  Flag,       // check boxes; sent when the operator's box differs from the board's
};

struct FactorySetting {
  std::uint8_t code;
  std::string_view edit;      // edit field, or the operator's check box
  std::string_view readBack;  // read-back field, or the board's check box
  FactoryRule rule;
  std::string_view caption;  // "直流电压低限"
  int position = 0;  // Character: 1 or 2, the character of the version text
};

// In code order: kFactorySettings[code - kFirstFactoryCode] is the setting of that code.
inline constexpr std::array<FactorySetting, 12> kFactorySettings{{
    {16, factory_window::kSetVoltageLow, factory_window::kVoltageLow, FactoryRule::Numeric, KTR_NOOP("Settings", "直流电压低限")},
    {17, factory_window::kSetVoltageLowHysteresis, factory_window::kVoltageLowHysteresis, FactoryRule::Numeric, KTR_NOOP("Settings", "直流电压低限回差")},
    {18, factory_window::kSetVoltageHigh, factory_window::kVoltageHigh, FactoryRule::Numeric, KTR_NOOP("Settings", "直流电压高限")},
    {19, factory_window::kSetVoltageHighHysteresis, factory_window::kVoltageHighHysteresis, FactoryRule::Numeric, KTR_NOOP("Settings", "直流电压高限回差")},
    {20, factory_window::kSetFactoryVersion, factory_window::kFactoryVersion, FactoryRule::Character, KTR_NOOP("Settings", "版本第 1 个字符"), 1},
    {21, factory_window::kSetFactoryVersion, factory_window::kFactoryVersion, FactoryRule::Character, KTR_NOOP("Settings", "版本第 2 个字符"), 2},
    {22, factory_window::kSetInnerSensorCalib, factory_window::kInnerSensorCalib, FactoryRule::Numeric, KTR_NOOP("Settings", "内温度传感器标定")},
    {23, factory_window::kSetOuterSensorCalib, factory_window::kOuterSensorCalib, FactoryRule::Numeric, KTR_NOOP("Settings", "外温度传感器标定")},
    {24, factory_window::kSetVoltageCalib, factory_window::kVoltageCalib, FactoryRule::Numeric, KTR_NOOP("Settings", "直流电压标定")},
    {25, factory_window::kSetCurrentCalib, factory_window::kCurrentCalib, FactoryRule::Numeric, KTR_NOOP("Settings", "TEC电流标定")},
    {26, factory_window::kSetCoolingOnly, factory_window::kCoolingOnly, FactoryRule::Flag, KTR_NOOP("Settings", "单冷")},
    {27, factory_window::kSetVentInterval, factory_window::kVentInterval, FactoryRule::Numeric, KTR_NOOP("Settings", "排氢间隔时间")},
}};

// Offset of a factory parameter's byte in the 18-byte factory-data response.
constexpr int ResponseOffset(int code) { return 5 + code - kFirstFactoryCode; }

// The hydrogen-exhaust interval accepted on leaving kSetVentInterval.
inline constexpr Range kHFanRange{0, 100, Range::Compare::Decimal};

// What the send rule says for one setting, given the window's current contents.
struct FactoryDecision {
  enum class Verdict {
    Keep,         // nothing to send for this code
    Send,         // send `data`
    CannotEncode  // the rule says send, but the value has no one-byte form
  };
  Verdict verdict = Verdict::Keep;
  std::uint8_t data = 0;
};

FactoryDecision Decide(const FactorySetting& setting, const Panel& factory);

// The first edit control whose setting the send rule says to send but which has no one-byte
// form: "发送设置" must refuse and point at it.
std::optional<std::string_view> UnencodableFactoryField(const Panel& factory);

// The tooltip of a control of the factory window; "" for one without.
std::string FactoryFieldTip(std::string_view control);

// The factory window's read-back controls: what goes stale when the factory data stop.
std::vector<std::string_view> FactoryReadBacks();

// The value of a factory parameter byte as the window shows it (number, character or 0/1).
std::string FactoryValueText(const FactorySetting& setting, std::uint8_t b);

}  // namespace kestrova
