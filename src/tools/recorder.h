#pragma once
// Recording to a CSV file: a header of captions with units, then one row per good run-data
// response with its time (ISO 8601 with milliseconds), every measurement and read-back setting
// from the same readout the main window is written from, and every lamp's state. UTF-8 with a byte-order mark; every row
// is flushed to the disk before the next response, so a crash or a power cut loses at most the
// row being written. A write error stops the recording and says why.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "monitor/run_data.h"

namespace kestrova {

class Recorder {
 public:
  Recorder() = default;
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;
  ~Recorder() { Stop(); }

  // Creates (or replaces) the file and writes the header; the reason in words when it cannot.
  std::optional<std::string> Start(const std::string& path);
  // One row of the readout just shown; after a write error the recording has stopped and the
  // reason is returned.
  std::optional<std::string> Row(std::int64_t wallMs, const RunDataReadout& shown);
  void Stop();

  bool Active() const { return file_ != nullptr; }
  const std::string& Path() const { return path_; }
  std::int64_t Rows() const { return rows_; }

  // The header line and one row, without the line end.
  static std::string HeaderText();
  static std::string RowText(std::int64_t wallMs, const RunDataReadout& shown);

 private:
  std::optional<std::string> Write(const std::string& text);

  std::FILE* file_ = nullptr;
  std::string path_;
  std::int64_t rows_ = 0;
};

// A recording whose data stop (the port closed or lost, the board silent) waits for them: the
// note says so, the event log marks where the gap starts and how long it lasted once rows
// come again.
class RecordingGap {
 public:
  // Every poll tick while recording: whether data cannot come now, and why. The event-log
  // sentence when a gap starts.
  std::optional<std::string> Tick(std::int64_t wallMs, bool stopped, const std::string& why);
  // A row was written: the event-log sentence when it ends a gap.
  std::optional<std::string> Row(std::int64_t wallMs);
  // "记录中：<file>（<n> 行）", or "记录等待数据：<file>（<n> 行）" in a gap.
  std::string Note(const std::string& file, std::int64_t rows) const;
  bool Waiting() const { return since_.has_value(); }

 private:
  std::optional<std::int64_t> since_;
};

// The reason for a failed file operation, from its errno value.
std::string FileErrorText(int error);

}  // namespace kestrova
