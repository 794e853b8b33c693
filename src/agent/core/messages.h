#pragma once
// What the agent publishes for a board, in the broker's terms: the topics under
// kestrova/<site>, the state, info and write-result JSON, and the Home Assistant discovery
// configs. The keys of the settings follow the console's one table of operating settings.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/run_data.h"
#include "settings/setting_pairs.h"

namespace kestrova::agent {

// One run-data answer in numbers: the measurements and lamps, and the thirteen read-back
// settings in the order of kSettingPairs.
struct BoardState {
  RunDataValues values;
  std::array<double, kSettingPairs.size()> settings{};
};

struct BoardInfo {
  std::string model, software;
  std::string text;  // the board's whole text, the terminator included
};

// A parameter write judged by the read-back of the next run data.
struct WriteResult {
  std::string setting;               // the setting's key
  std::optional<double> sent;        // the number asked for, when it was one
  std::optional<double> readBack;    // the setting in the next run data, when there was one
  bool ok = false;
  std::string reason;                // empty when ok
};

// Reasons of a refused or failed write, as published.
inline constexpr std::string_view kOutOfRange = "out of range";
inline constexpr std::string_view kNotANumber = "not a number";
inline constexpr std::string_view kUnknownSetting = "unknown setting";
inline constexpr std::string_view kBoardOffline = "board offline";
inline constexpr std::string_view kNotTaken = "not taken by the board";

// The keys of the settings, in the order of kSettingPairs.
const std::array<std::string_view, kSettingPairs.size()>& SettingKeys();
// The index in kSettingPairs of the setting with this key, or nullopt.
std::optional<std::size_t> SettingIndex(std::string_view key);

// A measurement of the run data: its key in the state, how it is shown to Home Assistant and
// to Prometheus.
struct Measurement {
  std::string_view key;          // "inner_temp_c"
  std::string_view name;         // "Inner temperature"
  std::string_view deviceClass;  // "temperature", "" for none
  std::string_view unit;         // "°C"
  std::string_view metric;       // "kestrova_inner_temperature_celsius"
};
const std::array<Measurement, 7>& Measurements();
// The measurement's value in a state, nullopt when its sensor reads open or short.
std::optional<double> MeasurementValue(const BoardState& state, std::size_t index);

// A lamp of the main window: its key under "states" or "alarms" of the state JSON.
struct LampKey {
  std::size_t lamp;        // index in RunDataValues::lamps: LampIndex(kDoorLamp)
  std::string_view key;    // "cooling", "high_temp_alarm"
  std::string_view name;   // "Cooling", "High temperature alarm"
  bool alarm;              // under "alarms" (binary sensors of class problem), else "states"
};
const std::vector<LampKey>& LampKeys();

// The board's run data in numbers: settings from their bytes by the table, the rest decoded as
// the console decodes it. The frame is a whole, checksum-good 36-byte run-data answer.
BoardState StateFromRunData(const Frame& frame);
// The board's text from a whole board-information answer, split as the console splits it.
BoardInfo InfoFromAnswer(const Frame& frame);

// Topics.
class Topics {
 public:
  explicit Topics(std::string_view site) : prefix_("kestrova/" + std::string(site)) {}
  const std::string& Prefix() const { return prefix_; }
  std::string AgentStatus() const { return prefix_ + "/agent/status"; }
  std::string Board(int address, std::string_view leaf) const;
  std::string SetFilter() const { return prefix_ + "/board/+/set/+"; }
  // Address and setting key of a set topic of this site, nullopt for any other topic.
  struct SetTarget {
    int address;
    std::string key;
  };
  std::optional<SetTarget> ParseSet(std::string_view topic) const;

 private:
  std::string prefix_;
};

// "2026-12-08T16:40:01.123+01:00".
std::string IsoTime(std::int64_t epochMs, int utcOffsetSeconds);

std::string StateJson(const BoardState& state, std::string_view isoTime);
std::string InfoJson(int address, const BoardInfo& info);
std::string ResultJson(const WriteResult& result);

struct Message {
  std::string topic, payload;
  bool retain = false;
};

// The agent's retained "offline", left with the broker as the connection's last will.
inline Message LastWill(const Topics& topics) { return {topics.AgentStatus(), "offline", true}; }

// The retained discovery configs of one board: a sensor per measurement, a binary sensor per
// alarm and state lamp, a number per setting.
std::vector<Message> DiscoveryMessages(const Topics& topics, std::string_view site, std::string_view prefix,
                                       int address, const BoardInfo& info, int intervalSeconds);

}  // namespace kestrova::agent
