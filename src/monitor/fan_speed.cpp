// STUB: to be written
#include "console/main_form.h"

namespace kestrova {
FanSpeedTexts FanSpeedAverage::Add(std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t) { return {}; }
}  // namespace kestrova
