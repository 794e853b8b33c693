#include "link/link_statistics.h"

#include <algorithm>

#include "protocol/frames.h"

namespace kestrova {

void LinkStatistics::Opened(std::int64_t nowMs) {
  requests_ = good_ = checksumErrors_ = discarded_ = 0;
  openedAt_ = nowMs;
  lastSent_.reset();
  lastGood_.reset();
  lastRunData_.reset();
  lastBad_.reset();
  recent_.clear();
}

void LinkStatistics::Sent(std::span<const std::uint8_t> frame, std::int64_t nowMs) {
  ++requests_;
  lastSent_ = nowMs;
  if (observer_) Tell(LinkEvent::Direction::Sent, Piece::Echo, {frame.begin(), frame.end()}, nowMs);
}

void LinkStatistics::Received(const ReceiveRing& ring, int length, Piece piece, std::int64_t nowMs) {
  switch (piece) {
    case Piece::Response:
    case Piece::WriteAck:
    case Piece::ShortResponse:
      ++good_;
      lastGood_ = nowMs;
      if (piece == Piece::Response) {
        if (ring.At(2) == kRead && ring.At(3) == kRunData) lastRunData_ = nowMs;
        recent_.push_back(false);
      }
      break;
    case Piece::BadChecksum:
      ++checksumErrors_;
      lastBad_ = nowMs;
      recent_.push_back(true);
      break;
    case Piece::Noise:
    case Piece::Nak:
    case Piece::ForeignAddress:
    case Piece::UnknownCommand:
    case Piece::Incomplete:
      discarded_ += length;
      break;
    case Piece::Echo:
      break;
  }
  while (static_cast<int>(recent_.size()) > kRecentResponses) recent_.pop_front();
  if (!observer_) return;
  // A write acknowledgement is consumed before all of it may be here: only what arrived.
  const int here = std::clamp(std::min(length, ring.unreadCount), 0, ReceiveRing::kSize);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(here));
  for (int k = 0; k < here; ++k) bytes[static_cast<std::size_t>(k)] = ring.At(k);
  Tell(LinkEvent::Direction::Received, piece, std::move(bytes), nowMs);
}

int LinkStatistics::RecentErrors() const { return static_cast<int>(std::count(recent_.begin(), recent_.end(), true)); }

void LinkStatistics::Tell(LinkEvent::Direction direction, Piece piece, std::vector<std::uint8_t> bytes,
                          std::int64_t nowMs) {
  observer_(LinkEvent{direction, piece, std::move(bytes), nowMs});
}

}  // namespace kestrova
