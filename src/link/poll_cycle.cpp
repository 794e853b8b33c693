// STUB: to be written
#include "console/main_form.h"

namespace kestrova {
void MainForm::Timer1_Timer() {}
void MainForm::ReceiveData() {}
}  // namespace kestrova
