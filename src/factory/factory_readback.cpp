// STUB: to be written
#include "console/main_form.h"

namespace kestrova {
void MainForm::ShowFSetupData() {}
}  // namespace kestrova
