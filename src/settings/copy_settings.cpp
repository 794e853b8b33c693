// STUB: to be written
#include "console/main_form.h"

namespace kestrova {
void MainForm::Copy_Command_Click() {}
}  // namespace kestrova
