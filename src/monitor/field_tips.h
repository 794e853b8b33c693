#pragma once
// What each data and edit field of the main window holds, for its tooltip: the quantity, its
// unit where the board's data make it plain, and the range the field accepts or can show.
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

// The tooltip of a field of the main window; "" for a control without one.
std::string MainFieldTip(std::string_view control);

// The main window's fields that show the board's run data, and its lamps: what goes stale
// when the run data stop.
const std::vector<std::string_view>& RunDataDisplays();

}  // namespace kestrova
