#pragma once
// The frame scan and the analysis of one response frame. Both work on the receive ring in
// place; what a good response means for the windows is left to a FrameSink.
#include <cstdint>

#include "protocol/receive_ring.h"

namespace kestrova {

// Where the analysis hands complete, checksum-good responses and the link-mode changes.
// Every Show... reads the frame at ring.m_DataPointer before it is consumed.
class FrameSink {
 public:
  virtual ~FrameSink() = default;
  virtual void ShowRunData() = 0;      // 36-byte run-data response
  virtual void ShowAddress() = 0;      // 7-byte address response
  virtual void ShowBoardInfo() = 0;    // n+6-byte board-information response
  virtual void ShowFSetupData() = 0;   // 18-byte factory-data response
  // After a consumed response: select RS485 unless RS422 is already selected.
  virtual void LinkModeUpdate() = 0;
  // An echo of a console request was met in the input: the line is an RS-422 loop.
  virtual void SelectRS422() = 0;
};

// One pass of the frame scan: skips noise, NAK pairs and echoed requests, and calls
// AnalyseFrame on the first response it meets (then stops). Runs while m_DataNo >= 5.
void ScanFrames(ReceiveRing& ring, int address, FrameSink& sink);

// Examines the response at m_DataPointer (start byte 0x06 and m_DataNo >= 5 are given):
// address filter, completeness wait, checksum test, decoder, consume, link-mode update.
void AnalyseFrame(ReceiveRing& ring, int address, FrameSink& sink);

}  // namespace kestrova
