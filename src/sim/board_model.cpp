#include "sim/board_model.h"

#include <algorithm>
#include <cmath>

namespace kestrova::sim {
namespace {

constexpr double kModuleRate = 0.15;  // degrees per second the module moves the inner air
constexpr double kLeak = 0.01;        // share of the inner/outer difference leaking in per second
constexpr double kNominalCurrent = 3.1;
constexpr double kNominalVoltage = 53.5;
constexpr double kExhaustRun = 10;    // seconds the exhaust motor runs at the end of each interval

std::uint8_t HalfDegrees(double t, int highest) {
  return static_cast<std::uint8_t>(std::clamp<long>(std::lround(t * 2 + 80), 0, highest));
}

}  // namespace

double ClimateModel::ControlTemperature(std::optional<std::uint8_t> simulated) const {
  return simulated ? (*simulated - 80) / 2.0 : inner_;
}

void ClimateModel::Advance(double seconds, const Parameters& p,
                           std::optional<std::uint8_t> simulated) {
  seconds = std::clamp(seconds, 0.0, 600.0);
  while (seconds > 0) {
    const double dt = std::min(seconds, 0.5);
    Step(dt, p, simulated);
    seconds -= dt;
  }
}

void ClimateModel::Step(double dt, const Parameters& p, std::optional<std::uint8_t> simulated) {
  time_ += dt;
  outer_ = 30 + 2 * std::sin(time_ / 600);
  // Two-point thermostat on the control temperature; cooling wins if the settings overlap.
  const double t = ControlTemperature(simulated);
  if (!cooling_ && t >= p.Temperature(0)) cooling_ = true;
  if (cooling_ && t <= p.Temperature(1)) cooling_ = false;
  if (!heating_ && t <= p.Temperature(2)) heating_ = true;
  if (heating_ && t >= p.Temperature(3)) heating_ = false;
  if (cooling_) heating_ = false;
  const double drive = cooling_ ? -kModuleRate : heating_ ? kModuleRate : 0;
  inner_ += dt * (drive + kLeak * (outer_ - inner_));
  inner_ = std::clamp(inner_, -40.0, 86.0);
}

double ClimateModel::Jitter(double spread) {
  return std::uniform_real_distribution<double>(-spread, spread)(random_);
}

Measurements ClimateModel::Measure(const Parameters& p, std::optional<std::uint8_t> simulated) {
  Measurements m;
  const bool module = cooling_ || heating_;
  const int interval = p.bytes[27] * 60;
  const bool exhaust = interval > 0 && std::fmod(time_, interval) >= interval - kExhaustRun;
  m.workState = static_cast<std::uint8_t>(1 | (module ? 2 : 0) | (cooling_ ? 4 : 0) |
                                           (heating_ ? 8 : 0) | (exhaust ? 16 : 0));

  const double current = module ? kNominalCurrent + Jitter(0.1) : 0;
  const double t = ControlTemperature(simulated);
  if (module && current < p.Current(14)) m.alarms1 |= 0x40;
  if (module && current > p.Current(15)) m.alarms1 |= 0x80;
  if (t > p.Temperature(12)) m.alarms2 |= 0x01;
  if (t < p.Temperature(13)) m.alarms2 |= 0x02;
  if (m.alarms1 != 0 || m.alarms2 != 0) m.alarms1 |= 0x01;

  m.inner = simulated ? *simulated : HalfDegrees(inner_ + Jitter(0.25), 253);
  m.outer = HalfDegrees(outer_ + Jitter(0.25), 253);
  m.control = HalfDegrees(t, 255);
  m.current = static_cast<std::uint8_t>(std::clamp<long>(std::lround(current * 10), 0, 255));
  m.voltage = static_cast<int>(std::lround((kNominalVoltage + Jitter(0.2)) * 10));
  const auto near = [&](int speed) {
    return std::clamp(static_cast<int>(std::lround(speed * (1 + Jitter(0.01)))), 0, 65535);
  };
  m.innerFan = near(module ? p.Word(7) : p.Word(5));
  m.outerFan = module ? near(p.Word(10)) : 0;
  return m;
}

}  // namespace kestrova::sim
