#pragma once
// The names of the controls of the console's three windows, each written once. The string is
// the control's objectName, the window's public name; the constant says what the control is.
// The layout names its widgets with these constants, the logic reaches them through them, the
// wiring connects them and the tests look them up; a control that is not listed here does not
// exist for any of them. Every control gives the kind of widget the logic expects behind it.
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

// The main window "Kestrova后台软件".
namespace main_window {
inline constexpr Control kWindow{"Kestrova后台软件", ControlKind::Window};

// Board information (read from the board).
inline constexpr Control kBoardModel{"TextBox1", ControlKind::Field};
inline constexpr Control kPcbVersion{"TextBox2", ControlKind::Field};
inline constexpr Control kSoftwareVersion{"TextBox3", ControlKind::Field};
inline constexpr Control kVersionNote{"TextBox4", ControlKind::Field};

// Communication port: the selected port, the arrows that step through the ports found, the open/close toggle.
inline constexpr Control kPortName{"CommPortText", ControlKind::Field};
inline constexpr Control kPortScroll{"CommPortVScroll", ControlKind::ScrollBar};
inline constexpr Control kPortToggle{"CommPort_ToggleButton", ControlKind::Toggle};

// Fixed texts: the line settings and the protocol.
inline constexpr Control kLineSettings{"TextBox5", ControlKind::Field};
inline constexpr Control kProtocolName{"TextBox6", ControlKind::Field};

// The link mode the board's echo showed (the operator cannot select them).
inline constexpr Control kRs485Mode{"RS485Option", ControlKind::Option};
inline constexpr Control kRs422Mode{"RS422Option", ControlKind::Option};

// Device address: the new address and its button, the board's address and its button.
inline constexpr Control kSendAddress{"Addr_Command1", ControlKind::Button};
inline constexpr Control kNewAddress{"AddrText1", ControlKind::Field};
inline constexpr Control kReadAddress{"Addr_Command2", ControlKind::Button};
inline constexpr Control kBoardAddress{"AddrText2", ControlKind::Field};

// Thermoelectric module settings: each edit field (kSet...) above its read-back.
inline constexpr Control kSetCoolStart{"S_TECcoolStart_Text", ControlKind::Field};
inline constexpr Control kCoolStart{"TECcoolStart_Text", ControlKind::Field};
inline constexpr Control kSetCoolStop{"S_TECcoolStop_Text", ControlKind::Field};
inline constexpr Control kCoolStop{"TECcoolStop_Text", ControlKind::Field};
inline constexpr Control kSetHeatStart{"S_TECheatStart_Text", ControlKind::Field};
inline constexpr Control kHeatStart{"TECheatStart_Text", ControlKind::Field};
inline constexpr Control kSetHeatStop{"S_TECheatStop_Text", ControlKind::Field};
inline constexpr Control kHeatStop{"TECheatStop_Text", ControlKind::Field};
inline constexpr Control kSetCurrentLow{"S_TECcurrL_Text", ControlKind::Field};
inline constexpr Control kCurrentLow{"TECcurrL_Text", ControlKind::Field};
inline constexpr Control kSetCurrentHigh{"S_TECcurrH_Text", ControlKind::Field};
inline constexpr Control kCurrentHigh{"TECcurrH_Text", ControlKind::Field};

// The module's current as measured.
inline constexpr Control kLiveCurrent{"TECcurrent_Text", ControlKind::Field};

// The two cooling-only option buttons; the logic neither sets nor reads them.
inline constexpr Control kCoolingOnlyUpper{"Option1", ControlKind::Option};
inline constexpr Control kCoolingOnlyLower{"Option2", ControlKind::Option};

// Inner fan settings and its averaged speed.
inline constexpr Control kSetInnerFanPulses{"S_IntFanPulse_Text", ControlKind::Field};
inline constexpr Control kInnerFanPulses{"IntFanPulse_Text", ControlKind::Field};
inline constexpr Control kSetInnerFanLowSpeed{"S_IntFanLowS_Text", ControlKind::Field};
inline constexpr Control kInnerFanLowSpeed{"IntFanLowS_Text", ControlKind::Field};
inline constexpr Control kSetInnerFanHighSpeed{"S_IntFanHighS_Text", ControlKind::Field};
inline constexpr Control kInnerFanHighSpeed{"IntFanHighS_Text", ControlKind::Field};
inline constexpr Control kInnerFanSpeed{"IntFanSpeed_Text", ControlKind::Field};

// Outer fan settings and its averaged speed.
inline constexpr Control kSetOuterFanPulses{"S_ExtFanPulse_Text", ControlKind::Field};
inline constexpr Control kOuterFanPulses{"ExtFanPulse_Text", ControlKind::Field};
inline constexpr Control kSetOuterFanHighSpeed{"S_ExtFanHighS_Text", ControlKind::Field};
inline constexpr Control kOuterFanHighSpeed{"ExtFanHighS_Text", ControlKind::Field};
inline constexpr Control kOuterFanSpeed{"ExtFanSpeed_Text", ControlKind::Field};

// Temperature alarm limits.
inline constexpr Control kSetHighTempAlarm{"S_TempMax_Text", ControlKind::Field};
inline constexpr Control kHighTempAlarm{"TempMax_Text", ControlKind::Field};
inline constexpr Control kSetLowTempAlarm{"S_TempMin_Text", ControlKind::Field};
inline constexpr Control kLowTempAlarm{"TempMin_Text", ControlKind::Field};

// Work-state lamps.
inline constexpr Control kInnerFanLamp{"StatusBox1", ControlKind::Lamp};
inline constexpr Control kOuterFanLamp{"StatusBox2", ControlKind::Lamp};
inline constexpr Control kCoolingLamp{"StatusBox3", ControlKind::Lamp};
inline constexpr Control kHeatingLamp{"StatusBox4", ControlKind::Lamp};
inline constexpr Control kVentMotorLamp{"StatusBox5", ControlKind::Lamp};
inline constexpr Control kSelfTestLamp{"StatusBox6", ControlKind::Lamp};

// Alarm and input lamps.
inline constexpr Control kGeneralAlarmLamp{"StatusBox7", ControlKind::Lamp};
inline constexpr Control kSensorAlarmLamp{"StatusBox8", ControlKind::Lamp};
inline constexpr Control kInnerFanAlarmLamp{"StatusBox9", ControlKind::Lamp};
inline constexpr Control kOuterFanAlarmLamp{"StatusBox10", ControlKind::Lamp};
inline constexpr Control kCurrentLowAlarmLamp{"StatusBox11", ControlKind::Lamp};
inline constexpr Control kCurrentHighAlarmLamp{"StatusBox12", ControlKind::Lamp};
inline constexpr Control kHighTempAlarmLamp{"StatusBox13", ControlKind::Lamp};
inline constexpr Control kLowTempAlarmLamp{"StatusBox14", ControlKind::Lamp};
inline constexpr Control kDcLowAlarmLamp{"StatusBox15", ControlKind::Lamp};
inline constexpr Control kDcHighAlarmLamp{"StatusBox16", ControlKind::Lamp};
inline constexpr Control kAcPowerLossLamp{"StatusBox17", ControlKind::Lamp};

// Two work-state lamps that stay hidden for the whole run.
inline constexpr Control kSimTemperatureLamp{"StatusBox18", ControlKind::Lamp};
inline constexpr Control kSelfTestHiddenLamp{"StatusBox19", ControlKind::Lamp};

// Door and switch inputs.
inline constexpr Control kDoorLamp{"StatusBox20", ControlKind::Lamp};
inline constexpr Control kSwitchInput3Lamp{"StatusBox21", ControlKind::Lamp};
inline constexpr Control kSwitchInput4Lamp{"StatusBox22", ControlKind::Lamp};

// Right-hand column: the communication counter, the simulated temperature and its button, the measurements.
inline constexpr Control kCommCounter{"CommCtr_Text", ControlKind::Field};
inline constexpr Control kSimTemperature{"SetupT_Text", ControlKind::Field};
inline constexpr Control kSendSimTemperature{"Command3", ControlKind::Button};
inline constexpr Control kInnerTemperature{"Temp1_Text", ControlKind::Field};
inline constexpr Control kOuterTemperature{"Temp2_Text", ControlKind::Field};
inline constexpr Control kControlTemperature{"ControlTemp_Text", ControlKind::Field};
inline constexpr Control kSupplyVoltage{"DCvoltage_Text", ControlKind::Field};

// Buttons: open the factory setup, copy the read-backs into the edit fields, send the settings.
inline constexpr Control kOpenFactorySetup{"F_Setup_Command", ControlKind::Button};
inline constexpr Control kCopySettings{"Copy_Command", ControlKind::Button};
inline constexpr Control kSendSettings{"Setup_Command", ControlKind::Button};

// The status bar around the original window: the line's state and its counts.
inline constexpr Control kLinkStatus{"LinkStatus", ControlKind::Label};
inline constexpr Control kLinkStats{"LinkStats", ControlKind::Label};

inline constexpr Control kAll[] = {
    kBoardModel, kPcbVersion, kSoftwareVersion, kVersionNote, kPortName, kPortScroll,
    kPortToggle, kLineSettings, kProtocolName, kRs485Mode, kRs422Mode, kSendAddress,
    kNewAddress, kReadAddress, kBoardAddress, kSetCoolStart, kCoolStart, kSetCoolStop,
    kCoolStop, kSetHeatStart, kHeatStart, kSetHeatStop, kHeatStop, kSetCurrentLow,
    kCurrentLow, kSetCurrentHigh, kCurrentHigh, kLiveCurrent, kCoolingOnlyUpper, kCoolingOnlyLower,
    kSetInnerFanPulses, kInnerFanPulses, kSetInnerFanLowSpeed, kInnerFanLowSpeed, kSetInnerFanHighSpeed, kInnerFanHighSpeed,
    kInnerFanSpeed, kSetOuterFanPulses, kOuterFanPulses, kSetOuterFanHighSpeed, kOuterFanHighSpeed, kOuterFanSpeed,
    kSetHighTempAlarm, kHighTempAlarm, kSetLowTempAlarm, kLowTempAlarm, kInnerFanLamp, kOuterFanLamp,
    kCoolingLamp, kHeatingLamp, kVentMotorLamp, kSelfTestLamp, kGeneralAlarmLamp, kSensorAlarmLamp,
    kInnerFanAlarmLamp, kOuterFanAlarmLamp, kCurrentLowAlarmLamp, kCurrentHighAlarmLamp, kHighTempAlarmLamp, kLowTempAlarmLamp,
    kDcLowAlarmLamp, kDcHighAlarmLamp, kAcPowerLossLamp, kSimTemperatureLamp, kSelfTestHiddenLamp, kDoorLamp,
    kSwitchInput3Lamp, kSwitchInput4Lamp, kCommCounter, kSimTemperature, kSendSimTemperature, kInnerTemperature,
    kOuterTemperature, kControlTemperature, kSupplyVoltage, kOpenFactorySetup, kCopySettings, kSendSettings,
    kLinkStatus, kLinkStats,
};
}  // namespace main_window

