#include "tools/frame_meaning.h"

#include <cstdio>

#include "protocol/frames.h"
#include "settings/setting_pairs.h"
#include "values/number_text.h"
#include "values/tr.h"

namespace kestrova {

namespace {

std::string SensorText(Sensor sensor, double value) {
  return sensor == Sensor::Open ? Tr("RunData", "开路") : sensor == Sensor::Short ? Tr("RunData", "短路") : DecimalText(value);
}

ReceiveRing RingOf(std::span<const std::uint8_t> bytes) {
  ReceiveRing ring;
  ring.Store(bytes);
  return ring;
}

std::string ResponseMeaning(std::span<const std::uint8_t> b) {
  if (b.size() < 5) return Tr("FrameMeaning", "应答");
  const std::string address = std::to_string(b[1]);
  switch (b[3]) {
    case kRunData:
      if (b.size() < 36) return Tr("FrameMeaning", "运行数据（不全）");
      return Arg(Tr("FrameMeaning", "运行数据 %1"), {RunDataSummary(DecodeRunData(RingOf(b)))});
    case kDeviceAddress:
      return b.size() > 5 ? Arg(Tr("FrameMeaning", "地址应答 地址 %1"), {std::to_string(b[5])})
                          : Tr("FrameMeaning", "地址应答");
    case kBoardInfo: {
      std::string text;
      for (std::size_t k = 5; k + 1 < b.size() && k < 5u + b[4]; ++k)
        if (b[k] != 0) text += static_cast<char>(b[k] >= 0x20 && b[k] < 0x7F ? b[k] : '?');
      // The board's own text, as received.
      return Arg(Tr("FrameMeaning", "板信息 地址 %1 %2"), {address, text});
    }
    case kFactoryData:
      return Arg(Tr("FrameMeaning", "厂家数据 地址 %1"), {address});
    default:
      return Arg(Tr("FrameMeaning", "应答 地址 %1"), {address});
  }
}

}  // namespace

std::string HexText(std::span<const std::uint8_t> bytes) {
  std::string text;
  text.reserve(bytes.size() * 3);
  char two[4];
  for (std::uint8_t b : bytes) {
    std::snprintf(two, sizeof two, "%02X", b);
    if (!text.empty()) text += ' ';
    text += two;
  }
  return text;
}

std::string RequestMeaning(std::span<const std::uint8_t> f) {
  if (f.size() < 5 || f[0] != kRequestStart) return Tr("FrameMeaning", "未知请求");
  const std::string address = std::to_string(f[1]);
  if (f[2] == kRead) {
    switch (f[3]) {
      case kRunData: return Arg(Tr("FrameMeaning", "读运行数据 地址 %1"), {address});
      case kDeviceAddress: return Tr("FrameMeaning", "读地址");
      case kBoardInfo: return Arg(Tr("FrameMeaning", "读板信息 地址 %1"), {address});
      case kFactoryData: return Arg(Tr("FrameMeaning", "读厂家数据 地址 %1"), {address});
      default: return Arg(Tr("FrameMeaning", "读 %1 地址 %2"), {std::to_string(f[3]), address});
    }
  }
  if (f[2] != kParameterWrite || f.size() < 7) return Tr("FrameMeaning", "未知请求");
  const int code = f[3];
  const bool wide = f[4] == 2 && f.size() >= 8;
  const int value = wide ? f[5] * 256 + f[6] : f[5];
  std::string text = Arg(Tr("FrameMeaning", "写参数 %1 = %2"), {std::to_string(code), std::to_string(value)});
  if (const SettingPair* pair = PairForCode(code))
    text += Arg(Tr("FrameMeaning", "（%1 %2）"), {Tr("Settings", pair->caption),
                                                 ReadBackText(*pair, f[5], wide ? f[6] : 0)});
  else if (code == kAddressCode)
    text += Tr("FrameMeaning", "（设备地址）");
  else if (code == kSimTemperatureCode)
    text += Arg(Tr("FrameMeaning", "（模拟温度 %1）"), {DecimalText((value - 80) / 2.0)});
  else if (code > kLastSettingCode && code < kAddressCode)
    text += Tr("FrameMeaning", "（厂家设定）");
  return text;
}

std::string FrameMeaning(const LinkEvent& e) {
  if (e.direction == LinkEvent::Direction::Sent) return RequestMeaning(e.bytes);
  switch (e.piece) {
    case Piece::Response: return ResponseMeaning(e.bytes);
    case Piece::WriteAck: return Tr("FrameMeaning", "写应答");
    case Piece::ShortResponse: return Tr("FrameMeaning", "短应答");
    case Piece::Noise: return Tr("FrameMeaning", "噪声");
    case Piece::Nak: return Tr("FrameMeaning", "否定应答（NAK）");
    case Piece::ForeignAddress: return Tr("FrameMeaning", "地址不符");
    case Piece::Echo: return Arg(Tr("FrameMeaning", "回显 %1"), {RequestMeaning(e.bytes)});
    case Piece::UnknownCommand: return Tr("FrameMeaning", "未知命令");
    case Piece::BadChecksum: return Tr("FrameMeaning", "校验错");
    case Piece::Incomplete: return Tr("FrameMeaning", "不完整");
  }
  return {};
}

std::string RunDataSummary(const RunDataValues& v) {
  std::string text = Arg(Tr("FrameMeaning", "内温度 %1 外温度 %2 控制温度 %3 电流 %4 电压 %5 内风机 %6 外风机 %7"),
                         {SensorText(v.innerSensor, v.innerTemp), SensorText(v.outerSensor, v.outerTemp),
                          DecimalText(v.controlTemp), DecimalText(v.moduleCurrent), DecimalText(v.dcVoltage),
                          std::to_string(v.innerFanSpeed), std::to_string(v.outerFanSpeed)});
  std::string lit;
  for (std::size_t i = 0; i < kLampCount; ++i)
    if (Lamps()[i].Shown() && v.lamps[i] != kLampOff)
      lit += (lit.empty() ? "" : Tr("FrameMeaning", "、")) + Lamps()[i].Caption();
  if (!lit.empty()) text += Arg(Tr("FrameMeaning", "；%1"), {lit});
  return text;
}

}  // namespace kestrova
