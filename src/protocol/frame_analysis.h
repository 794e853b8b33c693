#pragma once
// The frame scan and the analysis of one response frame. Both work on the receive ring in
// place; what a good response means for the windows is left to a FrameSink.
#include <cstdint>

#include "protocol/receive_ring.h"

namespace kestrova {

// What the scan and the analysis did with a run of input bytes they consumed.
enum class Piece {
  Noise,           // one byte that cannot start a frame
  Nak,             // 0x15 and the byte after it
  ForeignAddress,  // the start byte of a frame for another address
  Echo,            // a whole request frame: the console's own coming back, or another master's
  UnknownCommand,  // head bytes of a frame with a command or sub-type the console does not know
  Response,        // a read response whose checksum holds (decoded before it was consumed)
  BadChecksum,     // a whole read response whose checksum does not hold
  WriteAck,        // a write acknowledgement (its checksum is not tested)
  ShortResponse,   // a five-byte response (0x2D)
  Incomplete,      // the start byte of a frame that never completed while the line was quiet
};

// Where the analysis hands complete, checksum-good responses and the link-mode changes.
// Every Show... reads the frame at ring.readIndex before it is consumed.
class FrameSink {
 public:
  virtual ~FrameSink() = default;
  // Every consumed run of bytes, told before it is consumed: its bytes are ring.At(0) up to
  // ring.At(length - 1), of which only the first ring.unreadCount have arrived (a write
  // acknowledgement is consumed whole before all of it is here).
  virtual void Consumed(const ReceiveRing& ring, int length, Piece piece) {
    (void)ring, (void)length, (void)piece;
  }
  virtual void ShowRunData() = 0;      // 36-byte run-data response
  virtual void ShowAddress() = 0;      // 7-byte address response
  virtual void ShowBoardInfo() = 0;    // n+6-byte board-information response
  virtual void ShowFactoryData() = 0;   // 18-byte factory-data response
  // After a consumed response: select RS485 unless RS422 is already selected.
  virtual void LinkModeUpdate() = 0;
  // An echo of a console request was met in the input: the line is an RS-422 loop.
  virtual void SelectRS422() = 0;
};

// One pass of the frame scan: skips noise, NAK pairs and echoed requests, and calls
// AnalyseFrame on the first response it meets (then stops). Runs while unreadCount >= 5.
// Returns true when it stopped at a frame start whose frame has not completely arrived.
bool ScanFrames(ReceiveRing& ring, int address, FrameSink& sink);

// Drops the start byte of the frame the scan is waiting for (Piece::Incomplete), so the scan
// looks for the next start byte: the frame was no frame, or its rest is lost.
void DropIncompleteStart(ReceiveRing& ring, FrameSink& sink);

// Examines the response at readIndex (start byte 0x06 and unreadCount >= 5 are given):
// address filter, completeness wait, checksum test, decoder, consume, link-mode update.
// Returns true when it left an incomplete response in place.
bool AnalyseFrame(ReceiveRing& ring, int address, FrameSink& sink);

}  // namespace kestrova
