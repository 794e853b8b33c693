#pragma once
// The names of the controls of the console's three windows, each written once. The layout
// names its widgets with these constants, the logic reaches them through them, the wiring
// connects them and the tests look them up; a control that is not listed here does not exist
// for any of them. Every list gives the kind of widget the logic expects behind the name.
#include <span>
#include <string_view>

namespace kestrova {

enum class ControlKind {
  Window,     // the window itself (shown, hidden, asked whether visible)
  Field,      // one-line text field: edit, read-only or static
  Label,      // caption the logic reads
  Button,     // command button
  Toggle,     // two-state push button with a caption
  Option,     // option (radio) button
  CheckBox,   // check box
  ScrollBar,  // vertical scroll arrows with a value
  Lamp,       // indicator lamp with an integer State
};

struct Control {
  std::string_view name;
  ControlKind kind;
  constexpr operator std::string_view() const { return name; }
};

// Each list is X(name, kind) once per control.
#define KESTROVA_MAIN_CONTROLS(X)                                                                  \
  X(TextBox1, Field) X(TextBox2, Field) X(TextBox3, Field) X(TextBox4, Field)                      \
  X(CommPortText, Field) X(CommPortVScroll, ScrollBar) X(CommPort_ToggleButton, Toggle)            \
  X(TextBox5, Field) X(TextBox6, Field) X(RS485Option, Option) X(RS422Option, Option)              \
  X(Addr_Command1, Button) X(AddrText1, Field) X(Addr_Command2, Button) X(AddrText2, Field)        \
  X(S_TECcoolStart_Text, Field) X(TECcoolStart_Text, Field)                                        \
  X(S_TECcoolStop_Text, Field) X(TECcoolStop_Text, Field)                                          \
  X(S_TECheatStart_Text, Field) X(TECheatStart_Text, Field)                                        \
  X(S_TECheatStop_Text, Field) X(TECheatStop_Text, Field)                                          \
  X(S_TECcurrL_Text, Field) X(TECcurrL_Text, Field) X(S_TECcurrH_Text, Field) X(TECcurrH_Text, Field) \
  X(TECcurrent_Text, Field) X(Option1, Option) X(Option2, Option)                                  \
  X(S_IntFanPulse_Text, Field) X(IntFanPulse_Text, Field)                                          \
  X(S_IntFanLowS_Text, Field) X(IntFanLowS_Text, Field)                                            \
  X(S_IntFanHighS_Text, Field) X(IntFanHighS_Text, Field) X(IntFanSpeed_Text, Field)               \
  X(S_ExtFanPulse_Text, Field) X(ExtFanPulse_Text, Field)                                          \
  X(S_ExtFanHighS_Text, Field) X(ExtFanHighS_Text, Field) X(ExtFanSpeed_Text, Field)               \
  X(S_TempMax_Text, Field) X(TempMax_Text, Field) X(S_TempMin_Text, Field) X(TempMin_Text, Field)  \
  X(StatusBox1, Lamp) X(StatusBox2, Lamp) X(StatusBox3, Lamp) X(StatusBox4, Lamp)                  \
  X(StatusBox5, Lamp) X(StatusBox6, Lamp) X(StatusBox7, Lamp) X(StatusBox8, Lamp)                  \
  X(StatusBox9, Lamp) X(StatusBox10, Lamp) X(StatusBox11, Lamp) X(StatusBox12, Lamp)               \
  X(StatusBox13, Lamp) X(StatusBox14, Lamp) X(StatusBox15, Lamp) X(StatusBox16, Lamp)              \
  X(StatusBox17, Lamp) X(StatusBox18, Lamp) X(StatusBox19, Lamp) X(StatusBox20, Lamp)              \
  X(StatusBox21, Lamp) X(StatusBox22, Lamp)                                                        \
  X(CommCtr_Text, Field) X(SetupT_Text, Field) X(Command3, Button)                                 \
  X(Temp1_Text, Field) X(Temp2_Text, Field) X(ControlTemp_Text, Field) X(DCvoltage_Text, Field)    \
  X(F_Setup_Command, Button) X(Copy_Command, Button) X(Setup_Command, Button)                     \
  X(LinkStatus, Label) X(LinkStats, Label)

#define KESTROVA_FACTORY_CONTROLS(X)                                                               \
  X(S_Temp1Calib_Text, Field) X(Temp1Calib_Text, Field) X(S_Temp2Calib_Text, Field)                \
  X(Temp2Calib_Text, Field) X(S_TECcurrCalib_Text, Field) X(TECcurrCalib_Text, Field)              \
  X(S_DCVcalib_Text, Field) X(DCVcalib_Text, Field) X(S_DCVlow_Text, Field) X(DCVlow_Text, Field)  \
  X(S_DCVhigh_Text, Field) X(DCVhigh_Text, Field) X(S_H_Fan_Text, Field) X(H_Fan_Text, Field)      \
  X(S_Ver_Text, Field) X(Ver_Text, Field) X(S_DCVlowOffset_Text, Field)                            \
  X(DCVlowOffset_Text, Field) X(S_DCVhighOffset_Text, Field) X(DCVhighOffset_Text, Field)          \
  X(CheckBox1, CheckBox) X(CheckBox2, CheckBox) X(F_Setup_Command, Button)

#define KESTROVA_PASSWORD_CONTROLS(X) X(Label1, Label) X(Password_TextBox, Field)

#define KESTROVA_DECLARE_CONTROL(name, kind) inline constexpr Control name{#name, ControlKind::kind};
#define KESTROVA_LIST_CONTROL(name, kind) name,

// The main window "Kestrova后台软件".
namespace main_window {
inline constexpr Control kWindow{"Kestrova后台软件", ControlKind::Window};
KESTROVA_MAIN_CONTROLS(KESTROVA_DECLARE_CONTROL)
inline constexpr Control kAll[] = {KESTROVA_MAIN_CONTROLS(KESTROVA_LIST_CONTROL)};
}  // namespace main_window

// The factory window "F_Setup_Form".
namespace factory_window {
inline constexpr Control kWindow{"F_Setup_Form", ControlKind::Window};
KESTROVA_FACTORY_CONTROLS(KESTROVA_DECLARE_CONTROL)
inline constexpr Control kAll[] = {KESTROVA_FACTORY_CONTROLS(KESTROVA_LIST_CONTROL)};
}  // namespace factory_window

// The password window "Password_Form".
namespace password_window {
inline constexpr Control kWindow{"Password_Form", ControlKind::Window};
KESTROVA_PASSWORD_CONTROLS(KESTROVA_DECLARE_CONTROL)
inline constexpr Control kAll[] = {KESTROVA_PASSWORD_CONTROLS(KESTROVA_LIST_CONTROL)};
}  // namespace password_window

#undef KESTROVA_DECLARE_CONTROL
#undef KESTROVA_LIST_CONTROL

}  // namespace kestrova
