#pragma once
// The traffic monitor's store: the last 10 000 runs of bytes on the line, both ways, each with
// its wall-clock time. Bytes the frame scan throws away one after another for one reason are
// one entry ("7A 7B 7C", noise), up to kMaxRun bytes. Meanings are worked out only when an
// entry is shown.
#include "link/link_statistics.h"
#include "tools/numbered_log.h"

namespace kestrova {

class TrafficLog : public NumberedLog<LinkEvent> {
 public:
  // The longest run of thrown-away bytes in one entry.
  static constexpr std::size_t kMaxRun = 64;

  // The event with its time replaced by the wall-clock time it was seen at.
  void Add(const LinkEvent& event, std::int64_t wallMs);
};

// Whether the frame scan threw these bytes away (noise, a NAK pair, another address's start
// byte, an unknown command, a frame that never completed).
bool Discarded(const LinkEvent& event);

}  // namespace kestrova
