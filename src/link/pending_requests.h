#pragma once
// What the operator asked of the board and the command tick has not served yet. The command
// tick (every fourth tick of the poll cycle) sends at most one frame, for the first request
// waiting in the order below; the settings and factory transmissions also take phases 0, 1
// and 3 while they run (the poll cycle's rules).
#include <bitset>
#include <optional>

namespace kestrova {

// In the order the command tick serves them.
enum class PollRequest {
  Settings,         // operating settings being written, one parameter a tick
  AddressRead,      // read the device address once
  AddressWrite,     // write the new device address once
  BoardInfo,        // read the board information until the board model has arrived
  SimTemperature,   // write the simulated temperature once
  FactorySettings,  // factory settings being written, one parameter a tick
};
inline constexpr int kPollRequestCount = 6;

class PendingRequests {
 public:
  void Add(PollRequest r) { waiting_.set(Index(r)); }
  void Remove(PollRequest r) { waiting_.reset(Index(r)); }
  bool Has(PollRequest r) const { return waiting_.test(Index(r)); }
  // The request the command tick serves first, or none.
  std::optional<PollRequest> First() const {
    for (int i = 0; i < kPollRequestCount; ++i)
      if (waiting_.test(i)) return static_cast<PollRequest>(i);
    return std::nullopt;
  }

 private:
  static constexpr std::size_t Index(PollRequest r) { return static_cast<std::size_t>(r); }
  std::bitset<kPollRequestCount> waiting_;
};

}  // namespace kestrova
