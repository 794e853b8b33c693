#include "factory/factory_transmission.h"

#include "factory/factory_settings.h"

namespace kestrova {

std::optional<Frame> NextFactoryWrite(const Panel& factory, int address, int& fSetupNo) {
  if (fSetupNo < kFirstFactoryCode) fSetupNo = kFirstFactoryCode;
  for (; fSetupNo <= kLastFactoryCode; ++fSetupNo) {
    const FactoryDecision decision = Decide(kFactorySettings[fSetupNo - kFirstFactoryCode], factory);
    if (decision.verdict != FactoryDecision::Verdict::Send) continue;
    const auto code = static_cast<std::uint8_t>(fSetupNo++);
    return ParameterWrite(static_cast<std::uint8_t>(address), code, decision.data);
  }
  return std::nullopt;
}

WrittenValue WrittenFactorySetting(const Frame& write) {
  const FactorySetting& setting = kFactorySettings[write[3] - kFirstFactoryCode];
  return {std::string(setting.edit), std::string(setting.caption), ResponseOffset(setting.code), 1, {write[5], 0},
          [&setting](std::uint8_t b, std::uint8_t) { return FactoryValueText(setting, b); }};
}

}  // namespace kestrova
