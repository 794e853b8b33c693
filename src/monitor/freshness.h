#pragma once
// Old data must never look live. When the board has not confirmed a window's data for more
// than five seconds, every field and lamp that shows them is marked stale (drawn greyed, the
// values kept) and its tooltip starts with the time of the last update; the next good
// response clears the marks. Nothing is marked before the first response.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "panel/panel.h"

namespace kestrova {

// Longer than a full settings transmission holds the run-data read back (about 4 s).
inline constexpr std::int64_t kStaleAfterMs = 5000;

class Freshness {
 public:
  // fields: what the data fill; tip: each field's own tooltip.
  Freshness(std::vector<std::string_view> fields, std::function<std::string(std::string_view)> tip);

  // A good response has just written the fields.
  void Confirmed(Panel& panel, std::int64_t nowMs, std::string timeOfDay);
  // Marks the fields once the data are older than kStaleAfterMs, while watching.
  void Check(Panel& panel, std::int64_t nowMs, bool watching);
  // The data are gone (the window was closed): marks cleared, nothing marked until the next
  // response.
  void Forget(Panel& panel);
  // Every field gets its own tooltip (at start).
  void ShowTips(Panel& panel) const;
  bool Stale() const { return stale_; }

 private:
  void Mark(Panel& panel, bool stale);

  std::vector<std::string_view> fields_;
  std::function<std::string(std::string_view)> tip_;
  std::optional<std::int64_t> confirmedAt_;
  std::string timeOfDay_;
  bool stale_ = false;
};

}  // namespace kestrova
