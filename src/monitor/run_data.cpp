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
  int box;    // StatusBoxN
  int state;  // when the bit is set; off when clear
};

// Work states (offset 21) and the alarms of offset 22 and of offset 23 bits 0..3.
constexpr std::array<LampBit, 6> kWorkLamps{{{0, 1, kLampWorking}, {1, 2, kLampWorking}, {2, 3, kLampWorking},
                                             {3, 4, kLampWorking}, {4, 5, kLampWorking}, {5, 6, kLampSelfTest}}};
constexpr std::array<LampBit, 6> kAlarmLamps1{{{0, 7, kLampAlarm}, {1, 8, kLampAlarm}, {4, 9, kLampAlarm},
                                               {5, 10, kLampAlarm}, {6, 11, kLampAlarm}, {7, 12, kLampAlarm}}};
constexpr std::array<LampBit, 4> kAlarmLamps2{{{0, 13, kLampAlarm}, {1, 14, kLampAlarm}, {2, 15, kLampAlarm},
                                               {3, 16, kLampAlarm}}};
// Switch inputs (offset 24): bit 0 is "开关量4", bit 2 the door switch.
constexpr std::array<LampBit, 3> kSwitchLamps{{{0, 22, kLampAlarm}, {1, 21, kLampAlarm}, {2, 20, kLampAlarm}}};
// kSimTemperatureLamp and kSelfTestHiddenLamp stay hidden and are never written.
constexpr int kHiddenLamps[] = {18, 19};

bool Bit(std::uint8_t b, int bit) { return (b >> bit) & 1; }

template <std::size_t N>
void SetLamps(std::array<int, 22>& lamps, std::uint8_t bits, const std::array<LampBit, N>& table) {
  for (const LampBit& l : table) lamps[static_cast<std::size_t>(l.box - 1)] = Bit(bits, l.bit) ? l.state : kLampOff;
}

// Half degrees from -40 °C.
double HalfSteps(std::uint8_t b) { return (b - 80) / 2.0; }

Sensor SensorOf(std::uint8_t b) { return b == kOpenCircuit ? Sensor::Open : b == kShortCircuit ? Sensor::Short : Sensor::Ok; }

std::string TemperatureText(Sensor sensor, double value) {
  return sensor == Sensor::Open ? "开路" : sensor == Sensor::Short ? "短路" : DecimalText(value);
}

}  // namespace

const std::array<std::string_view, 22>& LampNames() {
  static const std::array<std::string_view, 22> names{
      kInnerFanLamp,  kOuterFanLamp,  kCoolingLamp,  kHeatingLamp,  kVentMotorLamp,  kSelfTestLamp,  kGeneralAlarmLamp,  kSensorAlarmLamp,
      kInnerFanAlarmLamp,  kOuterFanAlarmLamp, kCurrentLowAlarmLamp, kCurrentHighAlarmLamp, kHighTempAlarmLamp, kLowTempAlarmLamp, kDcLowAlarmLamp, kDcHighAlarmLamp,
      kAcPowerLossLamp, kSimTemperatureLamp, kSelfTestHiddenLamp, kDoorLamp, kSwitchInput3Lamp, kSwitchInput4Lamp};
  return names;
}

RunDataValues DecodeRunData(const ReceiveRing& frame) {
  RunDataValues v;
  SetLamps(v.lamps, frame.At(21), kWorkLamps);
  SetLamps(v.lamps, frame.At(22), kAlarmLamps1);
  const std::uint8_t alarms2 = frame.At(23);
  SetLamps(v.lamps, alarms2, kAlarmLamps2);
  // The fan alarms are raised by either alarm byte: offset 23 only ever turns them on.
  if (Bit(alarms2, 4)) v.lamps[8] = kLampAlarm;
  if (Bit(alarms2, 5)) v.lamps[9] = kLampAlarm;
  v.lamps[16] = Bit(alarms2, 6) ? kLampAlarm : kLampOff;
  SetLamps(v.lamps, frame.At(24), kSwitchLamps);

  v.innerSensor = SensorOf(frame.At(25));
  v.outerSensor = SensorOf(frame.At(26));
  v.innerTemp = HalfSteps(frame.At(25));
  v.outerTemp = HalfSteps(frame.At(26));
  v.controlTemp = HalfSteps(frame.At(27));
  v.moduleCurrent = frame.At(28) / 10.0;
  v.dcVoltage = (frame.At(29) * 256 + frame.At(30)) / 10.0;
  v.innerFanSpeed = frame.At(31) * 256 + frame.At(32);
  v.outerFanSpeed = frame.At(33) * 256 + frame.At(34);
  return v;
}

void ShowRunData(const ReceiveRing& frame, Panel& main, RunDataCounters& counters) {
  for (const SettingPair& pair : kSettingPairs)
    main.SetText(pair.readBack, ReadBackText(pair, frame.At(RunDataOffset(pair)), frame.At(RunDataOffset(pair) + 1)));

  const RunDataValues v = DecodeRunData(frame);
  for (std::size_t i = 0; i < v.lamps.size(); ++i) {
    const int box = static_cast<int>(i) + 1;
    if (box != kHiddenLamps[0] && box != kHiddenLamps[1]) main.SetNumber(LampNames()[i], v.lamps[i]);
  }
  main.SetText(kInnerTemperature, TemperatureText(v.innerSensor, v.innerTemp));
  main.SetText(kOuterTemperature, TemperatureText(v.outerSensor, v.outerTemp));
  main.SetText(kControlTemperature, DecimalText(v.controlTemp));
  main.SetText(kLiveCurrent, DecimalText(v.moduleCurrent));
  main.SetText(kSupplyVoltage, DecimalText(v.dcVoltage));

  const FanSpeedTexts fans = counters.fanSpeed.Add(frame.At(31), frame.At(32), frame.At(33), frame.At(34));
  main.SetText(kInnerFanSpeed, fans.inner);
  main.SetText(kOuterFanSpeed, fans.outer);

  ++counters.commCounter;
  main.SetText(kCommCounter, WholeText(counters.commCounter));
}

}  // namespace kestrova
