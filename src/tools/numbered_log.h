#pragma once
// A bounded log whose entries are numbered from the start: a view follows it by number, so it
// can tell what was added at the end, what fell off the front and what changed, whatever
// happened since it last looked. The traffic monitor and the event log are both one.
#include <cstddef>
#include <cstdint>
#include <deque>

namespace kestrova {

template <class Entry>
class NumberedLog {
 public:
  static constexpr std::size_t kCapacity = 10000;

  std::size_t Size() const { return entries_.size(); }
  const Entry& At(std::size_t i) const { return entries_[i]; }
  // Number of the first entry held, and one past the last.
  std::int64_t FirstNumber() const { return end_ - static_cast<std::int64_t>(entries_.size()); }
  std::int64_t EndNumber() const { return end_; }
  // The entry with that number, or null when the log does not hold it (any more).
  const Entry* Numbered(std::int64_t number) const {
    if (number < FirstNumber() || number >= end_) return nullptr;
    return &entries_[static_cast<std::size_t>(number - FirstNumber())];
  }
  // Changes with every entry added, changed or dropped.
  std::int64_t Revision() const { return revision_; }
  void Clear() {
    entries_.clear();
    ++revision_;
  }

 protected:
  Entry& Append(Entry entry) {
    if (entries_.size() == kCapacity) entries_.pop_front();
    entries_.push_back(std::move(entry));
    ++end_;
    ++revision_;
    return entries_.back();
  }
  // The last entry, to be changed in place.
  Entry& Last() {
    ++revision_;
    return entries_.back();
  }
  bool Empty() const { return entries_.empty(); }

 private:
  std::deque<Entry> entries_;
  std::int64_t end_ = 0;
  std::int64_t revision_ = 0;
};

}  // namespace kestrova
