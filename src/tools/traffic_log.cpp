#include "tools/traffic_log.h"

namespace kestrova {

void TrafficLog::Add(const LinkEvent& event, std::int64_t wallMs) {
  if (entries_.size() == kCapacity) entries_.pop_front();
  entries_.push_back(event);
  entries_.back().atMs = wallMs;
  ++end_;
}

void TrafficLog::Clear() { entries_.clear(); }

}  // namespace kestrova
