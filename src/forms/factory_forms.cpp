#include "forms/factory_forms.h"

#include "factory/factory_readback.h"
#include "factory/factory_settings.h"
#include "panel/controls.h"
#include "values/tr.h"

namespace kestrova {

void PasswordForm::OnActivate() { main_.passwordPanel.SetText(password_window::kPasswordField, ""); }

// Opens the factory window the moment the field holds exactly the password, case-sensitive;
// anything else is ignored without a word. Only a shown password window can open it, and the
// password does not stay in the hidden field afterwards.
void PasswordForm::OnPasswordEdited() {
  Panel& password = main_.passwordPanel;
  if (!password.Visible(password_window::kWindow)) return;
  if (password.Text(password_window::kPasswordField) != kFactoryPassword) return;
  password.SetText(password_window::kPasswordField, "");
  password.SetVisible(password_window::kWindow, false);
  main_.factoryPanel.SetVisible(factory_window::kWindow, true);
}

// Restarts the walk over codes 16..27, whether or not the port is open; the poll cycle serves
// it one frame per command tick. A setting that would be sent but has no one-byte form is
// reported and nothing is started: the board must never get a wrapped value.
void FactoryForm::OnSendFactorySettings() {
  if (const auto field = UnencodableFactoryField(main_.factoryPanel)) {
    main_.messageBox.Show(Tr("Messages", kDataError));
    main_.factoryPanel.SetFlag(*field, kInvalid, true);
    main_.factoryPanel.SetFocus(*field);
    return;
  }
  main_.pending.Add(PollRequest::FactorySettings);
  main_.nextFactoryCode = kFirstFactoryCode;
  main_.FactoryTransmissionStarted();
}

void FactoryForm::EditedByOperator(std::string_view field) { main_.FactoryFieldEdited(field); }

// Warns only: the text stays and the focus moves on.
void FactoryForm::OnVentIntervalLeft() {
  if (!InRange(main_.factoryPanel.Text(factory_window::kSetVentInterval), kHFanRange)) main_.messageBox.Show(Tr("Messages", kDataError));
}

// The close box discards the window's contents: the next opening shows every field empty and
// both check boxes cleared. A factory transmission still running ends here, so that a response
// arriving after the close cannot make the discarded window send anything; what was already
// sent stays sent.
void FactoryForm::OnClose() {
  main_.pending.Remove(PollRequest::FactorySettings);
  ClearFactoryWindow(main_.factoryPanel);
  main_.factoryPanel.SetVisible(factory_window::kWindow, false);
  main_.FactoryWindowClosed();
}

}  // namespace kestrova
