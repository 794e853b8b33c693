#include "monitor/run_data.h"

#include <array>
#include <string>

#include "panel/controls.h"
#include "settings/setting_pairs.h"
#include "values/number_text.h"

namespace kestrova {

namespace {

using namespace main_window;

constexpr std::uint8_t kOpenCircuit = 254;
constexpr std::uint8_t kShortCircuit = 255;

struct LampBit {
  int bit;
  const Control& lamp;
  int state;  // when the bit is set; off when clear
};

// Work states (offset 21) and the alarms of offset 22 and of offset 23 bits 0..3.
const std::array<LampBit, 6> kWorkLamps{{{0, StatusBox1, kLampWorking}, {1, StatusBox2, kLampWorking},
                                         {2, StatusBox3, kLampWorking}, {3, StatusBox4, kLampWorking},
                                         {4, StatusBox5, kLampWorking}, {5, StatusBox6, kLampSelfTest}}};
const std::array<LampBit, 6> kAlarmLamps1{{{0, StatusBox7, kLampAlarm}, {1, StatusBox8, kLampAlarm},
                                           {4, StatusBox9, kLampAlarm}, {5, StatusBox10, kLampAlarm},
                                           {6, StatusBox11, kLampAlarm}, {7, StatusBox12, kLampAlarm}}};
const std::array<LampBit, 4> kAlarmLamps2{{{0, StatusBox13, kLampAlarm}, {1, StatusBox14, kLampAlarm},
                                           {2, StatusBox15, kLampAlarm}, {3, StatusBox16, kLampAlarm}}};
// Switch inputs (offset 24): bit 0 is "开关量4", bit 2 the door switch.
const std::array<LampBit, 3> kSwitchLamps{{{0, StatusBox22, kLampAlarm}, {1, StatusBox21, kLampAlarm},
                                           {2, StatusBox20, kLampAlarm}}};

bool Bit(std::uint8_t b, int bit) { return (b >> bit) & 1; }

template <std::size_t N>
void SetLamps(Panel& main, std::uint8_t bits, const std::array<LampBit, N>& lamps) {
  for (const LampBit& l : lamps) main.SetNumber(l.lamp, Bit(bits, l.bit) ? l.state : kLampOff);
}

// Half degrees from -40 °C.
std::string HalfStepText(std::uint8_t b) { return DecimalText((b - 80) / 2.0); }

}  // namespace

void ShowRunData(const ReceiveRing& frame, Panel& main, RunDataCounters& counters) {
  for (const SettingPair& pair : kSettingPairs)
    main.SetText(pair.readBack, ReadBackText(pair, frame.At(RunDataOffset(pair)), frame.At(RunDataOffset(pair) + 1)));

  SetLamps(main, frame.At(21), kWorkLamps);
  SetLamps(main, frame.At(22), kAlarmLamps1);
  const std::uint8_t alarms2 = frame.At(23);
  SetLamps(main, alarms2, kAlarmLamps2);
  // The fan alarms are raised by either alarm byte: offset 23 only ever turns them on.
  if (Bit(alarms2, 4)) main.SetNumber(StatusBox9, kLampAlarm);
  if (Bit(alarms2, 5)) main.SetNumber(StatusBox10, kLampAlarm);
  main.SetNumber(StatusBox17, Bit(alarms2, 6) ? kLampAlarm : kLampOff);
  SetLamps(main, frame.At(24), kSwitchLamps);

  for (auto [offset, field] : {std::pair{25, Temp1_Text}, std::pair{26, Temp2_Text}}) {
    const std::uint8_t b = frame.At(offset);
    main.SetText(field, b == kOpenCircuit ? "开路" : b == kShortCircuit ? "短路" : HalfStepText(b));
  }
  main.SetText(ControlTemp_Text, HalfStepText(frame.At(27)));
  main.SetText(TECcurrent_Text, DecimalText(frame.At(28) / 10.0));
  main.SetText(DCvoltage_Text, DecimalText((frame.At(29) * 256 + frame.At(30)) / 10.0));

  const FanSpeedTexts fans = counters.FanSpeed.Add(frame.At(31), frame.At(32), frame.At(33), frame.At(34));
  main.SetText(IntFanSpeed_Text, fans.inner);
  main.SetText(ExtFanSpeed_Text, fans.outer);

  ++counters.CommCounter;
  main.SetText(CommCtr_Text, WholeText(counters.CommCounter));
}

}  // namespace kestrova
