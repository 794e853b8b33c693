#pragma once
// One request on a line shared by several boards, and the wait for its answer. The console's
// bus scan and a bus master polling many boards both go through it: it sends the request,
// recognises the answer exactly as the console's frame scan does (address, command and
// sub-type, checksum), resends a read once when no good answer came in time, and counts what
// happened on the line. It knows nothing of windows or of the port behind Send.
#include <cstdint>
#include <functional>
#include <span>

#include "protocol/frame_analysis.h"
#include "protocol/frames.h"
#include "protocol/receive_ring.h"

namespace kestrova {

inline constexpr int kLineBaud = 9600;
// The longest a board takes from the end of a request to its first answer byte.
inline constexpr int kBoardTurnaroundMs = 50;
// What the answer may lag behind the line besides that: the adapter's buffering, the
// scheduling of both ends.
inline constexpr int kAnswerMarginMs = 100;

// Milliseconds n bytes take on the line at 9600 baud, 8N1 (10 bit times a byte), rounded up.
constexpr int LineMs(int bytes) { return (bytes * 10 * 1000 + kLineBaud - 1) / kLineBaud; }

// How long to wait for an answer from the moment the request is handed to the port: both
// frames on the line, the board's turnaround and the margin (about 150-250 ms).
constexpr int AnswerTimeoutMs(int requestBytes, int answerBytes) {
  return LineMs(requestBytes) + LineMs(answerBytes) + kBoardTurnaroundMs + kAnswerMarginMs;
}

// Bytes of the answer to a read of this sub-type; for the board information, whose length the
// board chooses, that of a 32-character text.
int ExpectedAnswerBytes(std::uint8_t subtype);

enum class ExchangeResult { Pending, Answered, NoAnswer };

struct LineCounters {
  std::uint64_t requests = 0;      // frames sent, resends included
  std::uint64_t answers = 0;       // answers matched to their request
  std::uint64_t badChecksums = 0;  // whole read responses whose checksum failed
  std::uint64_t timeouts = 0;      // attempts that got no good answer in time
  std::uint64_t discarded = 0;     // bytes that answered nothing asked (noise, late or foreign)
};

class Exchange final : private FrameSink {
 public:
  using Send = std::function<void(std::span<const std::uint8_t>)>;
  // Every run of received bytes as the frame scan consumed it, told before it is consumed
  // (for a traffic monitor); optional.
  using Observer = std::function<void(const ReceiveRing& ring, int length, Piece piece)>;

  explicit Exchange(Send send);

  void SetObserver(Observer observer) { observer_ = std::move(observer); }

  // A read request (run data, board information...) to one board; attempts = 1 + resends.
  void StartRead(std::uint8_t address, std::uint8_t subtype, std::int64_t nowMs, int attempts = 2);
  // A parameter write: done at its acknowledgement or at its timeout, never resent (the
  // read-back judges whether it took).
  void StartWrite(const Frame& frame, std::int64_t nowMs);
  // Leaves the open exchange without an outcome; what is still held is thrown away.
  void Cancel();

  // Bytes from the line.
  void Receive(std::span<const std::uint8_t> bytes, std::int64_t nowMs);
  // Decides at the deadline: resends a read that has attempts left, gives up after the last.
  // Keeps telling the outcome until the next start; Pending before any start or after Cancel.
  ExchangeResult Poll(std::int64_t nowMs);

  // From a start until Poll has told its outcome (answered or given up), or until Cancel: no
  // second request may go out while an answer that came in is still to be taken.
  bool Busy() const { return open_; }
  // The whole answer frame after Answered: checksum-good for a read; a write's acknowledgement
  // (whose checksum the board's protocol leaves untested).
  const Frame& Answer() const { return answer_; }
  // From the last send to the answer.
  std::int64_t AnswerMs() const { return answerAt_ - sentAt_; }
  // When Poll next has something to decide.
  std::int64_t DeadlineMs() const { return deadline_; }
  const LineCounters& Counters() const { return counters_; }

 private:
  enum class State { Idle, Waiting, Answered, NoAnswer };

  void SendRequest(std::int64_t nowMs);
  ExchangeResult Settle(std::int64_t nowMs);
  void Scan(std::int64_t nowMs);
  bool Matches(const ReceiveRing& ring, std::uint8_t command) const;

  // FrameSink: only Consumed matters; the decoders have nothing to show.
  void Consumed(const ReceiveRing& ring, int length, Piece piece) override;
  void ShowRunData() override {}
  void ShowAddress() override {}
  void ShowBoardInfo() override {}
  void ShowFactoryData() override {}
  void LinkModeUpdate() override {}
  void SelectRS422() override {}

  Send send_;
  Observer observer_;
  ReceiveRing ring_;
  State state_ = State::Idle;
  bool open_ = false;  // started, outcome not yet told by Poll
  Frame request_;
  Frame answer_;
  int attemptsLeft_ = 0;
  int timeoutMs_ = 0;
  int ackMissing_ = 0;  // bytes of a write acknowledgement consumed before they arrived
  std::int64_t sentAt_ = 0;
  std::int64_t answerAt_ = 0;
  std::int64_t deadline_ = 0;
  std::int64_t scanNow_ = 0;
  LineCounters counters_;
};

}  // namespace kestrova
