// The responses as the operator sees them: run data (read-back texts, measurements, lamps,
// averaged fan speeds, the communication counter) and the board information's fields.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "fakes/console_fixture.h"
#include "monitor/board_info_text.h"
#include "protocol/recording_sink.h"

namespace kestrova::testing {
namespace {

using Texts = std::vector<std::string>;

// Decodes a frame placed at the read index, without the port.
void Decode(ConsoleFixture& c, const Frame& f) {
  c.form.ring.Reset();
  c.form.ring.Store(f);
  c.form.ShowRunData();
}

TEST(RunData, WorkedFrameThroughThePort) {
  ConsoleFixture c;
  c.Shown(kWorked);
  const std::map<std::string, std::string, std::less<>> expected{
      {"TECcoolStart_Text", "25"}, {"TECcoolStop_Text", "20"}, {"TECheatStart_Text", "-10"}, {"TECheatStop_Text", "-5"},
      {"IntFanPulse_Text", "2"}, {"IntFanLowS_Text", "1500"}, {"IntFanHighS_Text", "3000"}, {"ExtFanPulse_Text", "2"},
      {"ExtFanHighS_Text", "3000"}, {"TempMax_Text", "45"}, {"TempMin_Text", "-10"}, {"TECcurrL_Text", "0.5"},
      {"TECcurrH_Text", "8"}, {"Temp1_Text", "25"}, {"Temp2_Text", "开路"}, {"ControlTemp_Text", "25.5"},
      {"TECcurrent_Text", "3.1"}, {"DCvoltage_Text", "53.5"}, {"IntFanSpeed_Text", " 1500"},
      {"ExtFanSpeed_Text", " 3000"}, {"CommCtr_Text", "1"}, {"CommPort_ToggleButton", "关闭串口"},
      {"CommPortText", "COM1"}};
  // The status bar's texts are the business of the line-state tests.
  for (const char* statusBar : {"LinkStatus", "LinkStats"}) c.main.texts.erase(statusBar);
  EXPECT_EQ(c.main.texts, expected);  // the lamps: each status bit alone below
}

// Degrees as b - 40 and (b - 80) / 2 with the sensor markers 254 and 255, but none for the
// control temperature. (Tenths and 16-bit values: the worked frame.)
TEST(RunData, ConversionsAndSensorMarkers) {
  const std::tuple<std::map<int, std::uint8_t>, const char*, const char*> cases[] = {
      {{{5, 0}}, "TECcoolStart_Text", "-40"}, {{{5, 255}}, "TECcoolStart_Text", "215"},
      {{{25, 79}}, "Temp1_Text", "-0.5"},     {{{25, 253}}, "Temp1_Text", "86.5"},
      {{{25, 255}}, "Temp1_Text", "短路"},    {{{27, 255}}, "ControlTemp_Text", "87.5"}};
  for (const auto& [bytes, field, text] : cases) {
    ConsoleFixture c;
    Decode(c, Resealed(kWorked, bytes));
    EXPECT_EQ(c.main.Text(field), text) << field;
  }
}

// Each bit of bytes 21..24 alone, after a frame with every bit set: the one lamp it drives (0 for
// none) is lit, every other lamp is off. The fan alarms are raised by either alarm byte.
TEST(RunData, LampOfEveryStatusBit) {
  const int lamps[4][8] = {{1, 2, 3, 4, 5, 6, 0, 0}, {7, 8, 0, 0, 9, 10, 11, 12},
                           {13, 14, 15, 16, 9, 10, 17, 0}, {22, 21, 20, 0, 0, 0, 0, 0}};
  for (int offset = 21; offset <= 24; ++offset) {
    for (int bit = 0; bit < 8; ++bit) {
      ConsoleFixture c;
      Decode(c, Resealed(kWorked, {{21, 0xFF}, {22, 0xFF}, {23, 0xFF}, {24, 0xFF}}));
      std::map<int, std::uint8_t> bits{{21, 0}, {22, 0}, {23, 0}, {24, 0}};
      bits[offset] = static_cast<std::uint8_t>(1 << bit);
      Decode(c, Resealed(kWorked, bits));
      const int lit = lamps[offset - 21][bit];
      const int state = lit > 6 ? 2 : lit == 6 ? 3 : 1;
      for (int box : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 20, 21, 22})
        EXPECT_EQ(c.main.Number("StatusBox" + std::to_string(box)), box == lit ? state : 0)
            << "offset " << offset << " bit " << bit << " StatusBox" << box;
    }
  }
}

// The average of the last 15 fan speeds, remainder dropped, held in full; the counter never wraps.
TEST(RunData, FanSpeedAverageAndCommunicationCounter) {
  ConsoleFixture c;
  c.form.runData.commCounter = 32767;
  for (int i = 0; i < 15; ++i) Decode(c, Resealed(kWorked, {{31, 0x04}, {32, 0xB0}, {33, 0xFF}, {34, 0xFF}}));  // 1200
  EXPECT_EQ(c.main.Text("CommCtr_Text"), "32782");
  Decode(c, Resealed(kWorked, {{31, 0x05}, {32, 0xDC}, {33, 0xFF}, {34, 0xFF}}));  // 1500
  EXPECT_EQ(c.main.Text("IntFanSpeed_Text") + c.main.Text("ExtFanSpeed_Text"), " 1220 65535");
  ConsoleFixture d;  // the remainder is dropped
  for (int speed : {1000, 1000, 1001})
    Decode(d, Resealed(kWorked, {{31, static_cast<std::uint8_t>(speed >> 8)}, {32, static_cast<std::uint8_t>(speed)}}));
  EXPECT_EQ(d.main.Text("IntFanSpeed_Text"), " 1000");
}

TEST(BoardInfo, SplitsByCharactersAndDropsTheLastOne) {
  const std::pair<std::string, Texts> cases[] = {
      {"A/B/C/D9", {"A", "B", "C/D"}}, {"M1X", {"M1", "", ""}}, {"Mé/Pü/VA2ÿ", {"Mé", "Pü", "VA2"}}};
  for (const auto& [text, want] : cases) {
    const BoardInfoFields got = SplitBoardInfo(text);
    EXPECT_EQ((Texts{got.model, got.pcb, got.software}), want) << text;
  }
}

}  // namespace
}  // namespace kestrova::testing
