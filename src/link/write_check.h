#pragma once
// Did the board take what a settings transmission wrote? Each write is remembered with where
// the board reports that parameter; once the transmission has sent its last frame, the first
// report requested after it is compared with what was sent.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "protocol/receive_ring.h"

namespace kestrova {

struct WrittenValue {
  std::string caption;                // "高温报警"
  int offset;                         // of its (first) byte in the report
  int width;                          // 1 or 2 bytes, high byte first
  std::array<std::uint8_t, 2> sent;   // the data byte(s) written
  // The value as the operator reads it, from its byte(s).
  std::function<std::string(std::uint8_t high, std::uint8_t low)> text;
};

// One written value beside what the board reported for it afterwards.
struct CheckedValue {
  std::string caption;   // "高温报警"
  std::string sent;      // "50"
  std::string readBack;  // "45"
  bool matches;
};

struct WriteCheckResult {
  bool matches;
  std::string text;  // for the status bar
  std::string tip;   // every difference, one per line
  std::vector<CheckedValue> values;  // every written value, in the order written
};

class WriteCheck {
 public:
  // A transmission starts (or restarts): what was remembered is forgotten.
  void Start();
  void Written(WrittenValue value);
  // The transmission sent its last frame.
  void Finish();
  // A read of the report was sent: the answer to it is the one to compare.
  void ReportRequested();
  // A good report at the ring's read index: the comparison, once per finished transmission.
  std::optional<WriteCheckResult> Compare(const ReceiveRing& report);

 private:
  enum class Stage { Idle, Writing, AwaitRequest, AwaitReport };
  Stage stage_ = Stage::Idle;
  std::vector<WrittenValue> written_;
};

}  // namespace kestrova
