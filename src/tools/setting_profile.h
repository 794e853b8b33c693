#pragma once
// A setting profile: the thirteen operating settings with the board information and the date
// it was taken. Taken from the board's last read-back values, or from the edit fields when all
// thirteen are filled, checked, and loaded into the edit fields only: loading sends nothing.
#include <array>
#include <optional>
#include <string>

#include "monitor/run_data.h"
#include "panel/panel.h"

namespace kestrova {

// The format name written into every profile file; a file without it is not a profile.
inline constexpr std::string_view kProfileFormat = "kestrova-setting-profile";
inline constexpr int kProfileVersion = 1;

struct SettingProfile {
  std::string date;                  // ISO 8601
  std::array<std::string, 4> board;  // model, PCB, software version, description (kBoardModel to kVersionNote)
  std::array<std::string, 13> values;  // in the order of kSettingPairs, as the window writes them
};

// The profile now: the window's edit fields when all thirteen hold text, otherwise the read-back
// values of the last run data shown (empty before the first).
SettingProfile ProfileFromWindow(const Panel& main, const RunDataReadout& shown, const std::string& date);

// Why the profile cannot be loaded: a setting without a value, or one the board cannot be sent
// ("高温报警 的值 300 超出范围 -40…215"); or nothing.
std::optional<std::string> ProfileRefusal(const SettingProfile& profile);

// The thirteen edit fields take the profile's values; then MarkDiffering.
void LoadProfile(const SettingProfile& profile, Panel& main);

// Every edit field that holds text other than its read-back field gets the flag kDiffers.
void MarkDiffering(Panel& main);

inline constexpr std::string_view kDiffers = "differs";

}  // namespace kestrova
