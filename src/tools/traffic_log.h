#pragma once
// The traffic monitor's store: the last 10 000 runs of bytes on the line, both ways, each with
// its wall-clock time. Entries are numbered from the start, so a view can follow what was
// added and what fell off the front. Meanings are worked out only when an entry is shown.
#include <cstddef>
#include <cstdint>
#include <deque>

#include "link/link_statistics.h"

namespace kestrova {

class TrafficLog {
 public:
  static constexpr std::size_t kCapacity = 10000;

  // The event with its time replaced by the wall-clock time it was seen at.
  void Add(const LinkEvent& event, std::int64_t wallMs);
  void Clear();

  std::size_t Size() const { return entries_.size(); }
  const LinkEvent& At(std::size_t i) const { return entries_[i]; }
  // Number of the first entry held, and one past the last.
  std::int64_t FirstNumber() const { return end_ - static_cast<std::int64_t>(entries_.size()); }
  std::int64_t EndNumber() const { return end_; }

 private:
  std::deque<LinkEvent> entries_;
  std::int64_t end_ = 0;
};

}  // namespace kestrova
