// The password gate in front of the factory window. The factory window is shown from one place
// only: a change of the password field whose whole text is the factory password.
#include "console/main_form.h"
#include "factory/factory_forms.h"
#include "factory/factory_settings.h"

namespace kestrova {

// "厂家设定": asks for the password unless the factory window is already open. The password
// window is an ordinary window, so the poll cycle runs on behind it. A press while it is
// already shown keeps it shown; bringing it to the front activates it, which empties the field.
void MainForm::F_Setup_Command_Click() {
  if (Factory.Visible(kFactoryWindow)) return;
  Password.SetVisible(kPasswordWindow, true);
}

// Every activation starts from an empty field.
void PasswordForm::Form_Activate() { main_.Password.SetText(kPasswordField, ""); }

// Opens the factory window the moment the field holds exactly the password, case-sensitive;
// anything else is ignored without a word. Only a shown password window can open it, and the
// password does not stay in the hidden field afterwards.
void PasswordForm::Password_TextBox_Change() {
  Panel& password = main_.Password;
  if (!password.Visible(kPasswordWindow)) return;
  if (password.Text(kPasswordField) != kFactoryPassword) return;
  password.SetText(kPasswordField, "");
  password.SetVisible(kPasswordWindow, false);
  main_.Factory.SetVisible(kFactoryWindow, true);
}

}  // namespace kestrova
