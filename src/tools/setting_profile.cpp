#include "tools/setting_profile.h"

#include "panel/controls.h"
#include "settings/setting_pairs.h"
#include "values/leading_number.h"
#include "values/number_text.h"
#include "values/tr.h"

namespace kestrova {

namespace {

using namespace main_window;
constexpr Control kBoardFields[] = {kBoardModel, kPcbVersion, kSoftwareVersion, kVersionNote};

// Whether two numeric texts hold the same number ("25" and "25.0").
bool SameNumber(const std::string& a, const std::string& b) {
  if (a == b) return true;
  const auto x = ParseLeadingNumber(a), y = ParseLeadingNumber(b);
  return x && y && *x == *y;
}

}  // namespace

SettingProfile ProfileFromWindow(const Panel& main, const RunDataReadout& shown, const std::string& date) {
  SettingProfile p;
  p.date = date;
  for (std::size_t i = 0; i < p.board.size(); ++i) p.board[i] = main.Text(kBoardFields[i]);
  bool allEdits = true;
  for (const SettingPair& pair : kSettingPairs) allEdits = allEdits && !main.Text(pair.edit).empty();
  for (std::size_t i = 0; i < kSettingPairs.size(); ++i)
    p.values[i] = allEdits ? main.Text(kSettingPairs[i].edit) : shown.readBacks[i];
  return p;
}

std::optional<std::string> ProfileRefusal(const SettingProfile& profile) {
  for (std::size_t i = 0; i < kSettingPairs.size(); ++i) {
    const SettingPair& pair = kSettingPairs[i];
    const std::string& value = profile.values[i];
    const std::string caption = Tr("Settings", pair.caption);
    if (value.empty()) return Arg(Tr("Profile", "%1 没有值"), {caption});
    // The range of what the board can be sent (the edit field's own range only warns).
    const double top = pair.width == 2 ? 65535 : 255;
    if (!SettingWrite(1, pair, value))
      return Arg(Tr("Profile", "%1 的值 %2 超出范围 %3…%4"),
                 {caption, value, DecimalText(-pair.offset / pair.scale + 0.0), DecimalText((top - pair.offset) / pair.scale)});
  }
  return std::nullopt;
}

void LoadProfile(const SettingProfile& profile, Panel& main) {
  for (std::size_t i = 0; i < kSettingPairs.size(); ++i) main.SetText(kSettingPairs[i].edit, profile.values[i]);
  MarkDiffering(main);
}

void MarkDiffering(Panel& main) {
  for (const SettingPair& pair : kSettingPairs) {
    const std::string edit = main.Text(pair.edit);
    main.SetFlag(pair.edit, kDiffers, !edit.empty() && !SameNumber(edit, main.Text(pair.readBack)));
  }
}

}  // namespace kestrova
