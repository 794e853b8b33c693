#pragma once
// The run-data response: the board's operating settings, work-state and alarm bits,
// measurements and fan speeds, written to the read-back fields and lamps of the main window.
#include <cstdint>

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
  std::int64_t CommCounter = 0;  // decoded run-data responses since start; never wraps
  FanSpeedAverage FanSpeed;
};

// Decodes the 36-byte run-data response at the ring's read index into the main window: the
// thirteen read-back settings, the 20 visible lamps, the temperatures, module current and DC
// voltage, the averaged fan speeds and the communication counter. The ring is not moved.
void ShowRunData(const ReceiveRing& frame, Panel& main, RunDataCounters& counters);

}  // namespace kestrova
