#pragma once
// The bus scan: which boards answer on the line. Each address of a range is asked for its
// board information with the request the console already sends; a board that gives no good
// answer in time is asked once more, then passed over. One request is on the line at a time.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bus/exchange.h"

namespace kestrova {

inline constexpr int kScanFirstAddress = 1;
inline constexpr int kScanLastAddress = 255;
inline constexpr int kScanAttempts = 2;  // the request and one resend

struct ScanRange {
  int from = 1;
  int to = 20;
};

// The range from the two address fields ("起始地址", "结束地址"): whole numbers 1..255, the
// first not above the last. On refusal, the message for the operator names the field and why.
struct ScanRangeCheck {
  std::optional<ScanRange> range;
  std::string refusal;
};
ScanRangeCheck CheckScanRange(std::string_view from, std::string_view to);

// A board that answered: its address, its board information and how long the answer took.
struct ScanFind {
  int address = 0;
  std::string model;
  std::string pcb;
  std::string software;
  std::int64_t answerMs = 0;
};

class BusScan {
 public:
  explicit BusScan(Exchange::Send send);

  // Starts over on the range: the first request goes out at once.
  void Start(ScanRange range, std::int64_t nowMs);
  // Ends the scan where it is; what was found stays.
  void Stop();

  // Bytes from the line.
  void Receive(std::span<const std::uint8_t> bytes, std::int64_t nowMs);
  // Takes the open request's outcome and asks the next address. Call it often (every few ms).
  void Step(std::int64_t nowMs);

  bool Running() const { return running_; }
  bool Finished() const { return !running_ && done_ == Total(); }
  ScanRange Range() const { return range_; }
  // The address being asked; the addresses done so far, and how many the range has.
  int Asking() const { return asking_; }
  int Done() const { return done_; }
  int Total() const { return range_.to - range_.from + 1; }
  const std::vector<ScanFind>& Found() const { return found_; }
  Exchange& Line() { return exchange_; }
  const Exchange& Line() const { return exchange_; }

  // For the event log: "总线扫描 1–20：找到 3 台：地址 1（M1）、5（M5）、9（M9）" or "...未找到应答的板".
  std::string Summary() const;

 private:
  void AskNext(std::int64_t nowMs);

  Exchange exchange_;
  ScanRange range_;
  bool running_ = false;
  int next_ = 1;
  int asking_ = 0;
  int done_ = 0;
  std::vector<ScanFind> found_;
};

}  // namespace kestrova
