// The run-data response: the board's operating settings, work-state and alarm bits,
// measurements and fan speeds, written to the read-back fields and lamps of the main window.
#include <array>
#include <string>

#include "console/main_form.h"
#include "monitor/number_text.h"

namespace kestrova {

namespace {

// Lamp states.
constexpr int kOff = 0;
constexpr int kWorking = 1;
constexpr int kAlarm = 2;
constexpr int kSelfTest = 3;

constexpr std::uint8_t kOpenCircuit = 254;
constexpr std::uint8_t kShortCircuit = 255;

enum class Form { Celsius40, Plain, Word, Tenth };  // b - 40; b; b1 * 256 + b2; b / 10

struct Setting {
  int offset;
  const char* field;
  Form form;
};

// Offsets 5..20: the operating settings (payload index = parameter code).
constexpr std::array<Setting, 13> kSettings{{
    {5, "TECcoolStart_Text", Form::Celsius40},
    {6, "TECcoolStop_Text", Form::Celsius40},
    {7, "TECheatStart_Text", Form::Celsius40},
    {8, "TECheatStop_Text", Form::Celsius40},
    {9, "IntFanPulse_Text", Form::Plain},
    {10, "IntFanLowS_Text", Form::Word},
    {12, "IntFanHighS_Text", Form::Word},
    {14, "ExtFanPulse_Text", Form::Plain},
    {15, "ExtFanHighS_Text", Form::Word},
    {17, "TempMax_Text", Form::Celsius40},
    {18, "TempMin_Text", Form::Celsius40},
    {19, "TECcurrL_Text", Form::Tenth},
    {20, "TECcurrH_Text", Form::Tenth},
}};

struct Lamp {
  int bit;
  int box;    // StatusBoxN
  int state;  // when the bit is set; 0 when clear
};

// Work states (offset 21) and the alarms of offset 22 and of offset 23 bits 0..3.
constexpr std::array<Lamp, 6> kWorkLamps{{{0, 1, kWorking}, {1, 2, kWorking}, {2, 3, kWorking},
                                          {3, 4, kWorking}, {4, 5, kWorking}, {5, 6, kSelfTest}}};
constexpr std::array<Lamp, 6> kAlarmLamps1{{{0, 7, kAlarm}, {1, 8, kAlarm}, {4, 9, kAlarm},
                                            {5, 10, kAlarm}, {6, 11, kAlarm}, {7, 12, kAlarm}}};
constexpr std::array<Lamp, 4> kAlarmLamps2{{{0, 13, kAlarm}, {1, 14, kAlarm}, {2, 15, kAlarm},
                                            {3, 16, kAlarm}}};
// Switch inputs (offset 24): bit 0 is "开关量4", bit 2 the door switch.
constexpr std::array<Lamp, 3> kSwitchLamps{{{0, 22, kAlarm}, {1, 21, kAlarm}, {2, 20, kAlarm}}};

std::string LampName(int box) { return "StatusBox" + std::to_string(box); }

bool Bit(std::uint8_t b, int bit) { return (b >> bit) & 1; }

std::string HalfStepText(std::uint8_t b) { return DecimalText((b - 80) / 2.0); }

}  // namespace

void MainForm::ShowRunData() {
  for (const Setting& s : kSettings) {
    const std::uint8_t b = Ring.At(s.offset);
    std::string text;
    switch (s.form) {
      case Form::Celsius40: text = WholeText(b - 40); break;
      case Form::Plain: text = WholeText(b); break;
      case Form::Word: text = WholeText(b * 256 + Ring.At(s.offset + 1)); break;
      case Form::Tenth: text = DecimalText(b / 10.0); break;
    }
    Main.SetText(s.field, text);
  }

  auto setLamps = [this](std::uint8_t bits, const auto& lamps) {
    for (const Lamp& l : lamps) Main.SetNumber(LampName(l.box), Bit(bits, l.bit) ? l.state : kOff);
  };
  setLamps(Ring.At(21), kWorkLamps);
  setLamps(Ring.At(22), kAlarmLamps1);
  const std::uint8_t alarms2 = Ring.At(23);
  setLamps(alarms2, kAlarmLamps2);
  // The fan alarms are raised by either alarm byte: offset 23 only ever turns them on.
  if (Bit(alarms2, 4)) Main.SetNumber(LampName(9), kAlarm);
  if (Bit(alarms2, 5)) Main.SetNumber(LampName(10), kAlarm);
  Main.SetNumber(LampName(17), Bit(alarms2, 6) ? kAlarm : kOff);
  setLamps(Ring.At(24), kSwitchLamps);

  for (auto [offset, field] : {std::pair{25, "Temp1_Text"}, std::pair{26, "Temp2_Text"}}) {
    const std::uint8_t b = Ring.At(offset);
    Main.SetText(field, b == kOpenCircuit ? "开路" : b == kShortCircuit ? "短路" : HalfStepText(b));
  }
  Main.SetText("ControlTemp_Text", HalfStepText(Ring.At(27)));
  Main.SetText("TECcurrent_Text", DecimalText(Ring.At(28) / 10.0));
  Main.SetText("DCvoltage_Text", DecimalText((Ring.At(29) * 256 + Ring.At(30)) / 10.0));

  const FanSpeedTexts fans = FanSpeed.Add(Ring.At(31), Ring.At(32), Ring.At(33), Ring.At(34));
  Main.SetText("IntFanSpeed_Text", fans.inner);
  Main.SetText("ExtFanSpeed_Text", fans.outer);

  ++CommCounter;
  Main.SetText("CommCtr_Text", WholeText(CommCounter));
}

}  // namespace kestrova
