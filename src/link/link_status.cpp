#include "link/link_status.h"

#include <algorithm>

#include "link/port_selection.h"
#include "link/port_table.h"

namespace kestrova {
namespace {

std::string Seconds(std::int64_t ms) { return std::to_string(ms / 1000); }

const ProbeOutcome* FirstWith(const std::vector<ProbeOutcome>& probe, PortFault fault) {
  const auto it = std::find_if(probe.begin(), probe.end(), [fault](const ProbeOutcome& p) { return p.fault == fault; });
  return it == probe.end() ? nullptr : &*it;
}

bool AnyDevice(const std::vector<ProbeOutcome>& probe) {
  return std::any_of(probe.begin(), probe.end(), [](const ProbeOutcome& p) {
    return p.fault != PortFault::Missing && p.fault != PortFault::NotInTable;
  });
}

std::string ProbeTip(const std::vector<ProbeOutcome>& probe) {
  std::string tip;
  for (const ProbeOutcome& p : probe) {
    if (p.fault == PortFault::NotInTable) continue;
    if (!tip.empty()) tip += "\n";
    tip += PortName(p.number) + " " + p.device + "：" + (p.fault == PortFault::None ? "可用" : FaultReason(p.fault));
  }
  return tip;
}

std::string OpenLine(const LinkView& view, const LinkStatistics& stats, std::int64_t nowMs) {
  const std::int64_t since = stats.LastGoodMs().value_or(stats.OpenedAtMs());
  if (stats.Requests() > 0 && nowMs - since >= kNoReplyMs)
    return "控制板无应答 " + Seconds(nowMs - since) + " 秒：请检查接线（A/B）、供电和设备地址，或按“获取地址”";
  const int n = stats.RecentResponses(), k = stats.RecentErrors();
  if (k * 10 > n) return "通信干扰：最近 " + std::to_string(n) + " 帧中 " + std::to_string(k) + " 帧校验错误";
  if (view.note) return *view.note;
  if (!stats.LastGoodMs()) return "等待控制板应答：" + view.device;
  return "通信正常：" + view.device;
}

}  // namespace

std::string FaultReason(PortFault fault) {
  switch (fault) {
    case PortFault::None: return "可用";
    case PortFault::NotInTable: return "端口表中没有这个端口";
    case PortFault::Missing: return "设备不存在";
    case PortFault::NoPermission: return "无访问权限";
    case PortFault::Busy: return "被其他程序占用";
    case PortFault::Lost: return "设备已拔出或断电";
    case PortFault::Other: break;
  }
  return "无法打开";
}

std::string LostText(const std::string& device, PortFault fault) {
  return device + "（" + FaultReason(fault == PortFault::None ? PortFault::Lost : fault) + "）";
}

StatusLine LinkStatusLine(const LinkView& view, const LinkStatistics& stats, std::int64_t nowMs) {
  StatusLine line{{}, ProbeTip(view.probe)};
  if (view.open) {
    line.text = OpenLine(view, stats, nowMs);
  } else if (view.lost) {
    line.text = std::string(kPortLost) + *view.lost;
  } else if (!AnyDevice(view.probe)) {
    line.text = "未发现串口：请插入 USB 转 RS-485/422 适配器";
  } else if (const ProbeOutcome* p = FirstWith(view.probe, PortFault::NoPermission)) {
    line.text = "无访问权限：" + p->device + "（请将当前用户加入 dialout 组后重新登录）";
  } else if (const ProbeOutcome* b = FirstWith(view.probe, PortFault::Busy)) {
    line.text = "被其他程序占用：" + b->device;
  } else {
    line.text = "串口已关闭：" + view.device;
  }
  return line;
}

std::string LinkStatsText(const LinkStatistics& stats, std::int64_t nowMs) {
  std::string text = "发送 " + std::to_string(stats.Requests()) + "  应答 " + std::to_string(stats.GoodResponses()) +
                     "  校验错 " + std::to_string(stats.ChecksumErrors()) + "  丢弃 " +
                     std::to_string(stats.DiscardedBytes()) + " 字节  运行数据 ";
  if (const auto last = stats.LastRunDataMs()) {
    const std::int64_t age = nowMs - *last;
    text += std::to_string(age / 1000) + "." + std::to_string(age % 1000 / 100) + " 秒前";
  } else {
    text += "无";
  }
  return text;
}

}  // namespace kestrova
