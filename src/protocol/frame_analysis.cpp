#include "protocol/frame_analysis.h"

#include "protocol/frames.h"

namespace kestrova {
namespace {

// The shortest frame: start, address, command, code, checksum.
constexpr int kShortestFrame = 5;

bool ForOurAddress(std::uint8_t a, int address) { return a == address || a == 0; }

// A parameter write or its acknowledgement: 7 bytes with one data byte, 8 otherwise.
int ParameterWriteLength(const ReceiveRing& ring) { return ring.At(4) == 1 ? 7 : 8; }

// Tells the sink what the next `length` bytes were, then consumes them.
void Take(ReceiveRing& ring, FrameSink& sink, int length, Piece piece) {
  sink.Consumed(ring, length, piece);
  ring.Consume(length);
}

// A read response of `length` bytes: wait for all of it, decode it only when its checksum
// holds, consume it in either case. Returns false while it is still incomplete.
template <typename Decode>
bool TakeReadResponse(ReceiveRing& ring, FrameSink& sink, int length, Decode decode) {
  if (ring.unreadCount < length) return false;
  const bool good = !ring.CheckSumError(length - 1);
  if (good) decode();
  Take(ring, sink, length, good ? Piece::Response : Piece::BadChecksum);
  return true;
}

}  // namespace

bool ScanFrames(ReceiveRing& ring, int address, FrameSink& sink) {
  while (ring.unreadCount >= kShortestFrame) {
    const std::uint8_t b0 = ring.At(0);
    if (b0 == kNak) {
      Take(ring, sink, 2, Piece::Nak);  // a NAK takes its neighbour with it
      continue;
    }
    if (b0 != kRequestStart && b0 != kResponseStart) {
      Take(ring, sink, 1, Piece::Noise);
      continue;
    }
    if (b0 == kResponseStart) return AnalyseFrame(ring, address, sink);  // one response per tick
    // A request on the line: our own coming back (an RS-422 loop) or another master's.
    if (!ForOurAddress(ring.At(1), address)) {
      Take(ring, sink, 1, Piece::ForeignAddress);
      continue;
    }
    const std::uint8_t c = ring.At(2);
    if (c == kRead || c == kShortResponse) {
      Take(ring, sink, 5, Piece::Echo);
      sink.SelectRS422();
    } else if (c == kParameterWrite) {
      const int length = ParameterWriteLength(ring);
      if (ring.unreadCount < length) return true;  // the rest comes with a later tick
      Take(ring, sink, length, Piece::Echo);
      sink.SelectRS422();
    } else {
      Take(ring, sink, 3, Piece::UnknownCommand);
    }
  }
  return false;
}

void DropIncompleteStart(ReceiveRing& ring, FrameSink& sink) { Take(ring, sink, 1, Piece::Incomplete); }

// The board answers only with the commands it was sent (read, parameter write) and the
// five-byte response. Any other command byte, and a board-information length the ring can
// never hold, mean the start byte was not a frame start: it is dropped like that of a frame for
// another address, so the scan looks for the next start byte at once and the link mode stays.
bool AnalyseFrame(ReceiveRing& ring, int address, FrameSink& sink) {
  if (!ForOurAddress(ring.At(1), address)) {
    Take(ring, sink, 1, Piece::ForeignAddress);
    return false;
  }
  const std::uint8_t c = ring.At(2);
  if (c == kRead) {
    bool taken = true;
    switch (ring.At(3)) {
      case kRunData:
        taken = TakeReadResponse(ring, sink, 36, [&] { sink.ShowRunData(); });
        break;
      case kDeviceAddress:
        taken = TakeReadResponse(ring, sink, 7, [&] { sink.ShowAddress(); });
        break;
      case kBoardInfo: {
        const int length = ring.At(4) + 6;
        if (length > ReceiveRing::kSize) {
          Take(ring, sink, 1, Piece::UnknownCommand);
          return false;
        }
        taken = TakeReadResponse(ring, sink, length, [&] { sink.ShowBoardInfo(); });
        break;
      }
      case kFactoryData:
        // The factory data never change the link-mode display.
        return !TakeReadResponse(ring, sink, 18, [&] { sink.ShowFactoryData(); });
      default:
        Take(ring, sink, 3, Piece::UnknownCommand);
        return false;
    }
    if (taken) sink.LinkModeUpdate();
    return !taken;
  }
  if (c == kParameterWrite) {
    // Consumed whole at once, even with only five bytes here: the count may go below zero
    // and the bytes still to come count it back up.
    Take(ring, sink, ParameterWriteLength(ring), Piece::WriteAck);
    sink.LinkModeUpdate();
    return false;
  }
  if (c == kShortResponse) {
    Take(ring, sink, 5, Piece::ShortResponse);
    sink.LinkModeUpdate();
    return false;
  }
  Take(ring, sink, 1, Piece::UnknownCommand);
  return false;
}

}  // namespace kestrova
