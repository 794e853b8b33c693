#include "agent/core/messages.h"

#include <cmath>
#include <ctime>

#include "agent/core/json.h"
#include "monitor/board_info_text.h"
#include "panel/controls.h"
#include "protocol/char_codes.h"
#include "protocol/receive_ring.h"

namespace kestrova::agent {
namespace {

ReceiveRing RingOf(const Frame& frame) {
  ReceiveRing ring;
  ring.Store(frame);
  return ring;
}

std::string_view SensorFault(Sensor sensor) { return sensor == Sensor::Open ? "open" : "short"; }

}  // namespace

const std::array<std::string_view, kSettingPairs.size()>& SettingKeys() {
  static const std::array<std::string_view, kSettingPairs.size()> keys{
      "cooling_start_c",   "cooling_stop_c",    "heating_start_c",    "heating_stop_c",
      "current_low_limit_a", "current_high_limit_a", "inner_fan_pulses", "inner_fan_low_rpm",
      "inner_fan_high_rpm", "outer_fan_pulses", "outer_fan_high_rpm", "high_temp_alarm_c",
      "low_temp_alarm_c"};
  return keys;
}

std::optional<std::size_t> SettingIndex(std::string_view key) {
  for (std::size_t i = 0; i < SettingKeys().size(); ++i)
    if (SettingKeys()[i] == key) return i;
  return std::nullopt;
}

const std::array<Measurement, 7>& Measurements() {
  static const std::array<Measurement, 7> table{{
      {"inner_temp_c", "Inner temperature", "temperature", "°C", "kestrova_inner_temperature_celsius"},
      {"outer_temp_c", "Outer temperature", "temperature", "°C", "kestrova_outer_temperature_celsius"},
      {"control_temp_c", "Control temperature", "temperature", "°C", "kestrova_control_temperature_celsius"},
      {"module_current_a", "Module current", "current", "A", "kestrova_module_current_amperes"},
      {"dc_voltage_v", "DC voltage", "voltage", "V", "kestrova_dc_voltage_volts"},
      {"inner_fan_rpm", "Inner fan speed", "", "rpm", "kestrova_inner_fan_speed_rpm"},
      {"outer_fan_rpm", "Outer fan speed", "", "rpm", "kestrova_outer_fan_speed_rpm"},
  }};
  return table;
}

std::optional<double> MeasurementValue(const BoardState& state, std::size_t index) {
  const RunDataValues& v = state.values;
  switch (index) {
    case 0: return v.innerSensor == Sensor::Ok ? std::optional(v.innerTemp) : std::nullopt;
    case 1: return v.outerSensor == Sensor::Ok ? std::optional(v.outerTemp) : std::nullopt;
    case 2: return v.controlTemp;
    case 3: return v.moduleCurrent;
    case 4: return v.dcVoltage;
    case 5: return v.innerFanSpeed;
    default: return v.outerFanSpeed;
  }
}

// The twenty lamps the main window shows (kSimTemperatureLamp and kSelfTestHiddenLamp are never lit and left out).
const std::vector<LampKey>& LampKeys() {
  using namespace main_window;
  static const std::vector<LampKey> keys{
      {LampIndex(kInnerFanLamp), "inner_fan", "Inner fan running", false},
      {LampIndex(kOuterFanLamp), "outer_fan", "Outer fan running", false},
      {LampIndex(kCoolingLamp), "cooling", "Cooling", false},
      {LampIndex(kHeatingLamp), "heating", "Heating", false},
      {LampIndex(kVentMotorLamp), "hydrogen_vent_motor", "Hydrogen vent motor", false},
      {LampIndex(kSelfTestLamp), "self_test", "Self-test", false},
      {LampIndex(kGeneralAlarmLamp), "general_alarm", "General alarm", true},
      {LampIndex(kSensorAlarmLamp), "temp_sensor_alarm", "Temperature sensor alarm", true},
      {LampIndex(kInnerFanAlarmLamp), "inner_fan_alarm", "Inner fan alarm", true},
      {LampIndex(kOuterFanAlarmLamp), "outer_fan_alarm", "Outer fan alarm", true},
      {LampIndex(kCurrentLowAlarmLamp), "current_low_alarm", "Module current low alarm", true},
      {LampIndex(kCurrentHighAlarmLamp), "current_high_alarm", "Module current high alarm", true},
      {LampIndex(kHighTempAlarmLamp), "high_temp_alarm", "High temperature alarm", true},
      {LampIndex(kLowTempAlarmLamp), "low_temp_alarm", "Low temperature alarm", true},
      {LampIndex(kDcLowAlarmLamp), "dc_low_voltage_alarm", "DC low voltage alarm", true},
      {LampIndex(kDcHighAlarmLamp), "dc_high_voltage_alarm", "DC high voltage alarm", true},
      {LampIndex(kAcPowerLossLamp), "ac_power_loss_alarm", "AC power loss alarm", true},
      {LampIndex(kDoorLamp), "door_alarm", "Door", true},
      {LampIndex(kSwitchInput3Lamp), "switch_input_3_alarm", "Switch input 3", true},
      {LampIndex(kSwitchInput4Lamp), "switch_input_4_alarm", "Switch input 4", true},
  };
  return keys;
}

BoardState StateFromRunData(const Frame& frame) {
  BoardState state;
  const ReceiveRing ring = RingOf(frame);
  state.values = DecodeRunData(ring);
  for (std::size_t i = 0; i < kSettingPairs.size(); ++i) {
    const SettingPair& pair = kSettingPairs[i];
    const int at = RunDataOffset(pair);
    const int wire = pair.width == 2 ? ring.At(at) * 256 + ring.At(at + 1) : ring.At(at);
    state.settings[i] = (wire - pair.offset) / pair.scale;
  }
  return state;
}

BoardInfo InfoFromAnswer(const Frame& frame) {
  const int length = frame.size() > 5 ? frame[4] : 0;
  const std::span<const std::uint8_t> bytes(frame.data() + 5, std::min<std::size_t>(length, frame.size() - 6));
  BoardInfo info;
  info.text = BytesToText(bytes);
  const BoardInfoFields fields = SplitBoardInfo(info.text);
  info.model = fields.model;
  info.software = fields.software;
  return info;
}

std::string Topics::Board(int address, std::string_view leaf) const {
  return prefix_ + "/board/" + std::to_string(address) + "/" + std::string(leaf);
}

std::optional<Topics::SetTarget> Topics::ParseSet(std::string_view topic) const {
  const std::string head = prefix_ + "/board/";
  if (!topic.starts_with(head)) return std::nullopt;
  topic.remove_prefix(head.size());
  const auto slash = topic.find('/');
  if (slash == std::string_view::npos || slash == 0 || slash > 3) return std::nullopt;
  int address = 0;
  for (const char c : topic.substr(0, slash)) {
    if (c < '0' || c > '9') return std::nullopt;
    address = address * 10 + (c - '0');
  }
  topic.remove_prefix(slash);
  if (!topic.starts_with("/set/") || address < 1 || address > 255) return std::nullopt;
  topic.remove_prefix(5);
  if (topic.empty() || topic.find('/') != std::string_view::npos) return std::nullopt;
  return SetTarget{address, std::string(topic)};
}

std::string IsoTime(std::int64_t epochMs, int utcOffsetSeconds) {
  const std::int64_t localMs = epochMs + std::int64_t{utcOffsetSeconds} * 1000;
  const std::time_t seconds = static_cast<std::time_t>(localMs >= 0 ? localMs / 1000 : (localMs - 999) / 1000);
  const int ms = static_cast<int>(localMs - std::int64_t{seconds} * 1000);
  std::tm parts{};
  gmtime_r(&seconds, &parts);
  const int offsetMinutes = std::abs(utcOffsetSeconds) / 60;
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d%c%02d:%02d", parts.tm_year + 1900,
                parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec, ms,
                utcOffsetSeconds < 0 ? '-' : '+', offsetMinutes / 60, offsetMinutes % 60);
  return text;
}

