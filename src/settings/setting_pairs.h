#pragma once
// The thirteen operating settings of the control board as the main window shows them: an edit
// field above a read-back field, the range the edit field accepts, and how the board's
// parameter write encodes the value. The range checks, the settings transmission, the copy
// button and the run-data decode of the read-back fields all walk this one table.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "panel/controls.h"
#include "panel/panel.h"
#include "protocol/frames.h"
#include "values/range.h"
#include "values/tr.h"

namespace kestrova {

struct SettingPair {
  std::string_view edit;      // "S_TempMax_Text"
  std::string_view readBack;  // "TempMax_Text"
  Range range;                // accepted on leaving the edit field
  std::uint8_t code;          // parameter code, also the payload position in the run data
  int width;                  // data bytes: 1, or 2 for a 16-bit value sent high byte first
  double scale;               // wire value = v * scale + offset, rounded half to even; the
  double offset;              // read-back shows (wire value - offset) / scale
  std::string_view caption;   // the setting named in full: "制冷开启温度"
  std::string_view unit;      // "°C", "A", "r/min", or "" for a count
};

inline constexpr Range::Compare kWhole = Range::Compare::Whole;
inline constexpr Range::Compare kDecimal = Range::Compare::Decimal;

// In the order the copy button fills the edit fields.
inline constexpr std::array<SettingPair, 13> kSettingPairs{{
    {main_window::kSetCoolStart, main_window::kCoolStart, {20, 45, kDecimal}, 0, 1, 1, 40, KTR_NOOP("Settings", "制冷开启温度"), "°C"},
    {main_window::kSetCoolStop, main_window::kCoolStop, {10, 35, kDecimal}, 1, 1, 1, 40, KTR_NOOP("Settings", "制冷停止温度"), "°C"},
    {main_window::kSetHeatStart, main_window::kHeatStart, {0, 15, kDecimal}, 2, 1, 1, 40, KTR_NOOP("Settings", "制热开启温度"), "°C"},
    {main_window::kSetHeatStop, main_window::kHeatStop, {10, 20, kDecimal}, 3, 1, 1, 40, KTR_NOOP("Settings", "制热停止温度"), "°C"},
    {main_window::kSetCurrentLow, main_window::kCurrentLow, {0.1, 10, kDecimal}, 14, 1, 10, 0, KTR_NOOP("Settings", "电流低限"), "A"},
    {main_window::kSetCurrentHigh, main_window::kCurrentHigh, {2, 20, kDecimal}, 15, 1, 10, 0, KTR_NOOP("Settings", "电流高限"), "A"},
    {main_window::kSetInnerFanPulses, main_window::kInnerFanPulses, {2, 3, kWhole}, 4, 1, 1, 0, KTR_NOOP("Settings", "内风机每转脉冲"), ""},
    {main_window::kSetInnerFanLowSpeed, main_window::kInnerFanLowSpeed, {600, 5500, kDecimal}, 5, 2, 1, 0, KTR_NOOP("Settings", "内风机低速转速"), "r/min"},
    {main_window::kSetInnerFanHighSpeed, main_window::kInnerFanHighSpeed, {1500, 5500, kDecimal}, 7, 2, 1, 0, KTR_NOOP("Settings", "内风机高速转速"), "r/min"},
    {main_window::kSetOuterFanPulses, main_window::kOuterFanPulses, {2, 3, kWhole}, 9, 1, 1, 0, KTR_NOOP("Settings", "外风机每转脉冲"), ""},
    {main_window::kSetOuterFanHighSpeed, main_window::kOuterFanHighSpeed, {2000, 5500, kWhole}, 10, 2, 1, 0, KTR_NOOP("Settings", "外风机高速转速"), "r/min"},
    {main_window::kSetHighTempAlarm, main_window::kHighTempAlarm, {30, 80, kDecimal}, 12, 1, 1, 40, KTR_NOOP("Settings", "高温报警"), "°C"},
    {main_window::kSetLowTempAlarm, main_window::kLowTempAlarm, {-40, 30, kDecimal}, 13, 1, 1, 40, KTR_NOOP("Settings", "低温报警"), "°C"},
}};

// Parameter codes of the operating settings: 0..15, where 6, 8 and 11 are the low bytes of
// the 16-bit values below them and are never written by themselves.
inline constexpr int kLastSettingCode = 15;

// Offset of the setting's (first) byte in the 36-byte run-data response.
constexpr int RunDataOffset(const SettingPair& pair) { return 5 + pair.code; }

// The read-back text of the setting from its byte(s) in the run data (low is used only by the
// 16-bit settings): "25", "-15", "0.5", "3000".
std::string ReadBackText(const SettingPair& pair, std::uint8_t high, std::uint8_t low);

// The setting written under the code, or nullptr (6, 8, 11, anything outside 0..15).
const SettingPair* PairForCode(int code);
// The setting whose edit field has this name, or nullptr.
const SettingPair* PairForEdit(std::string_view edit);

// The parameter write of the setting with the text's value, for the board at the address:
// the leading number, its scale and offset, rounded half to even into one byte (0..255) or
// as a whole into 16 bits (0..65535) and then split. std::nullopt when the value has no such
// form; nothing is ever wrapped or clamped.
std::optional<Frame> SettingWrite(int address, const SettingPair& pair, std::string_view text);

// The simulated temperature accepted on leaving kSimTemperature (it is sent as 2v + 80).
inline constexpr Range kSimTemperatureRange{-40, 80, kDecimal};

// The range checked when the focus leaves this edit field of the main window: the thirteen
// S_..._Text fields and kSimTemperature; nullptr for any other control.
const Range* RangeOfMainField(std::string_view field);

// "复制设置": every edit field takes the text of its read-back field, character for character
// (an empty read-back empties the edit field). Sends nothing, checks nothing.
void CopySettings(Panel& main);

}  // namespace kestrova
