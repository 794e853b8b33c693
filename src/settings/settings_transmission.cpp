#include "settings/settings_transmission.h"

#include "settings/setting_pairs.h"

namespace kestrova {
namespace {

// A setting goes out when its edit text differs from its read-back text, compared exactly as
// strings: "25.0" against "25" counts as changed.
bool Changed(const Panel& main, const SettingPair& pair) { return main.Text(pair.edit) != main.Text(pair.readBack); }

}  // namespace

std::optional<std::string_view> SetupRefusal(const Panel& main, int address) {
  if (main.Text(main_window::S_TECcoolStart_Text).empty() || main.Text(main_window::S_TempMin_Text).empty())
    return kNoData;
  for (const SettingPair& pair : kSettingPairs) {
    if (Changed(main, pair) && !SettingWrite(address, pair, main.Text(pair.edit))) return kDataError;
  }
  return std::nullopt;
}

std::optional<Frame> NextSettingWrite(const Panel& main, int address, int& setupNo) {
  while (setupNo <= kLastSettingCode) {
    const SettingPair* pair = PairForCode(setupNo);
    if (pair && Changed(main, *pair)) {
      if (auto frame = SettingWrite(address, *pair, main.Text(pair->edit))) {
        setupNo += pair->width;
        return frame;
      }
    }
    ++setupNo;
  }
  return std::nullopt;
}

bool SettingsWalkDone(int setupNo) { return setupNo > kLastSettingCode; }

}  // namespace kestrova