std::string StateJson(const BoardState& state, std::string_view isoTime) {
  JsonObject json;
  json.String("time", isoTime);
  JsonObject faults;
  for (std::size_t i = 0; i < Measurements().size(); ++i) {
    const auto value = MeasurementValue(state, i);
    if (value) {
      json.Number(Measurements()[i].key, *value);
    } else {
      json.Null(Measurements()[i].key);
      faults.String(Measurements()[i].key, SensorFault(i == 0 ? state.values.innerSensor : state.values.outerSensor));
    }
  }
  json.Object("sensor_faults", faults);
  JsonObject states, alarms;
  for (const LampKey& lamp : LampKeys()) (lamp.alarm ? alarms : states).Bool(lamp.key, state.values.lamps[lamp.lamp] != 0);
  json.Object("states", states).Object("alarms", alarms);
  JsonObject settings;
  for (std::size_t i = 0; i < kSettingPairs.size(); ++i) settings.Number(SettingKeys()[i], state.settings[i]);
  json.Object("settings", settings);
  return json.Text();
}

std::string InfoJson(int address, const BoardInfo& info) {
  return JsonObject().Number("address", address).String("model", info.model).String("software", info.software)
      .String("text", info.text).Text();
}

std::string ResultJson(const WriteResult& result) {
  JsonObject json;
  json.String("setting", result.setting);
  if (result.sent) json.Number("sent", *result.sent); else json.Null("sent");
  if (result.readBack) json.Number("read_back", *result.readBack); else json.Null("read_back");
  json.Bool("ok", result.ok);
  if (!result.ok) json.String("reason", result.reason);
  return json.Text();
}

