#include "console/main_form.h"
#include "settings/range_check.h"
#include "settings/setting_pairs.h"

namespace kestrova {

// Leaving an edit field of the main window: warn when its number is outside the field's range.
// The text stays as typed and the focus moves on either way.
void MainForm::Validate(std::string_view field) {
  if (field == "SetupT_Text") {
    CheckRange(Main.Text(field), kSimTemperatureRange, Box);
  } else if (const SettingPair* pair = PairForEdit(field)) {
    CheckRange(Main.Text(field), pair->range, Box);
  }
}

}  // namespace kestrova
