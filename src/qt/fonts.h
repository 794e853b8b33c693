#pragma once
// The console's fonts: SimSun as on the original forms, with the CJK fonts found on Linux
// desktops as its substitutes, so the Chinese captions never show as empty boxes.
#include <QFont>

namespace kestrova {

inline constexpr double kDefaultPoints = 9.0;
// The larger fields of the thermoelectric module group and the port name.
inline constexpr double kLargePoints = 10.5;

// SimSun at the given size; installs the substitutes on first use.
QFont ConsoleFont(double points = kDefaultPoints);

}  // namespace kestrova
