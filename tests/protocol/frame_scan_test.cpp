// Text bytes, the frame scan over the receive ring and the analysis of the responses it
// meets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fakes.h"
#include "protocol/char_codes.h"
#include "protocol/frame_analysis.h"
#include "protocol/frames.h"
#include "protocol/recording_sink.h"

namespace kestrova::testing {
namespace {

using Calls = std::vector<std::string>;
const std::string kRun = kRunDataHex;
const std::string kShown = "RunData " + kRun;

// Text bytes: ASCII up to 0x7F, Latin-1 from 0x80. (The request frames are checked as the poll
// cycle, the settings and the commands send them.) A field's text read back as characters: a
// broken UTF-8 sequence is one U+FFFD per byte it spoils, never a read past the text's end.
TEST(ProtocolFrames, TextBytesAreAsciiThenLatin1AndTextsReadAsCharacters) {
  using Chars = std::vector<char32_t>;
  const std::pair<std::string, Chars> cases[] = {
      {"A\u00E9\u4E2D\U0001F600", {U'A', 0xE9, 0x4E2D, 0x1F600}},
      {"A\xC3", {U'A', 0xFFFD}},              // cut after the lead byte
      {"\xE4\xB8", {0xFFFD, 0xFFFD}},         // cut inside a three-byte character
      {"\xC3(x", {0xFFFD, U'(', U'x'}}};      // a lead byte without its continuation
  for (const auto& [text, chars] : cases) EXPECT_EQ(CodePoints(text), chars) << ToHex(Frame(text.begin(), text.end()));
  EXPECT_EQ(CharToByte(0xFF), 0xFF);
}

// Passes of the scan over what arrived, each pass as one tick makes it: the decoders called,
// and how many bytes stay unread. A pass handles at most one response.
TEST(FrameScan, PassesOverResponsesEchoesAndNoise) {
  const std::string fromZero = "06 00" + kRun.substr(5, kRun.size() - 7) + "0C";
  const std::string noise = " AA AA AA AA";  // four bytes are never scanned
  const struct {
    std::vector<std::string> arrivals;  // bytes arriving before each pass
    int address;
    Calls calls;
    int unread;
  } cases[] = {
      {{kRun + " AA"}, 1, {kShown, "Link"}, 1},
      {{"05 01 0F 00 15 " + kRun + " " + kAddressHex}, 1, {"RS422", kShown, "Link"}, 7},  // the next waits
      {{kRun.substr(0, 35 * 3 - 1), kRun.substr(35 * 3 - 1)}, 1, {kShown, "Link"}, 0},      // completes later
      {{kRun.substr(0, 35 * 3) + "0E"}, 1, {"Link"}, 0},  // bad checksum: consumed, not shown
      {{fromZero}, 9, {"RunData " + fromZero, "Link"}, 0},
      {{kBoardInfoHex}, 1, {"BoardInfo " + std::string(kBoardInfoHex), "Link"}, 0},
      {{kFactoryDataHex}, 1, {"FactoryData " + std::string(kFactoryDataHex)}, 0},  // no link-mode update
      {{kAddressHex}, 5, {"Address " + std::string(kAddressHex), "Link"}, 0},
      {{"06 01 1E 0C 01 5A 8C"}, 1, {"Link"}, 0},  // the board's acknowledgement of a write
      {{"06 01 1E 05 02 03 E8 17"}, 1, {"Link"}, 0},  // ... and of a two-byte one
      {{"06 01 2D 00 34"}, 1, {"Link"}, 0},
      // A write acknowledgement is consumed whole on its first five bytes; the rest counts back up.
      {{"06 01 1E 0C 01", "5A 8C " + std::string(kAddressHex)}, 1,
       {"Link", "Address " + std::string(kAddressHex), "Link"}, 0},
      // Echoes of requests step over by their lengths and show the RS-422 loop.
      {{"05 00 0F 01 15" + noise}, 1, {"RS422"}, 4},
      {{"05 01 2D 00 33" + noise}, 1, {"RS422"}, 4},
      {{"05 01 1E 0C 01 5A", "8B"}, 1, {"RS422"}, 0},  // a short echoed write waits for its last byte
      // What loses bytes: another master's request (1), an unknown command (3 of a request, 1 of a
      // response), an unknown sub-type (3), a NAK with its neighbour, a length the ring cannot hold.
      {{"05 07 0F 00 1B" + noise}, 1, {}, 4},
      {{"05 " + kRun}, 1, {kShown, "Link"}, 0},  // a foreign request's address byte may start a frame
      {{"06 01 0F 07 00 1D"}, 1, {}, 3},
      {{"15 06 0F 00 1B" + noise}, 1, {}, 4},
      {{"06 07 0F 00 1C " + kRun, ""}, 1, {kShown, "Link"}, 0},  // response for another address
      {{"06 " + kRun, ""}, 1, {kShown, "Link"}, 0},  // only the start byte of a false start is dropped
      {{"06 01 77 00 00 " + kRun, ""}, 1, {kShown, "Link"}, 0},  // ... and the next tick goes on
      {{"06 01 77 00 00 " + kRun}, 1, {}, 40},          // the pass ends at a response's unknown command
      {{"05 01 44 00 4A 00 00 " + kRun}, 1, {kShown, "Link"}, 0},  // a request's does not end it
      {{"06 01 0F 02 C8 " + kRun, ""}, 1, {kShown, "Link"}, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arrivals[0]);
    ReceiveRing ring;
    RecordingSink sink{ring};
    for (const std::string& bytes : c.arrivals) {
      ring.Store(Hex(bytes));
      ScanFrames(ring, c.address, sink);
    }
    EXPECT_EQ(sink.calls, c.calls);
    EXPECT_EQ(ring.unreadCount, c.unread);
  }
}

// More than a tick's share arrives (at 9600 baud a burst can be 240 bytes in 250 ms): the ring
// keeps the newest 128 and the scan finds the frames again.
TEST(FrameScan, OverrunKeepsTheNewestBytesAndResynchronises) {
  std::string stream = "AA AA AA AA AA AA AA AA AA AA";
  for (int i = 0; i < 5; ++i) stream += " " + kRun;
  const Frame bytes = Hex(stream + " AA AA AA AA AA AA AA AA AA AA");
  ReceiveRing ring;
  RecordingSink sink{ring};
  ring.Store(bytes);
  EXPECT_EQ(ring.unreadCount, 128);
  for (int k = 0; k < 128; ++k) ASSERT_EQ(ring.At(k), bytes[72 + k]) << k;
  for (int pass = 0; pass < 4; ++pass) ScanFrames(ring, 1, sink);
  // The first response and most of the second are gone; the last three are whole.
  EXPECT_EQ(sink.calls, (Calls{kShown, "Link", kShown, "Link", kShown, "Link"}));
  EXPECT_EQ(ring.unreadCount, 4);
}

}  // namespace
}  // namespace kestrova::testing
