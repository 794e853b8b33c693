#pragma once
// The board-information text: model "/" PCB version "/" software version, then one final
// character that is not shown (the board's terminator).
#include <string>
#include <string_view>

#include "values/tr.h"

namespace kestrova {

struct BoardInfoFields {
  std::string model;     // kBoardModel
  std::string pcb;       // kPcbVersion
  std::string software;  // kSoftwareVersion
};

// Splits a UTF-8 text by characters (never inside a character):
//  1. the last character of the text is dropped (the terminator; an empty text stays empty);
//  2. model = what precedes the first "/" of the rest, or the whole rest when it has none;
//  3. pcb = what lies between the first and the second "/", or everything after the first
//     "/" when there is no second one; empty when there is no "/" at all;
//  4. software = everything after the second "/" (a third or later "/" belongs to it);
//     empty when there is no second "/".
// For every text whose first two "/" come before its last character this is the board's
// usual layout; a text with fewer "/" fills what it has and leaves the rest empty, and
// a "/" in the last position counts as the terminator, not as a separator.
BoardInfoFields SplitBoardInfo(std::string_view text);

// Software versions starting with "VA2" (case-sensitive) are thermoelectric cooling/heating
// boards; their version description is kThermoelectricDescription.
bool IsThermoelectricVersion(std::string_view software);
inline constexpr std::string_view kThermoelectricDescription = KTR_NOOP("BoardInfo", "半导体制冷制热");

}  // namespace kestrova
