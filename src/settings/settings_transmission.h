#pragma once
// Sending the operating settings: the check made when "发送设置" is pressed, and the walk over
// parameter codes 0..15 that writes one changed setting per call.
#include <optional>
#include <string_view>

#include "panel/panel.h"
#include "link/write_check.h"
#include "protocol/frames.h"

namespace kestrova {

// Why "发送设置" may not start: "无数据！" (the first or last edit field is empty) or
// "数据错误！" with the first edit field whose setting would be sent but has no wire form.
struct SetupRefusal {
  std::string_view message;
  std::string_view field;  // "" for "无数据！"
};
std::optional<SetupRefusal> CheckSetupStart(const Panel& main, int address);

// One step of the walk from setupNo: skips unchanged settings and the low-byte codes 6, 8, 11,
// returns the write of the next changed setting and moves setupNo past it. The walk is over
// once setupNo is past code 15 (the step that writes code 15 ends it too). A setting whose
// text was changed during the transmission so that it no longer has a wire form is passed over.
std::optional<Frame> NextSettingWrite(const Panel& main, int address, int& setupNo);

// The step counter is past the last operating-setting code.
bool SettingsWalkDone(int setupNo);

// What a parameter write of an operating setting put on the wire, for the write check.
WrittenValue WrittenSetting(const Frame& write);

}  // namespace kestrova
