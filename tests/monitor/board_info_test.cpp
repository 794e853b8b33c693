// Board information, the address response and the link-mode display.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "fakes/console_fixture.h"
#include "monitor/board_info_text.h"

namespace kestrova::testing {
namespace {

struct SplitCase {
  std::string text;
  BoardInfoFields want;
};

TEST(BoardInfoSplit, Fields) {
  const std::vector<SplitCase> cases{
      {std::string("M1/P2/VA2.3\0", 12), {"M1", "P2", "VA2.3"}},
      {"A/B/C1X", {"A", "B", "C1"}},  // the final character is never shown
      {"A/B/X", {"A", "B", ""}},
      {"A/B/C/D9", {"A", "B", "C/D"}},
      {"/P/V1X", {"", "P", "V1"}},
      // Texts without the full layout fill what they have.
      {"", {"", "", ""}},
      {"M1X", {"M1", "", ""}},
      {"M1/P2X", {"M1", "P2", ""}},
      {"M1/P2/", {"M1", "P2", ""}},  // a "/" in the last place is the terminator
      {"M1/", {"M1", "", ""}},
      {"/", {"", "", ""}},
      {"Mé/Pü/VA2ÿ", {"Mé", "Pü", "VA2"}},  // split by characters, not bytes
  };
  for (const SplitCase& c : cases) {
    const BoardInfoFields got = SplitBoardInfo(c.text);
    EXPECT_EQ(got.model, c.want.model) << c.text;
    EXPECT_EQ(got.pcb, c.want.pcb) << c.text;
    EXPECT_EQ(got.software, c.want.software) << c.text;
  }
}

Frame BoardInfoFrame(const std::vector<std::uint8_t>& text) {
  Frame f(text.size() + 6);
  const std::initializer_list<std::uint8_t> head{0x06, 0x01, 0x0F, 0x02, static_cast<std::uint8_t>(text.size())};
  std::copy(head.begin(), head.end(), f.begin());
  std::copy(text.begin(), text.end(), f.begin() + 5);
  f.back() = static_cast<std::uint8_t>(std::accumulate(f.begin(), f.end() - 1, 0u));
  return f;
}

Frame BoardInfoFrame(std::string_view ascii) { return BoardInfoFrame(std::vector<std::uint8_t>(ascii.begin(), ascii.end())); }

TEST(BoardInfo, ResponseFillsFieldsAndEndsTheRequests) {
  ConsoleFixture c;
  c.OpenPort();
  c.port.Feed(Hex("06 01 0F 02 0C 4D 31 2F 50 32 2F 56 41 32 2E 33 00 AC"));
  c.Ticks(1);
  EXPECT_EQ(c.main.Text("TextBox1"), "M1");
  EXPECT_EQ(c.main.Text("TextBox2"), "P2");
  EXPECT_EQ(c.main.Text("TextBox3"), "VA2.3");
  EXPECT_EQ(c.main.Text("TextBox4"), "半导体制冷制热");
  c.AdvanceToPhase(2);
  EXPECT_TRUE(c.Ticks(1).empty());  // no further board-information read

  // A later version not starting with "VA2" keeps the description; so does lower case.
  for (std::string_view text : {"A/B/X", "M/P/va2.1X"}) {
    c.port.Feed(BoardInfoFrame(text));
    c.Ticks(1);
    EXPECT_EQ(c.main.Text("TextBox4"), "半导体制冷制热") << text;
  }
  EXPECT_EQ(c.main.Text("TextBox3"), "va2.1");
}

TEST(BoardInfo, BytesFrom0x80AreLatin1AndMalformedTextsDoNotThrow) {
  ConsoleFixture c;
  c.OpenPort();
  c.port.Feed(BoardInfoFrame(std::vector<std::uint8_t>{'M', 0xE9, '/', 0xB5, 'P', 0xFF}));
  c.Ticks(1);
  EXPECT_EQ(c.main.Text("TextBox1"), "Mé");
  EXPECT_EQ(c.main.Text("TextBox2"), "µP");
  EXPECT_EQ(c.main.Text("TextBox3"), "");
  c.port.Feed(BoardInfoFrame(""));
  c.Ticks(1);
  EXPECT_EQ(c.main.Text("TextBox1"), "");
}

TEST(BoardInfo, AddressResponseFromAddressZeroRedirectsThePolls) {
  ConsoleFixture c;
  c.OpenPort();
  c.port.Feed(Hex("06 00 0F 01 01 12 29"));
  c.Ticks(1);
  EXPECT_EQ(c.form.m_Address, 18);
  EXPECT_EQ(c.main.Text("AddrText2"), "18");
  EXPECT_EQ(c.main.Text("AddrText1"), "");
  c.AdvanceToPhase(0);
  const auto sent = c.Ticks(1);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(ToHex(sent[0]), "05 12 0F 00 26");
}

TEST(BoardInfo, LinkModeFollowsEchoes) {
  for (bool echo : {false, true}) {
    ConsoleFixture c;
    c.OpenPort();
    if (echo) c.port.Feed(Hex("05 01 0F 00 15"));  // our own request back: a four-wire loop
    c.port.Feed(BoardInfoFrame("A/B/X"));
    c.Ticks(1);
    c.port.Feed(BoardInfoFrame("A/B/X"));  // a later response leaves RS422 selected
    c.Ticks(1);
    EXPECT_EQ(c.main.Checked("RS422Option"), echo);
    EXPECT_EQ(c.main.Checked("RS485Option"), !echo);
  }
}

}  // namespace
}  // namespace kestrova::testing
