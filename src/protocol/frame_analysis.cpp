#include "protocol/frame_analysis.h"

#include "protocol/frames.h"

namespace kestrova {
namespace {

// The shortest frame: start, address, command, code, checksum.
constexpr int kShortestFrame = 5;

bool ForOurAddress(std::uint8_t a, int address) { return a == address || a == 0; }

// A parameter write or its acknowledgement: 7 bytes with one data byte, 8 otherwise.
int ParameterWriteLength(const ReceiveRing& ring) { return ring.At(4) == 1 ? 7 : 8; }

// A read response of `length` bytes: wait for all of it, decode it only when its checksum
// holds, consume it in either case. Returns false while it is still incomplete.
template <typename Decode>
bool TakeReadResponse(ReceiveRing& ring, int length, Decode decode) {
  if (ring.m_DataNo < length) return false;
  if (!ring.CheckSumError(length - 1)) decode();
  ring.Consume(length);
  return true;
}

}  // namespace

void ScanFrames(ReceiveRing& ring, int address, FrameSink& sink) {
  while (ring.m_DataNo >= kShortestFrame) {
    const std::uint8_t b0 = ring.At(0);
    if (b0 == kNak) {
      ring.Consume(2);  // a NAK takes its neighbour with it
      continue;
    }
    if (b0 != kRequestStart && b0 != kResponseStart) {
      ring.Consume(1);  // noise
      continue;
    }
    if (b0 == kResponseStart) {
      AnalyseFrame(ring, address, sink);
      return;  // one response per tick
    }
    // A request on the line: our own coming back (an RS-422 loop) or another master's.
    if (!ForOurAddress(ring.At(1), address)) {
      ring.Consume(1);
      continue;
    }
    const std::uint8_t c = ring.At(2);
    if (c == kRead || c == kShortResponse) {
      ring.Consume(5);
      sink.SelectRS422();
    } else if (c == kParameterWrite) {
      const int length = ParameterWriteLength(ring);
      if (ring.m_DataNo < length) return;  // the rest comes with a later tick
      ring.Consume(length);
      sink.SelectRS422();
    } else {
      ring.Consume(3);
    }
  }
}

// The board answers only with the commands it was sent (read, parameter write) and the
// five-byte response. Any other command byte, and a board-information length the ring can
// never hold, mean the start byte was not a frame start: it is dropped like that of a frame for
// another address, so the scan looks for the next start byte at once and the link mode stays.
void AnalyseFrame(ReceiveRing& ring, int address, FrameSink& sink) {
  if (!ForOurAddress(ring.At(1), address)) {
    ring.Consume(1);
    return;
  }
  const std::uint8_t c = ring.At(2);
  if (c == kRead) {
    const std::uint8_t s = ring.At(3);
    switch (s) {
      case kRunData:
        if (TakeReadResponse(ring, 36, [&] { sink.ShowRunData(); })) sink.LinkModeUpdate();
        return;
      case kDeviceAddress:
        if (TakeReadResponse(ring, 7, [&] { sink.ShowAddress(); })) sink.LinkModeUpdate();
        return;
      case kBoardInfo: {
        const int length = ring.At(4) + 6;
        if (length > ReceiveRing::kSize) {
          ring.Consume(1);
          return;
        }
        if (TakeReadResponse(ring, length, [&] { sink.ShowBoardInfo(); })) sink.LinkModeUpdate();
        return;
      }
      case kFactoryData:
        TakeReadResponse(ring, 18, [&] { sink.ShowFSetupData(); });
        return;
      default:
        ring.Consume(3);
        return;
    }
  }
  if (c == kParameterWrite) {
    // Consumed whole at once, even with only five bytes here: the count may go below zero
    // and the bytes still to come count it back up.
    ring.Consume(ParameterWriteLength(ring));
    sink.LinkModeUpdate();
    return;
  }
  if (c == kShortResponse) {
    ring.Consume(5);
    sink.LinkModeUpdate();
    return;
  }
  ring.Consume(1);
}

}  // namespace kestrova
