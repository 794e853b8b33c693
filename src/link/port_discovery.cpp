// STUB: to be written
#include "console/main_form.h"

namespace kestrova {
void MainForm::Form_Load() {}
void MainForm::Form_Unload() {}
void MainForm::ProbePorts() {}
void MainForm::ShowClosedPort() {}
void MainForm::CommPortVScroll_Change() {}
void MainForm::CommPort_ToggleButton_Click() {}
}  // namespace kestrova
