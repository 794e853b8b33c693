#include "settings/box_hints.h"

#include "settings/setting_pairs.h"
#include "values/number_text.h"
#include "values/tr.h"

namespace kestrova {
namespace {

std::string RangeText(const Range& range, std::string_view unit) {
  std::string text = DecimalText(range.lowest) + "…" + DecimalText(range.highest);
  if (range.compare == Range::Compare::Whole) text = Arg(Tr("BoxHints", "%1 的整数"), {text});
  if (!unit.empty()) text += " " + std::string(unit);
  return text;
}

}  // namespace

std::string FieldAccepts(std::string_view field) {
  if (field == main_window::kSimTemperature.name)
    return Arg(Tr("BoxHints", "模拟温度：%1"), {RangeText(kSimTemperatureRange, "°C")});
  if (field == main_window::kNewAddress.name) return Tr("BoxHints", "新地址：1…20");
  if (const SettingPair* pair = PairForEdit(field))
    return Arg(Tr("BoxHints", "%1：%2"), {Tr("Settings", pair->caption), RangeText(pair->range, pair->unit)});
  return {};
}

std::string EmptySettingsHint(const Panel& main) {
  std::string empty;
  bool boardKnown = false;
  for (const SettingPair& pair : kSettingPairs) {
    if (main.Text(pair.edit).empty()) empty += (empty.empty() ? "" : Tr("BoxHints", "、")) + Tr("Settings", pair.caption);
    if (!main.Text(pair.readBack).empty()) boardKnown = true;
  }
  return Arg(boardKnown ? Tr("BoxHints", "未填写：%1；按“复制设置”从控制板读回值填入")
                        : Tr("BoxHints", "未填写：%1；收到控制板的运行数据后，按“复制设置”从读回值填入"),
             {empty});
}

std::string CopySettingsNoting(Panel& main) {
  std::string replaced;
  for (const SettingPair& pair : kSettingPairs) {
    const std::string typed = main.Text(pair.edit);
    const std::string board = main.Text(pair.readBack);
    if (!typed.empty() && typed != board)
      replaced += (replaced.empty() ? "" : Tr("BoxHints", "、")) + Tr("Settings", pair.caption) + " " + typed + "→" +
                  (board.empty() ? Tr("BoxHints", "空") : board);
  }
  CopySettings(main);
  return replaced.empty() ? std::string() : Arg(Tr("BoxHints", "复制设置：读回值替换了 %1"), {replaced});
}

}  // namespace kestrova
