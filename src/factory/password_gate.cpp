// STUB: to be written
#include "console/main_form.h"
#include "factory/factory_forms.h"

namespace kestrova {
void MainForm::F_Setup_Command_Click() {}
void PasswordForm::Form_Activate() {}
void PasswordForm::Password_TextBox_Change() {}
}  // namespace kestrova
