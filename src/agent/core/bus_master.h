#pragma once
// The one master of a line of boards: whom to ask next, what a board's silence means, and when
// a write goes out and how it is judged. It starts nothing itself: the program asks Next() for
// the request to put on the line, runs it through the exchange and reports the outcome with
// Answered() or NoAnswer(); the bus reports boards and values through BusEvents.
//
//  - Each board's run data every interval, on its own schedule; its board information when it
//    is first seen and whenever it comes back.
//  - A board silent for 3 polls in a row is offline; it is then asked with pauses that double
//    from one interval up to 60 s, so a dead board costs the others only its own timeouts.
//  - Writes wait for the current exchange and go before the next poll. The next run data of
//    that board judges them by the read-back of the setting's bytes.
#include <cstdint>
#include <deque>
#include <optional>
#include <string_view>
#include <vector>

#include "agent/core/messages.h"
#include "protocol/frames.h"

namespace kestrova::agent {

class BusEvents {
 public:
  virtual ~BusEvents() = default;
  virtual void Availability(int address, bool online) = 0;
  virtual void Info(int address, const BoardInfo& info) = 0;
  virtual void State(int address, const BoardState& state) = 0;
  virtual void Result(int address, const WriteResult& result) = 0;
};

struct Request {
  enum class Kind { None, Read, Write };
  Kind kind = Kind::None;
  std::uint8_t address = 0;
  std::uint8_t subtype = 0;  // for a read: kRunData or kBoardInfo
  Frame frame;               // for a write: the parameter write
};

class BusMaster {
 public:
  static constexpr int kSilentPollsOffline = 3;
  static constexpr std::int64_t kLongestPauseMs = 60'000;

  BusMaster(std::vector<int> addresses, std::int64_t intervalMs, BusEvents& events, std::int64_t nowMs);

  // The request to put on the line now, or Kind::None when nothing is due before WakeMs().
  // Call only while no exchange is open; the next call must follow Answered or NoAnswer.
  Request Next(std::int64_t nowMs);
  // When the next request falls due.
  std::int64_t WakeMs() const;
  // The outcome of the request Next returned: the whole, checksum-good answer, or none.
  void Answered(const Frame& answer, std::int64_t nowMs);
  void NoAnswer(std::int64_t nowMs);

  // A write asked for over the broker: checked at once (a refusal comes back through
  // BusEvents::Result), queued otherwise. Addresses not on the line are ignored.
  void SubmitWrite(int address, std::string_view key, std::string_view payload);

  // The line is gone (adapter pulled): every board offline, pending writes failed. Polling
  // starts again from scratch when the program calls Next once the line is back.
  void LineLost(std::int64_t nowMs);

  bool Online(int address) const;
  const std::vector<int>& Addresses() const { return addresses_; }

 private:
  struct PendingWrite {
    std::size_t setting;   // index in kSettingPairs
    double sent;
    Frame frame;
    bool onLine = false;   // sent: the next run data judges it
  };
  struct Board {
    int address = 0;
    bool online = false;
    int silentPolls = 0;
    std::int64_t dueMs = 0;
    std::int64_t pauseMs = 0;
    bool infoDue = false;      // ask for the board information next
    bool readBackDue = false;  // a write went out: its run data next
    bool infoKnown = false;
    std::vector<PendingWrite> writes;
  };

  Board* Find(int address);
  void GoOffline(Board& board);
  void FailWrites(Board& board, std::string_view reason);
  void Judge(Board& board, const BoardState& state);

  std::vector<int> addresses_;
  std::vector<Board> boards_;
  std::int64_t intervalMs_;
  BusEvents& events_;
  // The write queue: board index and the write's index in its list.
  std::deque<std::size_t> writeQueue_;
  std::optional<Request> current_;
  std::size_t currentBoard_ = 0;
};

// True when the text is a plain decimal number: an optional minus, digits, an optional point
// and digits ("25", "-10", "0.5").
bool PlainDecimal(std::string_view text);

}  // namespace kestrova::agent
