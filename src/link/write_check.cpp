#include "link/write_check.h"

#include <algorithm>

#include "values/tr.h"

namespace kestrova {

std::string NotTaken::Difference() const { return Arg(Tr("WriteCheck", "写入 %1，读回 %2"), {sent, readBack}); }

std::string NotTakenSentence(const std::vector<NotTaken>& values) {
  std::string text;
  for (const NotTaken& v : values)
    text += (text.empty() ? Tr("WriteCheck", "设置未生效：") : Tr("WriteCheck", "；")) + Tr("Settings", v.caption) + " " +
            v.Difference();
  return text;
}

void WriteCheck::Start() {
  written_.clear();
  untaken_.clear();
  outstanding_.clear();
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

std::vector<NotTaken> WriteCheck::Differences(const std::vector<WrittenValue>& values, const ReceiveRing& report) {
  std::vector<NotTaken> differences;
  for (const WrittenValue& v : values) {
    const std::uint8_t high = report.At(v.offset);
    const std::uint8_t low = v.width == 2 ? report.At(v.offset + 1) : 0;
    if (high == v.sent[0] && (v.width == 1 || low == v.sent[1])) continue;
    differences.push_back({v.field, v.caption, v.text(v.sent[0], v.sent[1]), v.text(high, low)});
  }
  return differences;
}

std::optional<WriteCheckResult> WriteCheck::Compare(const ReceiveRing& report) {
  if (stage_ != Stage::AwaitReport) {
    if (stage_ == Stage::Idle && !untaken_.empty()) {
      outstanding_ = Differences(untaken_, report);
      std::erase_if(untaken_, [this](const WrittenValue& v) {
        return std::none_of(outstanding_.begin(), outstanding_.end(), [&v](const NotTaken& n) {
          return n.field == v.field && n.caption == v.caption;
        });
      });
    }
    return std::nullopt;
  }
  stage_ = Stage::Idle;
  outstanding_ = Differences(written_, report);
  untaken_.clear();
  for (const WrittenValue& v : written_)
    if (std::any_of(outstanding_.begin(), outstanding_.end(),
                    [&v](const NotTaken& n) { return n.field == v.field && n.caption == v.caption; }))
      untaken_.push_back(v);
  std::vector<CheckedValue> values;
  for (const WrittenValue& v : written_) {
    const std::uint8_t high = report.At(v.offset);
    const std::uint8_t low = v.width == 2 ? report.At(v.offset + 1) : 0;
    const bool same = high == v.sent[0] && (v.width == 1 || low == v.sent[1]);
    values.push_back({v.caption, v.text(v.sent[0], v.sent[1]), v.text(high, low), same});
  }
  if (outstanding_.empty())
    return WriteCheckResult{true, Arg(Tr("WriteCheck", "设置已写入，读回一致（%1 项）"), {std::to_string(written_.size())}), {},
                            std::move(values)};
  return WriteCheckResult{false, NotTakenSentence(outstanding_), outstanding_, std::move(values)};
}

void WriteCheck::Edited(std::string_view field) {
  std::erase_if(untaken_, [field](const WrittenValue& v) { return v.field == field; });
  std::erase_if(outstanding_, [field](const NotTaken& n) { return n.field == field; });
}

}  // namespace kestrova
