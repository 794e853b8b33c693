#pragma once
// What happens on the line since the port was opened: requests sent, responses taken, bytes
// thrown away, and when the board last answered. The frame scan and analysis feed it, the
// poll cycle tells it what it sent; the status bar and the service tools read it, never the
// widgets. An observer sees every frame both ways (only then are the bytes copied).
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "protocol/frame_analysis.h"
#include "protocol/receive_ring.h"

namespace kestrova {

struct LinkEvent {
  enum class Direction { Sent, Received };
  Direction direction;
  Piece piece;  // for received bytes; Piece::Echo for what the console sent
  std::vector<std::uint8_t> bytes;
  std::int64_t atMs;
};

class LinkStatistics {
 public:
  // Responses whose checksum is tested that the interference figure looks back over.
  static constexpr int kRecentResponses = 20;

  // The port was opened: every count starts again.
  void Opened(std::int64_t nowMs);
  void Sent(std::span<const std::uint8_t> frame, std::int64_t nowMs);
  // A run of consumed input bytes (called before they are consumed).
  void Received(const ReceiveRing& ring, int length, Piece piece, std::int64_t nowMs);

  std::int64_t Requests() const { return requests_; }
  std::int64_t GoodResponses() const { return good_; }
  std::int64_t ChecksumErrors() const { return checksumErrors_; }
  std::int64_t DiscardedBytes() const { return discarded_; }
  std::int64_t OpenedAtMs() const { return openedAt_; }
  std::optional<std::int64_t> LastSentMs() const { return lastSent_; }
  // Last good response of any kind, and last good run-data response.
  std::optional<std::int64_t> LastGoodMs() const { return lastGood_; }
  std::optional<std::int64_t> LastRunDataMs() const { return lastRunData_; }
  // Last answer that arrived whole but failed its checksum.
  std::optional<std::int64_t> LastBadChecksumMs() const { return lastBad_; }
  // Of the last (up to 20) responses with a tested checksum: how many, and how many failed.
  int RecentResponses() const { return static_cast<int>(recent_.size()); }
  int RecentErrors() const;

  void SetObserver(std::function<void(const LinkEvent&)> observer) { observer_ = std::move(observer); }

 private:
  void Tell(LinkEvent::Direction direction, Piece piece, std::vector<std::uint8_t> bytes, std::int64_t nowMs);

  std::int64_t requests_ = 0, good_ = 0, checksumErrors_ = 0, discarded_ = 0;
  std::int64_t openedAt_ = 0;
  std::optional<std::int64_t> lastSent_, lastGood_, lastRunData_, lastBad_;
  std::deque<bool> recent_;  // true: checksum error
  std::function<void(const LinkEvent&)> observer_;
};

}  // namespace kestrova
