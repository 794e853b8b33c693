#pragma once
// The board's factory parameters 16..27 as the factory window shows them: for each code the
// operator's edit control, the read-back control the factory data fill, and the rule that
// decides whether the code is written. The transmission, the read-back and the close box all
// walk this one table.
#include <array>
#include <cstdint>
#include <string_view>

#include "settings/range_check.h"
#include "ui/panel.h"

namespace kestrova {

// Windows and the password field, by objectName.
inline constexpr std::string_view kFactoryWindow = "F_Setup_Form";
inline constexpr std::string_view kPasswordWindow = "Password_Form";
inline constexpr std::string_view kPasswordField = "Password_TextBox";

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
  int position = 0;  // Character: 1 or 2, the character of the version text
};

// In code order: kFactorySettings[code - kFirstFactoryCode] is the setting of that code.
inline constexpr std::array<FactorySetting, 12> kFactorySettings{{
    {16, "S_DCVlow_Text", "DCVlow_Text", FactoryRule::Numeric},
    {17, "S_DCVlowOffset_Text", "DCVlowOffset_Text", FactoryRule::Numeric},
    {18, "S_DCVhigh_Text", "DCVhigh_Text", FactoryRule::Numeric},
    {19, "S_DCVhighOffset_Text", "DCVhighOffset_Text", FactoryRule::Numeric},
    {20, "S_Ver_Text", "Ver_Text", FactoryRule::Character, 1},
    {21, "S_Ver_Text", "Ver_Text", FactoryRule::Character, 2},
    {22, "S_Temp1Calib_Text", "Temp1Calib_Text", FactoryRule::Numeric},
    {23, "S_Temp2Calib_Text", "Temp2Calib_Text", FactoryRule::Numeric},
    {24, "S_DCVcalib_Text", "DCVcalib_Text", FactoryRule::Numeric},
    {25, "S_TECcurrCalib_Text", "TECcurrCalib_Text", FactoryRule::Numeric},
    {26, "CheckBox1", "CheckBox2", FactoryRule::Flag},
    {27, "S_H_Fan_Text", "H_Fan_Text", FactoryRule::Numeric},
}};

// Offset of a factory parameter's byte in the 18-byte factory-data response.
constexpr int ResponseOffset(int code) { return 5 + code - kFirstFactoryCode; }

// The hydrogen-exhaust interval accepted on leaving S_H_Fan_Text.
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

}  // namespace kestrova
