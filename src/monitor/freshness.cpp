#include "monitor/freshness.h"

#include "values/tr.h"

namespace kestrova {

Freshness::Freshness(std::vector<std::string_view> fields, std::function<std::string(std::string_view)> tip)
    : fields_(std::move(fields)), tip_(std::move(tip)) {}

void Freshness::Confirmed(Panel& panel, std::int64_t nowMs, std::string timeOfDay) {
  confirmedAt_ = nowMs;
  timeOfDay_ = std::move(timeOfDay);
  if (stale_) Mark(panel, false);
}

void Freshness::Check(Panel& panel, std::int64_t nowMs, bool watching) {
  if (watching && !stale_ && confirmedAt_ && nowMs - *confirmedAt_ > kStaleAfterMs) Mark(panel, true);
}

void Freshness::Forget(Panel& panel) {
  if (stale_) Mark(panel, false);
  confirmedAt_.reset();
}

void Freshness::ShowTips(Panel& panel) const {
  for (std::string_view f : fields_) panel.SetToolTip(f, tip_(f));
}

void Freshness::Mark(Panel& panel, bool stale) {
  stale_ = stale;
  const std::string head = stale ? Arg(Tr("Freshness", "最后更新：%1"), {timeOfDay_}) : std::string();
  for (std::string_view f : fields_) {
    panel.SetFlag(f, kStale, stale);
    const std::string own = tip_(f);
    panel.SetToolTip(f, head.empty() ? own : own.empty() ? head : head + "\n" + own);
  }
}

}  // namespace kestrova
