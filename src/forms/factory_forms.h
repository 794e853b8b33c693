#pragma once
// The logic of the password window "Password_Form" and the factory window "F_Setup_Form".
// Both are separate, non-modal windows; their state is the text of their fields only.
#include "forms/main_form.h"

namespace kestrova {

class PasswordForm {
 public:
  explicit PasswordForm(MainForm& main) : main_(main) {}
  // The password window became the active window (from another window of the console):
  // every activation starts from an empty field.
  void OnActivate();
  // The text of kPasswordField changed (typed, deleted, pasted).
  void OnPasswordEdited();

 private:
  MainForm& main_;
};

class FactoryForm {
 public:
  explicit FactoryForm(MainForm& main) : main_(main) {}
  // "发送设置" of the factory window: start (or restart) the factory transmission at code 16.
  void OnSendFactorySettings();
  // Focus is about to leave kSetVentInterval for another control of the factory window.
  void OnVentIntervalLeft();
  // The close box: a running factory transmission ended, every field emptied, both check boxes
  // cleared, the window hidden.
  void OnClose();
  // The operator edited an edit field: a mark that it could not be sent goes.
  void EditedByOperator(std::string_view field);

 private:
  MainForm& main_;
};

}  // namespace kestrova
