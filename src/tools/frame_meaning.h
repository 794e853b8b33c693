#pragma once
// What a run of bytes on the line means, in the operator's words: the request the console
// sent, the response the board gave, or why the frame scan threw the bytes away.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "link/link_statistics.h"
#include "monitor/run_data.h"

namespace kestrova {

// "05 01 0F 00 15"
std::string HexText(std::span<const std::uint8_t> bytes);

// "读运行数据 地址 1", "写参数 12 = 90（高温报警 50）", "运行数据 内温度 25 外温度 开路 …",
// "写应答", "噪声", "回显 读运行数据 地址 1", "校验错", "地址不符", "未知命令", "不完整".
std::string FrameMeaning(const LinkEvent& event);

// The request frame the console sends, in words.
std::string RequestMeaning(std::span<const std::uint8_t> frame);

// "内温度 25 外温度 开路 控制温度 24.5 电流 1.2 电压 53.5 内风机 1500 外风机 3000", then the lit lamps.
std::string RunDataSummary(const RunDataValues& v);

}  // namespace kestrova
