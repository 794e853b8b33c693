#include "console/main_form.h"
#include "settings/setting_pairs.h"

namespace kestrova {

// "复制设置": every edit field takes the text of its read-back field, character for character
// (an empty read-back empties the edit field). Sends nothing, changes no flag, checks nothing.
void MainForm::Copy_Command_Click() {
  for (const SettingPair& pair : kSettingPairs) Main.SetText(pair.edit, Main.Text(pair.readBack));
}

}  // namespace kestrova
