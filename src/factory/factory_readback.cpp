#include "factory/factory_readback.h"

#include <array>
#include <cstdint>
#include <string>

#include "factory/factory_settings.h"
#include "protocol/char_codes.h"
#include "values/number_text.h"

namespace kestrova {

void ShowFactoryData(const ReceiveRing& frame, Panel& factory) {
  for (const FactorySetting& s : kFactorySettings) {
    const int offset = ResponseOffset(s.code);
    const std::uint8_t b = frame.At(offset);
    switch (s.rule) {
      case FactoryRule::Numeric:
        factory.SetText(s.readBack, WholeText(b));
        break;
      case FactoryRule::Flag:
        factory.SetChecked(s.readBack, b == 1);
        break;
      case FactoryRule::Character:
        // The version text is written whole from its first character's code and the next one.
        if (s.position == 1) {
          const std::array<std::uint8_t, 2> version{b, frame.At(offset + 1)};
          factory.SetText(s.readBack, BytesToText(version));
        }
        break;
    }
  }
}

void ClearFactoryWindow(Panel& factory) {
  for (const FactorySetting& s : kFactorySettings) {
    if (s.rule == FactoryRule::Flag) {
      factory.SetChecked(s.edit, false);
      factory.SetChecked(s.readBack, false);
    } else {
      factory.SetText(s.edit, "");
      factory.SetText(s.readBack, "");
    }
  }
}

}  // namespace kestrova
