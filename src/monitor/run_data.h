#pragma once
// The run-data response: the board's operating settings, work-state and alarm bits,
// measurements and fan speeds, written to the read-back fields and lamps of the main window.
#include <array>
#include <cstdint>
#include <string_view>

#include "monitor/fan_speed.h"
#include "panel/panel.h"
#include "protocol/receive_ring.h"

namespace kestrova {

// Lamp states.
inline constexpr int kLampOff = 0;
inline constexpr int kLampWorking = 1;
inline constexpr int kLampAlarm = 2;
inline constexpr int kLampSelfTest = 3;

// What the run data adds up over the run.
struct RunDataCounters {
  std::int64_t commCounter = 0;  // decoded run-data responses since start; never wraps
  FanSpeedAverage fanSpeed;
};

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
  // State of the 22 lamps (index 0 is kInnerFanLamp); the two hidden ones are never lit.
  std::array<int, 22> lamps{};
};

// The numbers of the 36-byte run-data response at the ring's read index.
RunDataValues DecodeRunData(const ReceiveRing& frame);

// The 22 lamps of the main window in StatusBox order.
const std::array<std::string_view, 22>& LampNames();

// Decodes the 36-byte run-data response at the ring's read index into the main window: the
// thirteen read-back settings, the 20 visible lamps, the temperatures, module current and DC
// voltage, the averaged fan speeds and the communication counter. The ring is not moved.
void ShowRunData(const ReceiveRing& frame, Panel& main, RunDataCounters& counters);

}  // namespace kestrova
