#include "tools/traffic_log.h"

namespace kestrova {

bool Discarded(const LinkEvent& e) {
  if (e.direction != LinkEvent::Direction::Received) return false;
  switch (e.piece) {
    case Piece::Noise:
    case Piece::Nak:
    case Piece::ForeignAddress:
    case Piece::UnknownCommand:
    case Piece::Incomplete: return true;
    default: return false;
  }
}

void TrafficLog::Add(const LinkEvent& event, std::int64_t wallMs) {
  // The scan throws bytes away one to three at a time; a burst of interference is one entry.
  if (!Empty() && Discarded(event)) {
    const LinkEvent& last = At(Size() - 1);
    if (last.direction == event.direction && last.piece == event.piece &&
        last.bytes.size() + event.bytes.size() <= kMaxRun) {
      std::vector<std::uint8_t>& bytes = Last().bytes;
      bytes.insert(bytes.end(), event.bytes.begin(), event.bytes.end());
      return;
    }
  }
  Append(event).atMs = wallMs;
}

}  // namespace kestrova
