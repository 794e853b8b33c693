#pragma once
// The rules of the poll cycle, one pass per 250 ms timer tick: the tick counter and its four
// phases, the receive step, and how full the ring may be before nothing more is sent.
#include "link/serial_port.h"
#include "protocol/receive_ring.h"

namespace kestrova {

inline constexpr int kPollIntervalMs = 250;
inline constexpr int kTickWrap = 32000;        // a multiple of 4: the phases never skip at the wrap
inline constexpr int kSendLimit = 80;          // no request while this many bytes are unread
inline constexpr int kCommandSendLimit = 100;  // the same for phase 2, the command tick
inline constexpr int kCommandPhase = 2;
inline constexpr int kRunDataPhase = 0;

// The tick counter after one more tick.
constexpr int NextTick(int tick) { return tick + 1 >= kTickWrap ? 0 : tick + 1; }

// Moves every waiting byte of the port into the ring. Returns whether any arrived.
bool ReceiveData(SerialPort& port, ReceiveRing& ring);

// A frame start whose frame never completes must not hold the line: while the scan waits on
// it, nothing is decoded, and once 80 unread bytes pile up behind it nothing is sent either,
// so nothing more would ever arrive. The longest frame takes 133 ms at 9600 baud; when the
// line has stayed quiet for this many whole ticks under a waiting frame, its start is dropped.
inline constexpr int kQuietTicksBeforeDrop = 3;

class IncompleteFrameWatch {
 public:
  // After each tick's scan: whether bytes arrived this tick and whether the scan is waiting
  // for the rest of a frame. True when the frame's start byte is to be dropped now.
  bool StaleAfter(bool bytesArrived, bool waiting);

 private:
  int quietTicks_ = 0;
};

}  // namespace kestrova
