#pragma once
// The thirteen operating settings of the control board as the main window shows them: an edit
// field above a read-back field, the range the edit field accepts, and how the board's
// parameter write encodes the value. The range checks, the settings transmission and the
// copy button all walk this one table.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "protocol/frames.h"
#include "settings/range_check.h"

namespace kestrova {

struct SettingPair {
  std::string_view edit;      // "S_TempMax_Text"
  std::string_view readBack;  // "TempMax_Text"
  Range range;                // accepted on leaving the edit field
  std::uint8_t code;          // parameter code, also the payload position in the run data
  int width;                  // data bytes: 1, or 2 for a 16-bit value sent high byte first
  double scale;               // wire value = v * scale + offset, rounded half to even
  double offset;
};

inline constexpr Range::Compare kWhole = Range::Compare::Whole;
inline constexpr Range::Compare kDecimal = Range::Compare::Decimal;

// In the order the copy button fills the edit fields.
inline constexpr std::array<SettingPair, 13> kSettingPairs{{
    {"S_TECcoolStart_Text", "TECcoolStart_Text", {20, 45, kDecimal}, 0, 1, 1, 40},
    {"S_TECcoolStop_Text", "TECcoolStop_Text", {10, 35, kDecimal}, 1, 1, 1, 40},
    {"S_TECheatStart_Text", "TECheatStart_Text", {0, 15, kDecimal}, 2, 1, 1, 40},
    {"S_TECheatStop_Text", "TECheatStop_Text", {10, 20, kDecimal}, 3, 1, 1, 40},
    {"S_TECcurrL_Text", "TECcurrL_Text", {0.1, 10, kDecimal}, 14, 1, 10, 0},
    {"S_TECcurrH_Text", "TECcurrH_Text", {2, 20, kDecimal}, 15, 1, 10, 0},
    {"S_IntFanPulse_Text", "IntFanPulse_Text", {2, 3, kWhole}, 4, 1, 1, 0},
    {"S_IntFanLowS_Text", "IntFanLowS_Text", {600, 5500, kDecimal}, 5, 2, 1, 0},
    {"S_IntFanHighS_Text", "IntFanHighS_Text", {1500, 5500, kDecimal}, 7, 2, 1, 0},
    {"S_ExtFanPulse_Text", "ExtFanPulse_Text", {2, 3, kWhole}, 9, 1, 1, 0},
    {"S_ExtFanHighS_Text", "ExtFanHighS_Text", {2000, 5500, kWhole}, 10, 2, 1, 0},
    {"S_TempMax_Text", "TempMax_Text", {30, 80, kDecimal}, 12, 1, 1, 40},
    {"S_TempMin_Text", "TempMin_Text", {-40, 30, kDecimal}, 13, 1, 1, 40},
}};

// Parameter codes of the operating settings: 0..15, where 6, 8 and 11 are the low bytes of
// the 16-bit values below them and are never written by themselves.
inline constexpr int kLastSettingCode = 15;

// The setting written under the code, or nullptr (6, 8, 11, anything outside 0..15).
const SettingPair* PairForCode(int code);
// The setting whose edit field has this name, or nullptr.
const SettingPair* PairForEdit(std::string_view edit);

// The parameter write of the setting with the text's value, for the board at the address:
// the leading number, its scale and offset, rounded half to even into one byte (0..255) or
// as a whole into 16 bits (0..65535) and then split. std::nullopt when the value has no such
// form; nothing is ever wrapped or clamped.
std::optional<Frame> SettingWrite(int address, const SettingPair& pair, std::string_view text);

// The simulated temperature accepted on leaving SetupT_Text (it is sent as 2v + 80).
inline constexpr Range kSimTemperatureRange{-40, 80, kDecimal};

}  // namespace kestrova
