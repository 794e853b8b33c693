// The JSON and topics the broker receives for a board.
#include <gtest/gtest.h>

#include <algorithm>

#include "agent/core/json.h"
#include "agent/core/messages.h"
#include "agent/frames.h"

namespace kestrova::agent {
namespace {

using testing::BoardInfoFrame;
using testing::RunDataFrame;
using testing::RunDataWith;

TEST(StateJson, WorkedRunDataInNumbersAndUnits) {
  const std::string json = StateJson(StateFromRunData(RunDataFrame()), "2026-12-08T16:40:01.123+01:00");
  EXPECT_EQ(json,
            R"({"time":"2026-12-08T16:40:01.123+01:00","inner_temp_c":25,"outer_temp_c":null,"control_temp_c":25.5,)"
            R"("module_current_a":3.1,"dc_voltage_v":53.5,"inner_fan_rpm":1500,"outer_fan_rpm":3000,)"
            R"("sensor_faults":{"outer_temp_c":"open"},)"
            R"("states":{"inner_fan":true,"outer_fan":false,"cooling":true,"heating":false,"hydrogen_vent_motor":false,"self_test":false},)"
            R"("alarms":{"general_alarm":false,"temp_sensor_alarm":false,"inner_fan_alarm":false,"outer_fan_alarm":false,)"
            R"("current_low_alarm":false,"current_high_alarm":false,"high_temp_alarm":false,"low_temp_alarm":false,)"
            R"("dc_low_voltage_alarm":false,"dc_high_voltage_alarm":false,"ac_power_loss_alarm":false,"door_alarm":true,)"
            R"("switch_input_3_alarm":false,"switch_input_4_alarm":false},)"
            R"("settings":{"cooling_start_c":25,"cooling_stop_c":20,"heating_start_c":-10,"heating_stop_c":-5,)"
            R"("current_low_limit_a":0.5,"current_high_limit_a":8,"inner_fan_pulses":2,"inner_fan_low_rpm":1500,)"
            R"("inner_fan_high_rpm":3000,"outer_fan_pulses":2,"outer_fan_high_rpm":3000,"high_temp_alarm_c":45,)"
            R"("low_temp_alarm_c":-10}})");
}

TEST(StateJson, SensorFaultsLampsAndSettingsFromTheirBytes) {
  Frame f = RunDataWith(25, 0xFF);  // inner sensor short, outer open
  f[22] = 0x01;                     // general alarm
  f[23] = 0x10;                     // inner fan alarm, from the second alarm byte
  f[24] = 0x01;                     // switch input 4 is bit 0
  f[21] = 0x20;                     // self-test only
  f[19] = 3;                        // current low limit 0.3 A
  f[5] = 0;                         // cooling start -40
  f[15] = 0xFF;                     // outer fan high speed, 16 bits
  f.back() = Checksum(std::span(f).first(35));
  const std::string json = StateJson(StateFromRunData(f), "t");
  for (const char* part : {R"("inner_temp_c":null,"outer_temp_c":null)",
                           R"("sensor_faults":{"inner_temp_c":"short","outer_temp_c":"open"})",
                           R"("inner_fan":false,)", R"("self_test":true})", R"("general_alarm":true)",
                           R"("inner_fan_alarm":true,"outer_fan_alarm":false)",
                           R"("door_alarm":false,"switch_input_3_alarm":false,"switch_input_4_alarm":true)",
                           R"("cooling_start_c":-40,)", R"("current_low_limit_a":0.3,)", R"("outer_fan_high_rpm":65464,)"})
    EXPECT_NE(json.find(part), std::string::npos) << part;
}

TEST(IsoTime, MillisecondsAndOffset) {
  const std::int64_t ms = 1796748001123;  // 2026-12-08 16:40:01.123 UTC
  EXPECT_EQ(IsoTime(ms, 5 * 3600 + 1800), "2026-12-08T22:10:01.123+05:30");
  EXPECT_EQ(IsoTime(ms + 7, -3600), "2026-12-08T15:40:01.130-01:00");
  EXPECT_EQ(IsoTime(ms, 0), "2026-12-08T16:40:01.123+00:00");
}

TEST(Topics, SetTopicsOfThisSiteOnly) {
  const Topics topics("plant-1");  // the published topics are in the publisher's tests
  const auto target = topics.ParseSet("kestrova/plant-1/board/12/set/cooling_start_c");
  ASSERT_TRUE(target);
  EXPECT_EQ(std::to_string(target->address) + " " + target->key, "12 cooling_start_c");
  EXPECT_EQ(topics.ParseSet("kestrova/plant-1/board/255/set/x")->address, 255);
  for (const char* other : {"kestrova/plant-2/board/12/set/k", "kestrova/plant-1/board/0/set/k", "kestrova/plant-1/board/256/set/k",
                            "kestrova/plant-1/board/1x/set/k", "kestrova/plant-1/board/12/set/a/b",
                            "kestrova/plant-1/board/12/result", "kestrova/plant-1/board/12/set/"})
    EXPECT_FALSE(topics.ParseSet(other)) << other;
}

TEST(Discovery, OneDeviceWithSensorsAlarmsAndNumbers) {
  const auto messages = DiscoveryMessages(Topics("s1"), "s1", "ha", 3, InfoFromAnswer(BoardInfoFrame()), 5);
  ASSERT_EQ(messages.size(), 7u + 20u + 13u);
  const std::pair<std::string, std::vector<std::string>> configs[] = {
      {"sensor/kestrova_s1_3/inner_temp_c",
       {R"("state_topic":"kestrova/s1/board/3/state")", R"("value_template":"{{ value_json.inner_temp_c }}")",
        R"("device_class":"temperature")", R"("expire_after":15)", R"("model":"M1")",
        R"("availability":[{"topic":"kestrova/s1/board/3/availability"},{"topic":"kestrova/s1/agent/status"}])"}},
      {"number/kestrova_s1_3/current_low_limit_a",
       {R"("command_topic":"kestrova/s1/board/3/set/current_low_limit_a")", R"(step":0.1)", R"("unit_of_measurement":"A")"}}};
  for (const auto& [topic, parts] : configs) {
    const auto config = std::find_if(messages.begin(), messages.end(),
                                     [&](const Message& m) { return m.topic == "ha/" + topic + "/config"; });
    ASSERT_NE(config, messages.end()) << topic;
    EXPECT_TRUE(config->retain);
    for (const std::string& part : parts) EXPECT_NE(config->payload.find(part), std::string::npos) << part;
  }
}

}  // namespace
}  // namespace kestrova::agent
