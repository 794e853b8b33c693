#pragma once
// The run-data response: the board's operating settings, work-state and alarm bits,
// measurements and fan speeds, written to the read-back fields and lamps of the main window.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "monitor/fan_speed.h"
#include "panel/controls.h"
#include "panel/panel.h"
#include "protocol/receive_ring.h"
#include "values/tr.h"

namespace kestrova {

// Lamp states.
inline constexpr int kLampOff = 0;
inline constexpr int kLampWorking = 1;
inline constexpr int kLampAlarm = 2;
inline constexpr int kLampSelfTest = 3;

// "灭", "工作", "告警", "自检" (any other number reads as off).
std::string LampStateText(int state);

// One lamp of the main window: which bit of the run-data response lights it, in what state,
// and the caption beside it. A second bit may light it too (the fan alarms are raised by
// either alarm byte). A lamp with no bit is never lit and never shown.
struct LampMeaning {
  std::string_view box;      // StatusBoxN
  std::string_view caption;  // beside the lamp (the source text; Caption() is the one shown)
  std::string Caption() const { return Tr("Lamps", std::string(caption).c_str()); }
  int offset, bit;           // byte of the response (0: no bit) and bit in it
  int lit;                   // the state while the bit is set; off while it is clear
  int alsoOffset, alsoBit;   // another bit that lights it (offset 0: none)
  constexpr bool Shown() const { return offset != 0; }
};

inline constexpr std::size_t kLampCount = 22;
// The lamps in StatusBox order (kInnerFanLamp first).
const std::array<LampMeaning, kLampCount>& Lamps();
// The lamp's place in Lamps() and in RunDataValues::lamps.
std::size_t LampIndex(const Control& lamp);

// A temperature sensor's reading: a value, or the open or short circuit the board reports.
enum class Sensor { Ok, Open, Short };

// The measurements and states of one run-data response, as numbers (what the display, the
// trend plots, the event log and the recording are made from).
struct RunDataValues {
  Sensor innerSensor = Sensor::Ok, outerSensor = Sensor::Ok;
  double innerTemp = 0, outerTemp = 0;  // °C, meaningful when the sensor is Ok
  double controlTemp = 0;               // °C
  double moduleCurrent = 0;             // A
  double dcVoltage = 0;                 // V
  int innerFanSpeed = 0, outerFanSpeed = 0;  // r/min as reported (the window shows averages)
  // The state of each lamp, in the order of Lamps().
  std::array<int, kLampCount> lamps{};
};

// The numbers of the 36-byte run-data response at the ring's read index.
RunDataValues DecodeRunData(const ReceiveRing& frame);

inline constexpr std::size_t kReadBackCount = 13;

// What one run-data response puts in the main window: its numbers, and every text as the
// window shows it. The recording and the window are both written from it.
struct RunDataReadout {
  RunDataValues values;
  std::array<std::string, kReadBackCount> readBacks;  // in the order of kSettingPairs
  std::string innerTemp, outerTemp, controlTemp;      // kInnerTemperature, kOuterTemperature, kControlTemperature
  std::string current, voltage;                       // kLiveCurrent, kSupplyVoltage
  std::string innerFan, outerFan;                     // averaged: kInnerFanSpeed, kOuterFanSpeed
  std::string counter;                                // kCommCounter
};

// What the run data adds up over the run, and what it showed last.
struct RunDataCounters {
  std::int64_t commCounter = 0;  // decoded run-data responses since start; never wraps
  FanSpeedAverage fanSpeed;
  RunDataReadout Shown;          // the last response written to the window
};

// The readout of the 36-byte run-data response at the ring's read index; counts it and adds
// its fan speeds to the averages. The ring is not moved.
RunDataReadout ReadRunData(const ReceiveRing& frame, RunDataCounters& counters);

// Writes a readout into the main window: the thirteen read-back settings, the 20 visible
// lamps, the temperatures, module current and DC voltage, the averaged fan speeds and the
// communication counter.
void ShowReadout(const RunDataReadout& readout, Panel& main);

// Reads the response (ReadRunData), keeps it as counters.Shown and writes it to the window.
void ShowRunData(const ReceiveRing& frame, Panel& main, RunDataCounters& counters);

}  // namespace kestrova
