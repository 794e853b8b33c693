// STUB: to be written
#include "console/main_form.h"

namespace kestrova {
void MainForm::Setup_Command_Click() {}
void MainForm::SendSetupData() {}
}  // namespace kestrova
