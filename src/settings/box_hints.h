#pragma once
// What the status bar says beside the original's bare boxes ("数据错误！", "无数据！") and
// after "复制设置", so the operator knows which field is meant and what it takes.
#include <string>
#include <string_view>

#include "panel/panel.h"

namespace kestrova {

// The field and what it accepts: "高温报警：30…80 °C", "内风机每转脉冲：2…3 的整数",
// "新地址：1…20"; "" for a field without a range.
std::string FieldAccepts(std::string_view field);

// For "无数据！": the setting fields left empty, and how to fill them.
std::string EmptySettingsHint(const Panel& main);

// "复制设置" with what it replaced: every edit field takes its read-back text. Returns the
// sentence naming the typed values it overwrote ("复制设置：读回值替换了 高温报警 50→45"),
// or "" when nothing typed was lost.
std::string CopySettingsNoting(Panel& main);

}  // namespace kestrova
