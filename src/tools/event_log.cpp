#include "tools/event_log.h"

#include "link/link_status.h"
#include "tools/frame_meaning.h"
#include "tools/wall_time.h"
#include "values/tr.h"

namespace kestrova {

std::string EventKindText(EventEntry::Kind kind) {
  switch (kind) {
    case EventEntry::Kind::Alarm: return Tr("Events", "告警");
    case EventEntry::Kind::WorkState: return Tr("Events", "工作状态");
    case EventEntry::Kind::Link: return Tr("Events", "通信");
    case EventEntry::Kind::Settings: return Tr("Events", "设置");
  }
  return {};
}

void EventLog::Add(std::int64_t wallMs, EventEntry::Kind kind, std::string text) {
  const EventEntry& added = Append({wallMs, kind, std::move(text)});
  if (Added) Added(added);
}

void EventLog::RunData(std::int64_t wallMs, const RunDataValues& v) {
  for (std::size_t i = 0; i < kLampCount; ++i) {
    if (!Lamps()[i].Shown() || v.lamps[i] == lamps_[i]) continue;
    const bool alarm = v.lamps[i] == kLampAlarm || lamps_[i] == kLampAlarm;
    const std::string caption = Lamps()[i].Caption();
    if (alarm)
      Add(wallMs, EventEntry::Kind::Alarm,
          Arg(v.lamps[i] == kLampAlarm ? Tr("Events", "%1 告警") : Tr("Events", "%1 解除"), {caption}));
    else
      Add(wallMs, EventEntry::Kind::WorkState,
          v.lamps[i] == kLampOff ? Arg(Tr("Events", "%1 停止"), {caption})
                                 : Arg(Tr("Events", "%1 %2"), {caption, LampStateText(v.lamps[i])}));
  }
  lamps_ = v.lamps;
}

void EventLog::LinkTick(std::int64_t wallMs, bool open, const LinkStatistics& stats, std::int64_t monoMs) {
  if (open != open_) {
    open_ = open;
    if (open) {
      Add(wallMs, EventEntry::Kind::Link, Tr("Events", "串口已打开"));
      lamps_ = {};
      silent_ = false;
      checksumErrors_ = stats.ChecksumErrors();
    } else if (!lostTold_) {
      Add(wallMs, EventEntry::Kind::Link, Tr("Events", "串口已关闭"));
    }
    lostTold_ = false;
  }
  if (!open) return;
  if (stats.ChecksumErrors() > checksumErrors_) {
    Add(wallMs, EventEntry::Kind::Link, Arg(Tr("Events", "校验错 %1 帧"), {std::to_string(stats.ChecksumErrors() - checksumErrors_)}));
    checksumErrors_ = stats.ChecksumErrors();
  }
  const std::int64_t heard = stats.LastGoodMs().value_or(stats.OpenedAtMs());
  const bool silent = stats.Requests() > 0 && monoMs - heard > kNoReplyMs;
  // As the status bar tells them apart: answers that only fail their checksum are interference.
  const auto bad = stats.LastBadChecksumMs();
  const bool corrupted = bad && monoMs - *bad < kNoReplyMs;
  if (silent && !silent_) Add(wallMs, EventEntry::Kind::Link, corrupted ? Tr("Events", "通信干扰：应答均校验错误") : Tr("Events", "无应答"));
  if (!silent && silent_) Add(wallMs, EventEntry::Kind::Link, Tr("Events", "通信恢复"));
  silent_ = silent;
}

void EventLog::PortLost(std::int64_t wallMs, const std::string& text) {
  Add(wallMs, EventEntry::Kind::Link, Arg(Tr("Events", "串口已断开：%1"), {text}));
  lostTold_ = true;
}

// The check's own sentence, once: it already names every value not taken.
void EventLog::WriteChecked(std::int64_t wallMs, const WriteCheckResult& result) {
  Add(wallMs, EventEntry::Kind::Settings, result.text);
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string EventLog::Csv() const {
  std::string csv = Tr("Events", "时间,类别,事件") + "\r\n";
  for (std::size_t i = 0; i < Size(); ++i) {
    const EventEntry& e = At(i);
    csv += IsoTime(e.atMs) + "," + std::string(EventKindText(e.kind)) + "," + CsvField(e.text) + "\r\n";
  }
  return csv;
}

}  // namespace kestrova
