#include "link/write_check.h"

#include "values/tr.h"

namespace kestrova {

void WriteCheck::Start() {
  written_.clear();
  stage_ = Stage::Writing;
}

void WriteCheck::Written(WrittenValue value) {
  if (stage_ == Stage::Writing) written_.push_back(std::move(value));
}

void WriteCheck::Finish() {
  if (stage_ == Stage::Writing) stage_ = written_.empty() ? Stage::Idle : Stage::AwaitRequest;
}

void WriteCheck::ReportRequested() {
  if (stage_ == Stage::AwaitRequest) stage_ = Stage::AwaitReport;
}

std::optional<WriteCheckResult> WriteCheck::Compare(const ReceiveRing& report) {
  if (stage_ != Stage::AwaitReport) return std::nullopt;
  stage_ = Stage::Idle;
  WriteCheckResult result{true, {}, {}, {}};
  for (const WrittenValue& v : written_) {
    const std::uint8_t high = report.At(v.offset);
    const std::uint8_t low = v.width == 2 ? report.At(v.offset + 1) : 0;
    const bool same = high == v.sent[0] && (v.width == 1 || low == v.sent[1]);
    result.values.push_back({v.caption, v.text(v.sent[0], v.sent[1]), v.text(high, low), same});
    if (same) continue;
    const std::string line = Arg(Tr("WriteCheck", "%1 写入 %2，读回 %3"),
                                 {Tr("Settings", v.caption.c_str()), result.values.back().sent,
                                  result.values.back().readBack});
    if (result.matches) result.text = Tr("WriteCheck", "设置未生效：") + line;
    result.matches = false;
    result.tip += (result.tip.empty() ? "" : "\n") + line;
  }
  if (result.matches) result.text = Arg(Tr("WriteCheck", "设置已写入，读回一致（%1 项）"), {std::to_string(written_.size())});
  return result;
}

}  // namespace kestrova
