#include "forms/factory_forms.h"

#include "factory/factory_readback.h"
#include "factory/factory_settings.h"
#include "panel/controls.h"

namespace kestrova {

void PasswordForm::Form_Activate() { main_.Password.SetText(password_window::Password_TextBox, ""); }

// Opens the factory window the moment the field holds exactly the password, case-sensitive;
// anything else is ignored without a word. Only a shown password window can open it, and the
// password does not stay in the hidden field afterwards.
void PasswordForm::Password_TextBox_Change() {
  Panel& password = main_.Password;
  if (!password.Visible(password_window::kWindow)) return;
  if (password.Text(password_window::Password_TextBox) != kFactoryPassword) return;
  password.SetText(password_window::Password_TextBox, "");
  password.SetVisible(password_window::kWindow, false);
  main_.Factory.SetVisible(factory_window::kWindow, true);
}

// Restarts the walk over codes 16..27, whether or not the port is open; the poll cycle serves
// it one frame per command tick. A setting that would be sent but has no one-byte form is
// reported and nothing is started: the board must never get a wrapped value.
void FactoryForm::F_Setup_Command_Click() {
  if (const auto field = UnencodableFactoryField(main_.Factory)) {
    main_.Box.Show(kDataError);
    main_.Factory.SetFlag(*field, kInvalid, true);
    main_.Factory.SetFocus(*field);
    return;
  }
  main_.f_F_Setup_Command = true;
  main_.m_F_SetupNo = kFirstFactoryCode;
  main_.FactoryTransmissionStarted();
}

void FactoryForm::EditedByOperator(std::string_view field) { main_.Factory.SetFlag(field, kInvalid, false); }

// Warns only: the text stays and the focus moves on.
void FactoryForm::S_H_Fan_Text_Validate() {
  if (!InRange(main_.Factory.Text(factory_window::S_H_Fan_Text), kHFanRange)) main_.Box.Show(kDataError);
}

// The close box discards the window's contents: the next opening shows every field empty and
// both check boxes cleared. A factory transmission still running ends here, so that a response
// arriving after the close cannot make the discarded window send anything; what was already
// sent stays sent.
void FactoryForm::Form_Unload() {
  main_.f_F_Setup_Command = false;
  ClearFactoryWindow(main_.Factory);
  main_.Factory.SetVisible(factory_window::kWindow, false);
  main_.FactoryWindowClosed();
}

}  // namespace kestrova
