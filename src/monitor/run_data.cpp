#include "monitor/run_data.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "panel/controls.h"
#include "settings/setting_pairs.h"
#include "values/number_text.h"
#include "values/tr.h"

namespace kestrova {

namespace {

using namespace main_window;

constexpr std::uint8_t kOpenCircuit = 254;
constexpr std::uint8_t kShortCircuit = 255;

// Offsets of the run-data response: work states, the two alarm bytes, the switch inputs.
constexpr int kWorkStates = 21, kAlarms1 = 22, kAlarms2 = 23, kSwitches = 24;

constexpr std::array<LampMeaning, kLampCount> kLamps{{
    {kInnerFanLamp, KTR_NOOP("Lamps", "内风机状态"), kWorkStates, 0, kLampWorking, 0, 0},
    {kOuterFanLamp, KTR_NOOP("Lamps", "外风机状态"), kWorkStates, 1, kLampWorking, 0, 0},
    {kCoolingLamp, KTR_NOOP("Lamps", "制冷状态"), kWorkStates, 2, kLampWorking, 0, 0},
    {kHeatingLamp, KTR_NOOP("Lamps", "制热状态"), kWorkStates, 3, kLampWorking, 0, 0},
    {kVentMotorLamp, KTR_NOOP("Lamps", "排氢电机"), kWorkStates, 4, kLampWorking, 0, 0},
    {kSelfTestLamp, KTR_NOOP("Lamps", "自检"), kWorkStates, 5, kLampSelfTest, 0, 0},
    {kGeneralAlarmLamp, KTR_NOOP("Lamps", "总告警"), kAlarms1, 0, kLampAlarm, 0, 0},
    {kSensorAlarmLamp, KTR_NOOP("Lamps", "温度传感器告警"), kAlarms1, 1, kLampAlarm, 0, 0},
    {kInnerFanAlarmLamp, KTR_NOOP("Lamps", "内风机告警"), kAlarms1, 4, kLampAlarm, kAlarms2, 4},
    {kOuterFanAlarmLamp, KTR_NOOP("Lamps", "外风机告警"), kAlarms1, 5, kLampAlarm, kAlarms2, 5},
    {kCurrentLowAlarmLamp, KTR_NOOP("Lamps", "电流低限告警"), kAlarms1, 6, kLampAlarm, 0, 0},
    {kCurrentHighAlarmLamp, KTR_NOOP("Lamps", "电流高限告警"), kAlarms1, 7, kLampAlarm, 0, 0},
    {kHighTempAlarmLamp, KTR_NOOP("Lamps", "高温告警"), kAlarms2, 0, kLampAlarm, 0, 0},
    {kLowTempAlarmLamp, KTR_NOOP("Lamps", "低温告警"), kAlarms2, 1, kLampAlarm, 0, 0},
    {kDcLowAlarmLamp, KTR_NOOP("Lamps", "直流低压告警"), kAlarms2, 2, kLampAlarm, 0, 0},
    {kDcHighAlarmLamp, KTR_NOOP("Lamps", "直流高压告警"), kAlarms2, 3, kLampAlarm, 0, 0},
    {kAcPowerLossLamp, KTR_NOOP("Lamps", "交流掉电告警"), kAlarms2, 6, kLampAlarm, 0, 0},
    // kSimTemperatureLamp and kSelfTestHiddenLamp stay hidden and are never written.
    {kSimTemperatureLamp, KTR_NOOP("Lamps", "模拟温度"), 0, 0, kLampOff, 0, 0},
    {kSelfTestHiddenLamp, KTR_NOOP("Lamps", "自检"), 0, 0, kLampOff, 0, 0},
    {kDoorLamp, KTR_NOOP("Lamps", "门禁"), kSwitches, 2, kLampAlarm, 0, 0},
    {kSwitchInput3Lamp, KTR_NOOP("Lamps", "开关量3"), kSwitches, 1, kLampAlarm, 0, 0},
    {kSwitchInput4Lamp, KTR_NOOP("Lamps", "开关量4"), kSwitches, 0, kLampAlarm, 0, 0},
}};

static_assert(kSettingPairs.size() == kReadBackCount);

bool Bit(std::uint8_t b, int bit) { return (b >> bit) & 1; }

// Half degrees from -40 °C.
double HalfSteps(std::uint8_t b) { return (b - 80) / 2.0; }

Sensor SensorOf(std::uint8_t b) { return b == kOpenCircuit ? Sensor::Open : b == kShortCircuit ? Sensor::Short : Sensor::Ok; }

std::string TemperatureText(Sensor sensor, double value) {
  return sensor == Sensor::Open ? Tr("RunData", "开路") : sensor == Sensor::Short ? Tr("RunData", "短路") : DecimalText(value);
}

}  // namespace

std::size_t LampIndex(const Control& lamp) {
  const auto& lamps = Lamps();
  const auto it = std::find_if(lamps.begin(), lamps.end(), [&lamp](const LampMeaning& m) { return m.box == lamp.name; });
  if (it == lamps.end()) std::abort();  // not a lamp: a mistake in a table, found at start-up
  return static_cast<std::size_t>(it - lamps.begin());
}

const std::array<LampMeaning, kLampCount>& Lamps() { return kLamps; }

std::string LampStateText(int state) {
  switch (state) {
    case kLampWorking: return Tr("RunData", "工作");
    case kLampAlarm: return Tr("RunData", "告警");
    case kLampSelfTest: return Tr("RunData", "自检");
    default: return Tr("RunData", "灭");
  }
}

RunDataValues DecodeRunData(const ReceiveRing& frame) {
  RunDataValues v;
  for (std::size_t i = 0; i < kLampCount; ++i) {
    const LampMeaning& lamp = kLamps[i];
    if (!lamp.Shown()) continue;
    const bool set = Bit(frame.At(lamp.offset), lamp.bit) || (lamp.alsoOffset != 0 && Bit(frame.At(lamp.alsoOffset), lamp.alsoBit));
    v.lamps[i] = set ? lamp.lit : kLampOff;
  }

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

RunDataReadout ReadRunData(const ReceiveRing& frame, RunDataCounters& counters) {
  RunDataReadout r;
  for (std::size_t i = 0; i < kSettingPairs.size(); ++i) {
    const SettingPair& pair = kSettingPairs[i];
    r.readBacks[i] = ReadBackText(pair, frame.At(RunDataOffset(pair)), frame.At(RunDataOffset(pair) + 1));
  }
  r.values = DecodeRunData(frame);
  const RunDataValues& v = r.values;
  r.innerTemp = TemperatureText(v.innerSensor, v.innerTemp);
  r.outerTemp = TemperatureText(v.outerSensor, v.outerTemp);
  r.controlTemp = DecimalText(v.controlTemp);
  r.current = DecimalText(v.moduleCurrent);
  r.voltage = DecimalText(v.dcVoltage);
  FanSpeedTexts fans = counters.fanSpeed.Add(frame.At(31), frame.At(32), frame.At(33), frame.At(34));
  r.innerFan = std::move(fans.inner);
  r.outerFan = std::move(fans.outer);
  ++counters.commCounter;
  r.counter = WholeText(counters.commCounter);
  return r;
}

void ShowReadout(const RunDataReadout& r, Panel& main) {
  for (std::size_t i = 0; i < kSettingPairs.size(); ++i) main.SetText(kSettingPairs[i].readBack, r.readBacks[i]);
  for (std::size_t i = 0; i < kLampCount; ++i)
    if (kLamps[i].Shown()) main.SetNumber(kLamps[i].box, r.values.lamps[i]);
  main.SetText(kInnerTemperature, r.innerTemp);
  main.SetText(kOuterTemperature, r.outerTemp);
  main.SetText(kControlTemperature, r.controlTemp);
  main.SetText(kLiveCurrent, r.current);
  main.SetText(kSupplyVoltage, r.voltage);
  main.SetText(kInnerFanSpeed, r.innerFan);
  main.SetText(kOuterFanSpeed, r.outerFan);
  main.SetText(kCommCounter, r.counter);
}

void ShowRunData(const ReceiveRing& frame, Panel& main, RunDataCounters& counters) {
  counters.Shown = ReadRunData(frame, counters);
  ShowReadout(counters.Shown, main);
}

}  // namespace kestrova
