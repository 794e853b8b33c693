#include "monitor/field_tips.h"

#include <array>

#include "panel/controls.h"
#include "settings/setting_pairs.h"
#include "values/number_text.h"

namespace kestrova {
namespace {

using namespace main_window;

struct Tip {
  const Control& field;
  std::string_view text;
};

const std::array<Tip, 11> kMeasurementTips{{
    {kInnerTemperature, "内温度（°C），-40…86.5；开路/短路 为传感器故障"},
    {kOuterTemperature, "外温度（°C），-40…86.5；开路/短路 为传感器故障"},
    {kControlTemperature, "控制温度（°C），-40…87.5"},
    {kLiveCurrent, "实时电流（A），0…25.5"},
    {kSupplyVoltage, "直流电压（V），0…6553.5"},
    {kInnerFanSpeed, "内风机当前转速（r/min），最近 15 次的平均，0…65535"},
    {kOuterFanSpeed, "外风机当前转速（r/min），最近 15 次的平均，0…65535"},
    {kCommCounter, "通信计数：启动以来收到的运行数据帧数"},
    {kSimTemperature, "模拟温度（°C），-40…80"},
    {kNewAddress, "新设备地址，1…20"},
    {kBoardAddress, "控制板的设备地址（按“获取地址”读取）"},
}};

std::string Quantity(const SettingPair& pair) {
  return std::string(pair.caption) + (pair.unit.empty() ? "" : "（" + std::string(pair.unit) + "）");
}

}  // namespace

std::string MainFieldTip(std::string_view control) {
  for (const Tip& tip : kMeasurementTips)
    if (tip.field.name == control) return std::string(tip.text);
  for (const SettingPair& pair : kSettingPairs) {
    if (pair.edit == control)
      return Quantity(pair) + "，" + DecimalText(pair.range.lowest) + "…" + DecimalText(pair.range.highest) +
             "；与读回值不同时由“发送设置”写入";
    if (pair.readBack == control) return Quantity(pair) + "：控制板当前值";
  }
  return {};
}

const std::vector<std::string_view>& RunDataDisplays() {
  static const std::vector<std::string_view> displays = [] {
    std::vector<std::string_view> v;
    for (const SettingPair& pair : kSettingPairs) v.push_back(pair.readBack);
    for (const Control& c : {kLiveCurrent, kInnerFanSpeed, kOuterFanSpeed, kInnerTemperature, kOuterTemperature,
                             kControlTemperature, kSupplyVoltage, kCommCounter})
      v.push_back(c);
    for (const Control& c : kAll)
      if (c.kind == ControlKind::Lamp) v.push_back(c);
    return v;
  }();
  return displays;
}

}  // namespace kestrova
