#include "tools/recorder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "settings/setting_pairs.h"
#include "tools/event_log.h"
#include "tools/wall_time.h"
#include "values/tr.h"

namespace kestrova {

namespace {

using namespace main_window;

struct Column {
  std::string RunDataReadout::*text;
  std::string_view caption;  // with the unit
};

// The measurements in the order of the window's right column and module group.
constexpr Column kMeasurements[] = {
    {&RunDataReadout::innerTemp, KTR_NOOP("Recorder", "内温度(°C)")},
    {&RunDataReadout::outerTemp, KTR_NOOP("Recorder", "外温度(°C)")},
    {&RunDataReadout::controlTemp, KTR_NOOP("Recorder", "控制温度(°C)")},
    {&RunDataReadout::current, KTR_NOOP("Recorder", "实时电流(A)")},
    {&RunDataReadout::voltage, KTR_NOOP("Recorder", "直流电压(V)")},
    {&RunDataReadout::innerFan, KTR_NOOP("Recorder", "内风机转速(r/min)")},
    {&RunDataReadout::outerFan, KTR_NOOP("Recorder", "外风机转速(r/min)")},
    {&RunDataReadout::counter, KTR_NOOP("Recorder", "通信计数")}};

// The window's fan speeds carry a leading blank.
std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string FileErrorText(int error) {
  switch (error) {
    case ENOSPC: return Tr("Recorder", "磁盘已满");
    case EACCES:
    case EPERM:
    case EROFS: return Tr("Recorder", "没有写入权限");
    case ENOENT: return Tr("Recorder", "文件或文件夹不存在");
    case EIO: return Tr("Recorder", "磁盘读写错误");
    case EDQUOT: return Tr("Recorder", "超出磁盘配额");
    case EFBIG: return Tr("Recorder", "文件太大");
    default: return std::strerror(error);
  }
}

std::string Recorder::HeaderText() {
  // The header is in the interface language (a field with a comma is quoted); the rows'
  // numbers are the same in every language.
  std::string line = Tr("Recorder", "时间");
  for (const Column& c : kMeasurements) line += "," + CsvField(Tr("Recorder", std::string(c.caption).c_str()));
  for (const SettingPair& pair : kSettingPairs) {
    const std::string caption = Tr("Settings", pair.caption);
    line += "," + CsvField(pair.unit.empty() ? caption : caption + "(" + std::string(pair.unit) + ")");
  }
  for (const LampMeaning& lamp : Lamps())
    if (lamp.Shown()) line += "," + CsvField(lamp.Caption());
  return line;
}

std::string Recorder::RowText(std::int64_t wallMs, const RunDataReadout& shown) {
  std::string line = IsoTime(wallMs);
  for (const Column& c : kMeasurements) line += "," + CsvField(Trimmed(shown.*c.text));
  for (const std::string& readBack : shown.readBacks) line += "," + CsvField(readBack);
  for (std::size_t i = 0; i < kLampCount; ++i)
    if (Lamps()[i].Shown()) line += "," + std::string(LampStateText(shown.values.lamps[i]));
  return line;
}

std::optional<std::string> Recorder::Start(const std::string& path) {
  Stop();
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) return Arg(Tr("Recorder", "无法创建记录文件（%1）"), {FileErrorText(errno)});
  path_ = path;
  rows_ = 0;
  return Write("\xEF\xBB\xBF" + HeaderText() + "\r\n");
}

std::optional<std::string> Recorder::Row(std::int64_t wallMs, const RunDataReadout& shown) {
  if (!file_) return std::nullopt;
  if (auto error = Write(RowText(wallMs, shown) + "\r\n")) return error;
  ++rows_;
  return std::nullopt;
}

std::optional<std::string> Recorder::Write(const std::string& text) {
  errno = 0;
  bool ok = std::fwrite(text.data(), 1, text.size(), file_) == text.size() && std::fflush(file_) == 0;
#ifndef _WIN32
  ok = ok && fdatasync(fileno(file_)) == 0;
#endif
  std::string reason = ok ? std::string() : FileErrorText(errno ? errno : EIO);
  // A file removed or moved away takes the rows with it: stop rather than write on unseen.
  struct stat st {};
  if (ok && stat(path_.c_str(), &st) != 0) reason = Tr("Recorder", "记录文件已被删除或移走");
  if (reason.empty()) return std::nullopt;
  Stop();
  return Arg(Tr("Recorder", "记录已停止：%1"), {reason});
}

void Recorder::Stop() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

std::optional<std::string> RecordingGap::Tick(std::int64_t wallMs, bool stopped, const std::string& why) {
  if (!stopped || since_) return std::nullopt;
  since_ = wallMs;
  return Arg(Tr("Recorder", "记录等待数据：%1"), {why});
}

std::optional<std::string> RecordingGap::Row(std::int64_t wallMs) {
  if (!since_) return std::nullopt;
  const std::int64_t gap = (wallMs - *since_) / 1000;
  since_.reset();
  return Arg(Tr("Recorder", "记录恢复：中断 %1 秒"), {std::to_string(gap)});
}

std::string RecordingGap::Note(const std::string& file, std::int64_t rows) const {
  return Arg(since_ ? Tr("Recorder", "记录等待数据：%1（%2 行）") : Tr("Recorder", "记录中：%1（%2 行）"),
             {file, std::to_string(rows)});
}

}  // namespace kestrova
