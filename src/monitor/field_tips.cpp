#include "monitor/field_tips.h"

#include <array>

#include "panel/controls.h"
#include "settings/setting_pairs.h"
#include "values/number_text.h"
#include "values/tr.h"

namespace kestrova {
namespace {

using namespace main_window;

struct Tip {
  const Control& field;
  std::string_view text;
};

const std::array<Tip, 11> kMeasurementTips{{
    {kInnerTemperature, KTR_NOOP("FieldTips", "内温度（°C），-40…86.5；开路/短路 为传感器故障")},
    {kOuterTemperature, KTR_NOOP("FieldTips", "外温度（°C），-40…86.5；开路/短路 为传感器故障")},
    {kControlTemperature, KTR_NOOP("FieldTips", "控制温度（°C），-40…87.5")},
    {kLiveCurrent, KTR_NOOP("FieldTips", "实时电流（A），0…25.5")},
    {kSupplyVoltage, KTR_NOOP("FieldTips", "直流电压（V），0…6553.5")},
    {kInnerFanSpeed, KTR_NOOP("FieldTips", "内风机当前转速（r/min），最近 15 次的平均，0…65535")},
    {kOuterFanSpeed, KTR_NOOP("FieldTips", "外风机当前转速（r/min），最近 15 次的平均，0…65535")},
    {kCommCounter, KTR_NOOP("FieldTips", "通信计数：启动以来收到的运行数据帧数")},
    {kSimTemperature, KTR_NOOP("FieldTips", "模拟温度（°C），-40…80")},
    {kNewAddress, KTR_NOOP("FieldTips", "新设备地址，1…20")},
    {kBoardAddress, KTR_NOOP("FieldTips", "控制板的设备地址（按“获取地址”读取）")},
}};

std::string Quantity(const SettingPair& pair) {
  const std::string caption = Tr("Settings", pair.caption);
  return pair.unit.empty() ? caption : Arg(Tr("FieldTips", "%1（%2）"), {caption, pair.unit});
}

}  // namespace

std::string MainFieldTip(std::string_view control) {
  for (const Tip& tip : kMeasurementTips)
    if (tip.field.name == control) return Tr("FieldTips", std::string(tip.text).c_str());
  for (const SettingPair& pair : kSettingPairs) {
    if (pair.edit == control)
      return Arg(Tr("FieldTips", "%1，%2…%3；与读回值不同时由“发送设置”写入"),
                 {Quantity(pair), DecimalText(pair.range.lowest), DecimalText(pair.range.highest)});
    if (pair.readBack == control) return Arg(Tr("FieldTips", "%1：控制板当前值"), {Quantity(pair)});
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
