#include "tools/recorder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "panel/controls.h"
#include "settings/setting_pairs.h"
#include "tools/event_log.h"
#include "tools/frame_meaning.h"
#include "tools/wall_time.h"

namespace kestrova {

namespace {

using namespace main_window;

struct Column {
  std::string_view field;
  std::string_view caption;  // with the unit
};

// The measurements in the order of the window's right column and module group.
constexpr Column kMeasurements[] = {
    {kInnerTemperature, "内温度(°C)"},         {kOuterTemperature, "外温度(°C)"},          {kControlTemperature, "控制温度(°C)"},
    {kLiveCurrent, "实时电流(A)"},   {kSupplyVoltage, "直流电压(V)"},     {kInnerFanSpeed, "内风机转速(r/min)"},
    {kOuterFanSpeed, "外风机转速(r/min)"}, {kCommCounter, "通信计数"}};

std::string Trimmed(std::string text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string FileErrorText(int error) {
  switch (error) {
    case ENOSPC: return "磁盘已满";
    case EACCES:
    case EPERM:
    case EROFS: return "没有写入权限";
    case ENOENT: return "文件或文件夹不存在";
    case EIO: return "磁盘读写错误";
    case EDQUOT: return "超出磁盘配额";
    case EFBIG: return "文件太大";
    default: return std::strerror(error);
  }
}

std::string Recorder::HeaderText() {
  std::string line = "时间";
  for (const Column& c : kMeasurements) line += "," + std::string(c.caption);
  for (const SettingPair& pair : kSettingPairs)
    line += "," + std::string(pair.caption) + (pair.unit.empty() ? "" : "(" + std::string(pair.unit) + ")");
  for (std::size_t i = 0; i < LampCaptions().size(); ++i)
    if (LampShown(i)) line += "," + std::string(LampCaptions()[i]);
  return line;
}

std::string Recorder::RowText(std::int64_t wallMs, const Panel& main) {
  std::string line = IsoTime(wallMs);
  for (const Column& c : kMeasurements) line += "," + CsvField(Trimmed(main.Text(c.field)));
  for (const SettingPair& pair : kSettingPairs) line += "," + CsvField(Trimmed(main.Text(pair.readBack)));
  for (std::size_t i = 0; i < LampNames().size(); ++i)
    if (LampShown(i)) line += "," + std::string(LampStateText(main.Number(LampNames()[i])));
  return line;
}

std::optional<std::string> Recorder::Start(const std::string& path) {
  Stop();
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) return "无法创建记录文件（" + FileErrorText(errno) + "）";
  path_ = path;
  rows_ = 0;
  return Write("\xEF\xBB\xBF" + HeaderText() + "\r\n");
}

std::optional<std::string> Recorder::Row(std::int64_t wallMs, const Panel& main) {
  if (!file_) return std::nullopt;
  if (auto error = Write(RowText(wallMs, main) + "\r\n")) return error;
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
  if (ok && stat(path_.c_str(), &st) != 0) reason = "记录文件已被删除或移走";
  if (reason.empty()) return std::nullopt;
  Stop();
  return "记录已停止：" + reason;
}

void Recorder::Stop() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

}  // namespace kestrova
