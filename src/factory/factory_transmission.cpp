// STUB: to be written
#include "console/main_form.h"

namespace kestrova {
void MainForm::SendFSetupData() {}
}  // namespace kestrova