// The factory window "F_Setup_Form".
namespace factory_window {
inline constexpr Control kWindow{"F_Setup_Form", ControlKind::Window};

// Sensor and measurement calibrations: each edit field (kSet...) above its read-back.
inline constexpr Control kSetInnerSensorCalib{"S_Temp1Calib_Text", ControlKind::Field};
inline constexpr Control kInnerSensorCalib{"Temp1Calib_Text", ControlKind::Field};
inline constexpr Control kSetOuterSensorCalib{"S_Temp2Calib_Text", ControlKind::Field};
inline constexpr Control kOuterSensorCalib{"Temp2Calib_Text", ControlKind::Field};
inline constexpr Control kSetCurrentCalib{"S_TECcurrCalib_Text", ControlKind::Field};
inline constexpr Control kCurrentCalib{"TECcurrCalib_Text", ControlKind::Field};
inline constexpr Control kSetVoltageCalib{"S_DCVcalib_Text", ControlKind::Field};
inline constexpr Control kVoltageCalib{"DCVcalib_Text", ControlKind::Field};

// Supply voltage limits.
inline constexpr Control kSetVoltageLow{"S_DCVlow_Text", ControlKind::Field};
inline constexpr Control kVoltageLow{"DCVlow_Text", ControlKind::Field};
inline constexpr Control kSetVoltageHigh{"S_DCVhigh_Text", ControlKind::Field};
inline constexpr Control kVoltageHigh{"DCVhigh_Text", ControlKind::Field};

// Hydrogen venting interval and the board's version.
inline constexpr Control kSetVentInterval{"S_H_Fan_Text", ControlKind::Field};
inline constexpr Control kVentInterval{"H_Fan_Text", ControlKind::Field};
inline constexpr Control kSetFactoryVersion{"S_Ver_Text", ControlKind::Field};
inline constexpr Control kFactoryVersion{"Ver_Text", ControlKind::Field};

// Hysteresis of the two voltage limits.
inline constexpr Control kSetVoltageLowHysteresis{"S_DCVlowOffset_Text", ControlKind::Field};
inline constexpr Control kVoltageLowHysteresis{"DCVlowOffset_Text", ControlKind::Field};
inline constexpr Control kSetVoltageHighHysteresis{"S_DCVhighOffset_Text", ControlKind::Field};
inline constexpr Control kVoltageHighHysteresis{"DCVhighOffset_Text", ControlKind::Field};

// Cooling only: the flag to send and the board's flag (locked).
inline constexpr Control kSetCoolingOnly{"CheckBox1", ControlKind::CheckBox};
inline constexpr Control kCoolingOnly{"CheckBox2", ControlKind::CheckBox};

// Sends the factory settings.
inline constexpr Control kSendFactorySettings{"F_Setup_Command", ControlKind::Button};

inline constexpr Control kAll[] = {
    kSetInnerSensorCalib, kInnerSensorCalib, kSetOuterSensorCalib, kOuterSensorCalib, kSetCurrentCalib, kCurrentCalib,
    kSetVoltageCalib, kVoltageCalib, kSetVoltageLow, kVoltageLow, kSetVoltageHigh, kVoltageHigh,
    kSetVentInterval, kVentInterval, kSetFactoryVersion, kFactoryVersion, kSetVoltageLowHysteresis, kVoltageLowHysteresis,
    kSetVoltageHighHysteresis, kVoltageHighHysteresis, kSetCoolingOnly, kCoolingOnly, kSendFactorySettings,
};
}  // namespace factory_window

// The password window "Password_Form".
namespace password_window {
inline constexpr Control kWindow{"Password_Form", ControlKind::Window};

// The prompt and the password field.
inline constexpr Control kPasswordPrompt{"Label1", ControlKind::Label};
inline constexpr Control kPasswordField{"Password_TextBox", ControlKind::Field};

inline constexpr Control kAll[] = {kPasswordPrompt, kPasswordField};
}  // namespace password_window

}  // namespace kestrova
