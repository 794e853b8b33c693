// The run-data response as the operator sees it: read-back texts, measurements, lamps,
// averaged fan speeds and the communication counter.
#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "fakes/console_fixture.h"

namespace kestrova::testing {
namespace {

// The board's worked run-data frame: address 1, checksum 0x0D.
const Frame kWorked = Hex(
    "06 01 0F 00 1E 41 3C 1E 23 02 05 DC 0B B8 02 0B B8 55 1E 05 50 05 00 00 04 82 FE 83 1F 02 17"
    " 05 DC 0B B8 0D");

// The worked frame with some bytes replaced and the checksum made good again.
Frame RunFrame(const std::vector<std::pair<int, std::uint8_t>>& changes) {
  Frame f = kWorked;
  for (auto [offset, b] : changes) f[static_cast<std::size_t>(offset)] = b;
  f[35] = static_cast<std::uint8_t>(std::accumulate(f.begin(), f.begin() + 35, 0u));
  return f;
}

// Decodes a frame placed at the read index, without the port.
void Decode(ConsoleFixture& c, const Frame& f) {
  std::copy(f.begin(), f.end(), c.form.Ring.ReceiveBuffer.begin());
  c.form.Ring.m_DataPointer = 0;
  c.form.ShowRunData();
}

TEST(RunData, WorkedFrameThroughThePort) {
  ConsoleFixture c;
  c.OpenPort();
  c.port.Feed(kWorked);
  c.Ticks(1);
  const std::map<std::string, std::string> expected{
      {"TECcoolStart_Text", "25"}, {"TECcoolStop_Text", "20"}, {"TECheatStart_Text", "-10"},
      {"TECheatStop_Text", "-5"}, {"IntFanPulse_Text", "2"}, {"IntFanLowS_Text", "1500"},
      {"IntFanHighS_Text", "3000"}, {"ExtFanPulse_Text", "2"}, {"ExtFanHighS_Text", "3000"},
      {"TempMax_Text", "45"}, {"TempMin_Text", "-10"}, {"TECcurrL_Text", "0.5"},
      {"TECcurrH_Text", "8"}, {"Temp1_Text", "25"}, {"Temp2_Text", "开路"},
      {"ControlTemp_Text", "25.5"}, {"TECcurrent_Text", "3.1"}, {"DCvoltage_Text", "53.5"},
      {"IntFanSpeed_Text", " 1500"}, {"ExtFanSpeed_Text", " 3000"}, {"CommCtr_Text", "1"}};
  for (const auto& [field, text] : expected) EXPECT_EQ(c.main.Text(field), text) << field;
  for (int box = 1; box <= 22; ++box) {
    const std::string name = "StatusBox" + std::to_string(box);
    if (box == 18 || box == 19) {
      EXPECT_FALSE(c.main.numbers.count(name)) << "hidden lamp " << name << " is never set";
    } else {
      ASSERT_TRUE(c.main.numbers.count(name)) << name;
      EXPECT_EQ(c.main.Number(name), box == 1 || box == 3 ? 1 : box == 20 ? 2 : 0) << name;
    }
  }
}

TEST(RunData, BadChecksumChangesNothing) {
  ConsoleFixture c;
  c.OpenPort();
  Frame bad = kWorked;
  bad[35] ^= 0x01;
  c.port.Feed(bad);
  c.Ticks(1);
  EXPECT_EQ(c.main.Text("Temp1_Text"), "");
  EXPECT_EQ(c.main.Text("CommCtr_Text"), "");
  EXPECT_TRUE(c.main.numbers.empty());
  EXPECT_EQ(c.form.RunData.CommCounter, 0);
  c.port.Feed(kWorked);
  c.Ticks(1);
  EXPECT_EQ(c.main.Text("CommCtr_Text"), "1");
}

struct TextCase {
  std::vector<std::pair<int, std::uint8_t>> bytes;
  std::string field;
  std::string text;
};

TEST(RunData, ConversionsAndSensorMarkers) {
  const std::vector<TextCase> cases{
      {{{5, 0}}, "TECcoolStart_Text", "-40"},  {{{5, 65}}, "TECcoolStart_Text", "25"},
      {{{5, 255}}, "TECcoolStart_Text", "215"}, {{{25, 130}}, "Temp1_Text", "25"},
      {{{25, 131}}, "Temp1_Text", "25.5"},      {{{25, 79}}, "Temp1_Text", "-0.5"},
      {{{25, 0}}, "Temp1_Text", "-40"},         {{{25, 253}}, "Temp1_Text", "86.5"},
      {{{25, 254}}, "Temp1_Text", "开路"},      {{{25, 255}}, "Temp1_Text", "短路"},
      {{{26, 255}}, "Temp2_Text", "短路"},      {{{26, 80}}, "Temp2_Text", "0"},
      {{{27, 254}}, "ControlTemp_Text", "87"},  {{{27, 255}}, "ControlTemp_Text", "87.5"},
      {{{29, 0}, {30, 0}}, "DCvoltage_Text", "0"},
      {{{29, 0xFF}, {30, 0xFF}}, "DCvoltage_Text", "6553.5"},
      {{{10, 0xFF}, {11, 0xFF}}, "IntFanLowS_Text", "65535"},
      {{{19, 3}}, "TECcurrL_Text", "0.3"},      {{{19, 0}}, "TECcurrL_Text", "0"},
      {{{19, 255}}, "TECcurrL_Text", "25.5"},   {{{28, 7}}, "TECcurrent_Text", "0.7"}};
  for (const TextCase& t : cases) {
    ConsoleFixture c;
    Decode(c, RunFrame(t.bytes));
    EXPECT_EQ(c.main.Text(t.field), t.text) << t.field << " byte " << int(t.bytes[0].second);
  }
}

struct LampCase {
  std::uint8_t work, alarms1, alarms2, inputs;
  std::map<int, int> lit;  // every other lamp 1..17, 20..22 is 0
};

TEST(RunData, LampStates) {
  const std::vector<LampCase> cases{
      {0x20, 0, 0, 0, {{6, 3}}},
      {0x3F, 0, 0, 0, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 3}}},
      {0xC0, 0x0C, 0x80, 0xF8, {}},  // bits that drive nothing
      {0, 0xF3, 0, 0, {{7, 2}, {8, 2}, {9, 2}, {10, 2}, {11, 2}, {12, 2}}},
      {0, 0x00, 0x10, 0, {{9, 2}}},   // the fan alarms are raised by either byte
      {0, 0x10, 0x00, 0, {{9, 2}}},
      {0, 0x00, 0x20, 0, {{10, 2}}},
      {0, 0x20, 0x20, 0, {{10, 2}}},
      {0, 0, 0x4F, 0, {{13, 2}, {14, 2}, {15, 2}, {16, 2}, {17, 2}}},
      {0, 0, 0, 0x01, {{22, 2}}},     // "开关量4", not the door switch
      {0, 0, 0, 0x02, {{21, 2}}},
      {0, 0, 0, 0x04, {{20, 2}}}};
  for (const LampCase& l : cases) {
    ConsoleFixture c;
    Decode(c, RunFrame({{21, 0xFF}, {22, 0xFF}, {23, 0xFF}, {24, 0xFF}}));  // all on first
    Decode(c, RunFrame({{21, l.work}, {22, l.alarms1}, {23, l.alarms2}, {24, l.inputs}}));
    for (int box : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 20, 21, 22}) {
      const int want = l.lit.count(box) ? l.lit.at(box) : 0;
      EXPECT_EQ(c.main.Number("StatusBox" + std::to_string(box)), want)
          << "StatusBox" << box << " for " << ToHex(std::vector<std::uint8_t>{l.work, l.alarms1, l.alarms2, l.inputs});
    }
  }
}

TEST(RunData, CommunicationCounterGoesPast32767) {
  ConsoleFixture c;
  c.form.RunData.CommCounter = 32767;
  Decode(c, kWorked);
  EXPECT_EQ(c.main.Text("CommCtr_Text"), "32768");
}

}  // namespace
}  // namespace kestrova::testing
