// The factory-data response shown in the read-back side of the factory window.
#include <array>
#include <cstdint>
#include <string>

#include "console/main_form.h"
#include "factory/factory_settings.h"
#include "protocol/char_codes.h"

namespace kestrova {

// Fills every read-back control of the factory window from the 18-byte response at
// m_DataPointer: numbers as the plain byte in decimal, the version as the characters of its two
// bytes, the board's cooling-only box ticked only for 1. The operator's edit controls and the
// main window are left alone, and the ring is not moved.
void MainForm::ShowFSetupData() {
  for (const FactorySetting& s : kFactorySettings) {
    const int offset = ResponseOffset(s.code);
    const std::uint8_t b = Ring.At(offset);
    switch (s.rule) {
      case FactoryRule::Numeric:
        Factory.SetText(s.readBack, std::to_string(b));
        break;
      case FactoryRule::Flag:
        Factory.SetChecked(s.readBack, b == 1);
        break;
      case FactoryRule::Character:
        // The version text is written whole from its first character's code and the next one.
        if (s.position == 1) {
          const std::array<std::uint8_t, 2> version{b, Ring.At(offset + 1)};
          Factory.SetText(s.readBack, BytesToText(version));
        }
        break;
    }
  }
}

}  // namespace kestrova
