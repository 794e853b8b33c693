#pragma once
// The event log: lamp transitions between successive run-data responses (alarms raised and
// cleared, work states started and stopped), what happened to the link (opened, closed, lost,
// no reply, recovered, checksum errors) and the check of every settings transmission. Bounded;
// entries are numbered from the start so a view can follow it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "link/link_statistics.h"
#include "link/write_check.h"
#include "monitor/run_data.h"
#include "tools/numbered_log.h"

namespace kestrova {

struct EventEntry {
  enum class Kind { Alarm, WorkState, Link, Settings };
  std::int64_t atMs;  // wall clock
  Kind kind;
  std::string text;
};

// "告警", "工作状态", "通信", "设置".
std::string EventKindText(EventEntry::Kind kind);

class EventLog : public NumberedLog<EventEntry> {
 public:
  // A good run-data response: one entry per lamp whose state changed since the last one (the
  // first response after the port was opened compares with every lamp off).
  void RunData(std::int64_t wallMs, const RunDataValues& values);
  // After every poll tick: the port's state and the line's counts (monoMs: the clock of stats).
  void LinkTick(std::int64_t wallMs, bool open, const LinkStatistics& stats, std::int64_t monoMs);
  // The port went away ("<device>（<reason>）"), told before the tick that finds it closed.
  void PortLost(std::int64_t wallMs, const std::string& text);
  void WriteChecked(std::int64_t wallMs, const WriteCheckResult& result);
  // A line event a service tool reports: the bus scan's start and what it found.
  void LineNote(std::int64_t wallMs, std::string text) { Add(wallMs, EventEntry::Kind::Link, std::move(text)); }

  // Told of every entry as it is added (the trend plot's markers).
  std::function<void(const EventEntry&)> Added;

  // "时间,类别,事件" and one line per entry, CRLF line ends (UTF-8, no BOM).
  std::string Csv() const;

 private:
  void Add(std::int64_t wallMs, EventEntry::Kind kind, std::string text);

  std::array<int, kLampCount> lamps_{};
  bool open_ = false;
  bool silent_ = false;
  bool lostTold_ = false;
  std::int64_t checksumErrors_ = 0;
};

// One CSV field: quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);

}  // namespace kestrova
