#pragma once
// Did the board take what a settings transmission wrote? Each write is remembered with where
// the board reports that parameter; once the transmission has sent its last frame, the first
// report requested after it is compared with what was sent. A value the board did not take
// stays outstanding, looked at again in every later report, until the board reports the sent
// value, the operator edits that field, or a new transmission starts.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/receive_ring.h"

namespace kestrova {

struct WrittenValue {
  std::string field;                  // the edit field it was sent from: "S_TempMax_Text"
  std::string caption;                // "高温报警"
  int offset;                         // of its (first) byte in the report
  int width;                          // 1 or 2 bytes, high byte first
  std::array<std::uint8_t, 2> sent;   // the data byte(s) written
  // The value as the operator reads it, from its byte(s).
  std::function<std::string(std::uint8_t high, std::uint8_t low)> text;
};

// A value the board reports other than it was written.
struct NotTaken {
  std::string field;
  std::string caption;
  std::string sent;      // "50"
  std::string readBack;  // "45"
  // "写入 50，读回 45": what the edit field's tooltip says.
  std::string Difference() const;
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
  // One sentence for the status bar and the event log: "设置未生效：高温报警 写入 50，读回 45"
  // (every value not taken, separated by "；"), or "设置已写入，读回一致（3 项）".
  std::string text;
  std::vector<NotTaken> notTaken;
  std::vector<CheckedValue> values;  // every written value, in the order written
};

// "设置未生效：高温报警 写入 50，读回 45；…" for the values not taken; "" for none.
std::string NotTakenSentence(const std::vector<NotTaken>& values);

class WriteCheck {
 public:
  // A transmission starts (or restarts): what was remembered, and what was not taken, is forgotten.
  void Start();
  void Written(WrittenValue value);
  // The transmission sent its last frame.
  void Finish();
  // A read of the report was sent: the answer to it is the one to compare.
  void ReportRequested();
  // A good report at the ring's read index: the comparison, once per finished transmission.
  // Every other report updates the values still outstanding (and drops those now taken).
  std::optional<WriteCheckResult> Compare(const ReceiveRing& report);
  // The operator edited the field: its outstanding value is forgotten.
  void Edited(std::string_view field);

  // Values the board has not taken so far, in the order they were written.
  const std::vector<NotTaken>& Outstanding() const { return outstanding_; }

 private:
  enum class Stage { Idle, Writing, AwaitRequest, AwaitReport };
  // The values of `values` the report does not hold.
  static std::vector<NotTaken> Differences(const std::vector<WrittenValue>& values, const ReceiveRing& report);

  Stage stage_ = Stage::Idle;
  std::vector<WrittenValue> written_;
  std::vector<WrittenValue> untaken_;   // the written values behind outstanding_
  std::vector<NotTaken> outstanding_;
};

}  // namespace kestrova