std::vector<Message> DiscoveryMessages(const Topics& topics, std::string_view site, std::string_view prefix,
                                       int address, const BoardInfo& info, int intervalSeconds) {
  const std::string node = "kestrova_" + std::string(site) + "_" + std::to_string(address);
  const std::string device = JsonObject()
                                 .Raw("identifiers", "[" + JsonString(node) + "]")
                                 .String("name", "Kestrova " + std::string(site) + " board " + std::to_string(address))
                                 .String("model", info.model)
                                 .String("sw_version", info.software)
                                 .String("manufacturer", "Kestrova")
                                 .Text();
  const std::string availability = "[" + JsonObject().String("topic", topics.Board(address, "availability")).Text() +
                                   "," + JsonObject().String("topic", topics.AgentStatus()).Text() + "]";
  const std::string stateTopic = topics.Board(address, "state");
  std::vector<Message> out;
  auto common = [&](JsonObject& json, std::string_view key, std::string_view name) {
    json.String("name", name)
        .String("unique_id", node + "_" + std::string(key))
        .String("object_id", node + "_" + std::string(key))
        .String("state_topic", stateTopic)
        .Raw("availability", availability)
        .String("availability_mode", "all")
        .Raw("device", device);
  };
  auto add = [&](std::string_view component, std::string_view key, const JsonObject& json) {
    out.push_back({std::string(prefix) + "/" + std::string(component) + "/" + node + "/" + std::string(key) + "/config",
                   json.Text(), true});
  };
  for (const Measurement& m : Measurements()) {
    JsonObject json;
    common(json, m.key, m.name);
    json.String("value_template", "{{ value_json." + std::string(m.key) + " }}");
    if (!m.deviceClass.empty()) json.String("device_class", m.deviceClass);
    json.String("unit_of_measurement", m.unit).String("state_class", "measurement").Number("expire_after", 3 * intervalSeconds);
    add("sensor", m.key, json);
  }
  for (const LampKey& lamp : LampKeys()) {
    JsonObject json;
    common(json, lamp.key, lamp.name);
    const std::string group = lamp.alarm ? "alarms" : "states";
    json.String("value_template", "{{ 'ON' if value_json." + group + "." + std::string(lamp.key) + " else 'OFF' }}");
    json.String("device_class", lamp.alarm ? "problem" : "running").Number("expire_after", 3 * intervalSeconds);
    add("binary_sensor", lamp.key, json);
  }
  for (std::size_t i = 0; i < kSettingPairs.size(); ++i) {
    const SettingPair& pair = kSettingPairs[i];
    const std::string_view key = SettingKeys()[i];
    JsonObject json;
    common(json, key, key);
    json.String("value_template", "{{ value_json.settings." + std::string(key) + " }}")
        .String("command_topic", topics.Board(address, "set/" + std::string(key)))
        .Number("min", pair.range.lowest)
        .Number("max", pair.range.highest)
        .Number("step", 1 / pair.scale)
        .String("mode", "box");
    if (!pair.unit.empty()) json.String("unit_of_measurement", pair.unit == "r/min" ? "rpm" : pair.unit);
    add("number", key, json);
  }
  return out;
}

}  // namespace kestrova::agent
