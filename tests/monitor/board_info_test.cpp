// Board information, the address response and the link-mode display.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "fakes/console_fixture.h"
#include "monitor/board_info_text.h"
#include "protocol/recording_sink.h"

namespace kestrova::testing {
namespace {

using Texts = std::vector<std::string>;

TEST(BoardInfo, SplitsByCharactersAndDropsTheLastOne) {
  const std::pair<std::string, Texts> cases[] = {
      {std::string("M1/P2/VA2.3\0", 12), {"M1", "P2", "VA2.3"}}, {"A/B/C1X", {"A", "B", "C1"}},
      {"A/B/C/D9", {"A", "B", "C/D"}}, {"/P/V1X", {"", "P", "V1"}}, {"", {"", "", ""}}, {"M1X", {"M1", "", ""}},
      {"M1/P2X", {"M1", "P2", ""}}, {"M1/P2/", {"M1", "P2", ""}},  // a "/" in the last place is the terminator
      {"/", {"", "", ""}}, {"Mé/Pü/VA2ÿ", {"Mé", "Pü", "VA2"}}};
  for (const auto& [text, want] : cases) {
    const BoardInfoFields got = SplitBoardInfo(text);
    EXPECT_EQ((Texts{got.model, got.pcb, got.software}), want) << text;
  }
}

Frame BoardInfoFrame(const std::vector<std::uint8_t>& text) {
  Frame f{0x06, 0x01, 0x0F, 0x02, static_cast<std::uint8_t>(text.size())};
  f.insert(f.end(), text.begin(), text.end());
  f.push_back(static_cast<std::uint8_t>(std::accumulate(f.begin(), f.end(), 0u)));
  return f;
}

// The fields fill and the requests stop; the description is only ever set. Each response
// selects RS485 unless an echo of the console's own request has shown an RS-422 loop.
TEST(BoardInfo, ResponsesFillTheFieldsAndTheLinkMode) {
  ConsoleFixture c;
  c.OpenPort();
  c.port.Feed(Hex(kBoardInfoHex));
  c.Ticks(1);
  const auto shown = [&] {
    return Texts{c.main.Text("TextBox1"), c.main.Text("TextBox2"), c.main.Text("TextBox3"), c.main.Text("TextBox4")};
  };
  EXPECT_EQ(shown(), (Texts{"M1", "P2", "VA2.3", "半导体制冷制热"}));
  EXPECT_TRUE(c.main.Checked("RS485Option"));
  c.AdvanceToPhase(2);
  EXPECT_TRUE(c.Ticks(1).empty());  // no further board-information read
  c.port.Feed(Hex("05 01 0F 00 15"));  // our own request back
  c.port.Feed(BoardInfoFrame({'M', 0xE9, '/', 0xB5, 'P', '/', 'v', 'a', '2', 'X'}));  // Latin-1 from 0x80
  c.Ticks(1);
  EXPECT_EQ(shown(), (Texts{"Mé", "µP", "va2", "半导体制冷制热"}));
  c.port.Feed(Hex(kBoardInfoHex));
  c.Ticks(1);
  EXPECT_TRUE(c.main.Checked("RS422Option") && !c.main.Checked("RS485Option"));
}

TEST(BoardInfo, AddressResponseFromAddressZeroRedirectsThePolls) {
  ConsoleFixture c;
  c.OpenPort();
  c.port.Feed(Hex(kAddressHex));
  c.Ticks(1);
  EXPECT_EQ(c.form.m_Address, 18);
  EXPECT_EQ(c.main.Text("AddrText2") + "|" + c.main.Text("AddrText1"), "18|");
  c.AdvanceToPhase(0);
  EXPECT_EQ(c.Ticks(1), std::vector<Frame>{Hex("05 12 0F 00 26")});
}

}  // namespace
}  // namespace kestrova::testing
