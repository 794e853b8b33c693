#include "tools/frame_meaning.h"

#include <cstdio>

#include "protocol/frames.h"
#include "settings/setting_pairs.h"
#include "values/number_text.h"

namespace kestrova {

namespace {

std::string SensorText(Sensor sensor, double value) {
  return sensor == Sensor::Open ? "开路" : sensor == Sensor::Short ? "短路" : DecimalText(value);
}

ReceiveRing RingOf(std::span<const std::uint8_t> bytes) {
  ReceiveRing ring;
  ring.Store(bytes);
  return ring;
}

std::string ResponseMeaning(std::span<const std::uint8_t> b) {
  if (b.size() < 5) return "应答";
  const std::string address = " 地址 " + std::to_string(b[1]);
  switch (b[3]) {
    case kRunData:
      if (b.size() < 36) return "运行数据（不全）";
      return "运行数据 " + RunDataSummary(DecodeRunData(RingOf(b)));
    case kDeviceAddress:
      return b.size() > 5 ? "地址应答 地址 " + std::to_string(b[5]) : "地址应答";
    case kBoardInfo: {
      std::string text;
      for (std::size_t k = 5; k + 1 < b.size() && k < 5u + b[4]; ++k)
        if (b[k] != 0) text += static_cast<char>(b[k] >= 0x20 && b[k] < 0x7F ? b[k] : '?');
      return "板信息" + address + " " + text;
    }
    case kFactoryData:
      return "厂家数据" + address;
    default:
      return "应答" + address;
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
  if (f.size() < 5 || f[0] != kRequestStart) return "未知请求";
  const std::string address = " 地址 " + std::to_string(f[1]);
  if (f[2] == kRead) {
    switch (f[3]) {
      case kRunData: return "读运行数据" + address;
      case kDeviceAddress: return "读地址";
      case kBoardInfo: return "读板信息" + address;
      case kFactoryData: return "读厂家数据" + address;
      default: return "读 " + std::to_string(f[3]) + address;
    }
  }
  if (f[2] != kParameterWrite || f.size() < 7) return "未知请求";
  const int code = f[3];
  const bool wide = f[4] == 2 && f.size() >= 8;
  const int value = wide ? f[5] * 256 + f[6] : f[5];
  std::string text = "写参数 " + std::to_string(code) + " = " + std::to_string(value);
  if (const SettingPair* pair = PairForCode(code))
    text += "（" + std::string(pair->caption) + " " + ReadBackText(*pair, f[5], wide ? f[6] : 0) + "）";
  else if (code == kAddressCode)
    text += "（设备地址）";
  else if (code == kSimTemperatureCode)
    text += "（模拟温度 " + DecimalText((value - 80) / 2.0) + "）";
  else if (code > kLastSettingCode && code < kAddressCode)
    text += "（厂家设定）";
  return text;
}

std::string FrameMeaning(const LinkEvent& e) {
  if (e.direction == LinkEvent::Direction::Sent) return RequestMeaning(e.bytes);
  switch (e.piece) {
    case Piece::Response: return ResponseMeaning(e.bytes);
    case Piece::WriteAck: return "写应答";
    case Piece::ShortResponse: return "短应答";
    case Piece::Noise: return "噪声";
    case Piece::Nak: return "否定应答（NAK）";
    case Piece::ForeignAddress: return "地址不符";
    case Piece::Echo: return "回显 " + RequestMeaning(e.bytes);
    case Piece::UnknownCommand: return "未知命令";
    case Piece::BadChecksum: return "校验错";
    case Piece::Incomplete: return "不完整";
  }
  return {};
}

std::string RunDataSummary(const RunDataValues& v) {
  std::string text = "内温度 " + SensorText(v.innerSensor, v.innerTemp) + " 外温度 " +
                     SensorText(v.outerSensor, v.outerTemp) + " 控制温度 " + DecimalText(v.controlTemp) +
                     " 电流 " + DecimalText(v.moduleCurrent) + " 电压 " + DecimalText(v.dcVoltage) + " 内风机 " +
                     std::to_string(v.innerFanSpeed) + " 外风机 " + std::to_string(v.outerFanSpeed);
  std::string lit;
  for (std::size_t i = 0; i < kLampCount; ++i)
    if (Lamps()[i].Shown() && v.lamps[i] != kLampOff) lit += (lit.empty() ? "" : "、") + std::string(Lamps()[i].caption);
  if (!lit.empty()) text += "；" + lit;
  return text;
}

}  // namespace kestrova
