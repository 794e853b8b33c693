// STUB: to be written
#include "console/main_form.h"

namespace kestrova {
void MainForm::Addr_Command1_Click() {}
void MainForm::Addr_Command2_Click() {}
void MainForm::AddrText1_Change() {}
void MainForm::SendAddressWrite() {}
}  // namespace kestrova
