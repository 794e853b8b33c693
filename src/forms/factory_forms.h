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
  void Form_Activate();
  // The text of Password_TextBox changed (typed, deleted, pasted).
  void Password_TextBox_Change();

 private:
  MainForm& main_;
};

class FactoryForm {
 public:
  explicit FactoryForm(MainForm& main) : main_(main) {}
  // "发送设置" of the factory window: start (or restart) the factory transmission at code 16.
  void F_Setup_Command_Click();
  // Focus is about to leave S_H_Fan_Text for another control of the factory window.
  void S_H_Fan_Text_Validate();
  // The close box: a running factory transmission ended, every field emptied, both check boxes
  // cleared, the window hidden.
  void Form_Unload();
  // The operator edited an edit field: a mark that it could not be sent goes.
  void EditedByOperator(std::string_view field);

 private:
  MainForm& main_;
};

}  // namespace kestrova
