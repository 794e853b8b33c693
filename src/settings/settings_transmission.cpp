#include "settings/settings_transmission.h"

#include "settings/setting_pairs.h"

namespace kestrova {
namespace {

// A setting goes out when its edit text differs from its read-back text, compared exactly as
// strings: "25.0" against "25" counts as changed.
bool Changed(const Panel& main, const SettingPair& pair) { return main.Text(pair.edit) != main.Text(pair.readBack); }

}  // namespace

std::optional<SetupRefusal> CheckSetupStart(const Panel& main, int address) {
  if (main.Text(main_window::kSetCoolStart).empty() || main.Text(main_window::kSetLowTempAlarm).empty())
    return SetupRefusal{kNoData, {}};
  for (const SettingPair& pair : kSettingPairs) {
    if (Changed(main, pair) && !SettingWrite(address, pair, main.Text(pair.edit)))
      return SetupRefusal{kDataError, pair.edit};
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

WrittenValue WrittenSetting(const Frame& write) {
  const SettingPair& pair = *PairForCode(write[3]);
  return {std::string(pair.edit), std::string(pair.caption), RunDataOffset(pair), pair.width, {write[5], pair.width == 2 ? write[6] : std::uint8_t{0}},
          [&pair](std::uint8_t high, std::uint8_t low) { return ReadBackText(pair, high, low); }};
}

}  // namespace kestrova
