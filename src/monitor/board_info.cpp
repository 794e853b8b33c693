// STUB: to be written
#include "console/main_form.h"

namespace kestrova {
void MainForm::ShowAddress() {}
void MainForm::ShowBoardInfo() {}
void MainForm::LinkModeUpdate() {}
void MainForm::SelectRS422() {}
}  // namespace kestrova
