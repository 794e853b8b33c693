#pragma once
// A FrameSink that logs every call, with the bytes of the frame the decoder would read.
#include <string>
#include <vector>

#include "fakes/fakes.h"
#include "protocol/frame_analysis.h"

namespace kestrova::testing {

class RecordingSink : public FrameSink {
 public:
  explicit RecordingSink(const ReceiveRing& ring) : ring_(ring) {}

  std::vector<std::string> calls;

  void ShowRunData() override { Log("RunData", 36); }
  void ShowAddress() override { Log("Address", 7); }
  void ShowBoardInfo() override { Log("BoardInfo", ring_.At(4) + 6); }
  void ShowFactoryData() override { Log("FactoryData", 18); }
  void LinkModeUpdate() override { calls.push_back("Link"); }
  void SelectRS422() override { calls.push_back("RS422"); }

 private:
  void Log(const std::string& what, int length) {
    Frame frame;
    for (int k = 0; k < length; ++k) frame.push_back(ring_.At(k));
    calls.push_back(what + " " + ToHex(frame));
  }

  const ReceiveRing& ring_;
};

// Worked responses of the board at address 1 (the address response comes from address 0).
inline const char* const kRunDataHex =
    "06 01 0F 00 1E 41 3C 1E 23 02 05 DC 0B B8 02 0B B8 55 1E 05 50 05 00 00 04 82 FE 83 1F 02 "
    "17 05 DC 0B B8 0D";
inline const char* const kBoardInfoHex = "06 01 0F 02 0C 4D 31 2F 50 32 2F 56 41 32 2E 33 00 AC";
inline const char* const kFactoryDataHex = "06 01 0F 03 0C B4 05 DC 05 41 32 64 64 64 64 01 0A CD";
inline const char* const kAddressHex = "06 00 0F 01 01 12 29";

// The worked run-data response as bytes: inner 25 °C, outer sensor open, control 25.5 °C, 3.1 A,
// 53.5 V, fans 1500 and 3000; inner fan and cooling working, the door switch raised; the
// high-temperature alarm 45 at offset 17, the inner temperature 25 at offset 25.
inline const Frame kWorked = Hex(kRunDataHex);

// A receive ring holding the frame at its read index.
inline ReceiveRing RingOf(const Frame& f) {
  ReceiveRing ring;
  ring.Store(f);
  return ring;
}

}  // namespace kestrova::testing
