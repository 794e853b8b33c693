// A line that never completes a frame must not silence the console: once the line has been quiet
// long enough, the waiting start is given up and polling resumes. A frame that merely arrives in
// pieces is still taken whole.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/console_fixture.h"
#include "protocol/recording_sink.h"

namespace kestrova::testing {
namespace {

const Frame kRunDataRequest = Hex("05 01 0F 00 15");

// The console with the board information read, so that the command ticks send nothing.
struct Polling : ConsoleFixture {
  Polling() {
    OpenPort();
    port.Feed(Hex(kBoardInfoHex));
    Ticks(4);
    EXPECT_EQ(main.Text("TextBox1"), "M1");
  }
  // A board-information head announcing 118 bytes that never come, and 80 bytes of text.
  void FeedFalseStart() {
    Frame bytes = Hex("06 01 0F 02 70");
    for (int i = 0; i < 80; ++i) bytes.push_back(static_cast<std::uint8_t>('0' + i % 10));
    port.Feed(bytes);
  }
  // Runs up to n ticks; true once a run-data read went out.
  bool PollsWithin(int n) {
    for (int i = 0; i < n; ++i) {
      const std::vector<Frame> sent = Ticks(1);
      if (std::count(sent.begin(), sent.end(), kRunDataRequest) > 0) return true;
    }
    return false;
  }
  // The worked run-data response arrives and is shown with the next ticks.
  bool ShowsRunData() {
    const std::string before = main.Text("CommCtr_Text");
    port.Feed(Hex(kRunDataHex));
    Ticks(2);
    return main.Text("CommCtr_Text") != before && main.Text("DCvoltage_Text") == "53.5";
  }
};

TEST(LineStall, FalseFrameStartIsGivenUpAndPollingResumesWithin2s) {
  Polling c;
  c.FeedFalseStart();
  EXPECT_TRUE(c.PollsWithin(8));
  EXPECT_TRUE(c.ShowsRunData());
}

TEST(LineStall, ClosingAndReopeningThePortRecovers) {
  Polling c;
  c.FeedFalseStart();
  c.Ticks(1);
  c.form.CommPort_ToggleButton_Click();  // close
  c.Ticks(2);
  c.form.CommPort_ToggleButton_Click();  // open again
  EXPECT_TRUE(c.PollsWithin(8));
  EXPECT_TRUE(c.ShowsRunData());
}

TEST(LineStall, FrameArrivingInPiecesWithQuietTicksBetweenIsTakenWhole) {
  Polling c;
  const Frame response = Hex(kRunDataHex);
  for (std::size_t from = 0; from < response.size(); from += 10) {
    c.port.Feed(std::span(response).subspan(from, std::min<std::size_t>(10, response.size() - from)));
    c.Ticks(3);  // the piece, then two ticks of silence
  }
  EXPECT_EQ(c.main.Text("CommCtr_Text"), "1");
  EXPECT_EQ(c.main.Text("DCvoltage_Text"), "53.5");
  EXPECT_EQ(c.form.Ring.m_DataNo, 0);
}

}  // namespace
}  // namespace kestrova::testing
