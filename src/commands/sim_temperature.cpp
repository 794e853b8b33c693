// STUB: to be written
#include "console/main_form.h"

namespace kestrova {
void MainForm::Command3_Click() {}
void MainForm::SendSimTemperature() {}
}  // namespace kestrova
