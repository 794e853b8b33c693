#pragma once
// The board's parameters and a small live model of the cabinet it controls.
#include <array>
#include <cstdint>
#include <optional>
#include <random>

namespace kestrova::sim {

// The board's parameter positions, in the encodings they travel in: 0..15 the operating
// settings (temperatures + 40, currents in tenths of an ampere, fan speeds 16-bit high byte
// first at 5-6, 7-8 and 10-11), 16..27 the factory settings as raw bytes.
struct Parameters {
  static constexpr int kCount = 28;
  std::array<std::uint8_t, kCount> bytes{
      // cooling start 25, stop 20, heating start -10, stop -5 (degrees + 40)
      65, 60, 30, 35,
      // inner fan: 2 pulses per revolution, low speed 1500, high speed 3000
      2, 0x05, 0xDC, 0x0B, 0xB8,
      // outer fan: 2 pulses per revolution, high speed 3000
      2, 0x0B, 0xB8,
      // alarm limits 45 and -10 (degrees + 40); module current limits 0.5 and 8.0 A (tenths)
      85, 30, 5, 80,
      // factory: DC low 180 hysteresis 5, DC high 220 hysteresis 5, version "A2"
      180, 5, 220, 5, 'A', '2',
      // calibrations 100 each, cooling-only 1, hydrogen-exhaust interval 10 minutes
      100, 100, 100, 100, 1, 10};

  double Temperature(int code) const { return bytes[code] - 40.0; }
  double Current(int code) const { return bytes[code] / 10.0; }
  int Word(int code) const { return bytes[code] * 256 + bytes[code + 1]; }
};

// Live measurements in the encodings of run-data bytes 21..34.
struct Measurements {
  std::uint8_t workState = 0;   // bit 0 inner fan, 1 outer fan, 2 cooling, 3 heating, 4 exhaust
  std::uint8_t alarms1 = 0;      // bit 0 any alarm, 6 module current low, 7 module current high
  std::uint8_t alarms2 = 0;      // bit 0 high temperature, 1 low temperature
  std::uint8_t inputs = 0;       // door and switch inputs: all quiet
  std::uint8_t inner = 0;        // (b - 80) / 2 degrees
  std::uint8_t outer = 0;
  std::uint8_t control = 0;
  std::uint8_t current = 0;      // tenths of an ampere
  int voltage = 0;               // tenths of a volt
  int innerFan = 0;             // revolutions per minute
  int outerFan = 0;
};

class ClimateModel {
 public:
  explicit ClimateModel(std::mt19937& random) : random_(random) {}

  // Lets seconds of time pass under the given settings. simulated, when set, is the byte of a
  // simulated temperature written to the board: it takes the place of the measured inner
  // temperature, for the thermostat as well as in the run data.
  void Advance(double seconds, const Parameters& p, std::optional<std::uint8_t> simulated);
  // The present measurements, with the small jitter a real sensor shows.
  Measurements Measure(const Parameters& p, std::optional<std::uint8_t> simulated);

 private:
  double ControlTemperature(std::optional<std::uint8_t> simulated) const;
  void Step(double dt, const Parameters& p, std::optional<std::uint8_t> simulated);
  double Jitter(double spread);

  std::mt19937& random_;
  double time_ = 0;      // seconds since start
  double inner_ = 24;    // degrees
  double outer_ = 30;
  bool cooling_ = false;
  bool heating_ = false;
};

}  // namespace kestrova::sim
