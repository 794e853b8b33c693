#include "link/link_status.h"

#include <algorithm>

#include "link/port_selection.h"
#include "link/port_table.h"
#include "values/tr.h"

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
    tip += Arg(Tr("LinkStatus", "%1 %2：%3"), {PortName(p.number), p.device, FaultReason(p.fault)});
  }
  return tip;
}

// What to look at when answers arrive but fail their checksum: noise on the line.
std::string NoiseAdvice() { return Tr("LinkStatus", "请检查终端电阻、屏蔽层接地和通信线缆"); }

struct Line {
  LinkState state;
  std::string text;
};

Line OpenLine(const LinkView& view, const LinkStatistics& stats, std::int64_t nowMs) {
  if (view.lent) return {LinkState::Waiting, Arg(Tr("LinkStatus", "总线扫描中，轮询暂停：%1"), {view.device})};
  const std::int64_t sinceGood =
      std::max(stats.LastGoodMs().value_or(stats.OpenedAtMs()), view.returnedAtMs.value_or(stats.OpenedAtMs()));
  if (stats.Requests() > 0 && nowMs - sinceGood >= kNoReplyMs) {
    // Corrupted answers within the last few seconds: the board answers, the line spoils it.
    const std::optional<std::int64_t> bad = stats.LastBadChecksumMs();
    if (bad && nowMs - *bad < kNoReplyMs)
      return {LinkState::Interference, Arg(Tr("LinkStatus", "通信干扰：控制板的应答均校验错误，%1 秒无正确应答：%2"),
                                           {Seconds(nowMs - sinceGood), NoiseAdvice()})};
    const std::int64_t since = std::max(sinceGood, bad.value_or(sinceGood));
    return {LinkState::NoReply, Arg(Tr("LinkStatus", "控制板无应答 %1 秒：请检查接线（A/B）、供电和设备地址，或按“获取地址”"),
                                    {Seconds(nowMs - since)})};
  }
  const int n = stats.RecentResponses(), k = stats.RecentErrors();
  if (k * 10 > n)
    return {LinkState::Interference, Arg(Tr("LinkStatus", "通信干扰：最近 %1 帧中 %2 帧校验错误：%3"),
                                         {std::to_string(n), std::to_string(k), NoiseAdvice()})};
  if (!stats.LastGoodMs()) return {LinkState::Waiting, Arg(Tr("LinkStatus", "等待控制板应答：%1"), {view.device})};
  return {LinkState::Ok, Arg(Tr("LinkStatus", "通信正常：%1"), {view.device})};
}

Line ClosedLine(const LinkView& view) {
  if (view.lost) return {LinkState::Lost, Tr("PortSelection", kPortLost) + *view.lost};
  if (!AnyDevice(view.probe)) return {LinkState::NoPort, Tr("LinkStatus", "未发现串口：请插入 USB 转 RS-485/422 适配器")};
  if (const ProbeOutcome* p = FirstWith(view.probe, PortFault::NoPermission))
    return {LinkState::NoAccess, Arg(Tr("LinkStatus", "无访问权限：%1（请将当前用户加入 dialout 组后重新登录）"), {p->device})};
  if (const ProbeOutcome* b = FirstWith(view.probe, PortFault::Busy))
    return {LinkState::Busy, Arg(Tr("LinkStatus", "被其他程序占用：%1"), {b->device})};
  return {LinkState::Closed, Arg(Tr("LinkStatus", "串口已关闭：%1"), {view.device})};
}

}  // namespace

std::string FaultReason(PortFault fault) {
  switch (fault) {
    case PortFault::None: return Tr("LinkStatus", "可用");
    case PortFault::NotInTable: return Tr("LinkStatus", "端口表中没有这个端口");
    case PortFault::Missing: return Tr("LinkStatus", "设备不存在");
    case PortFault::NoPermission: return Tr("LinkStatus", "无访问权限");
    case PortFault::Busy: return Tr("LinkStatus", "被其他程序占用");
    case PortFault::Lost: return Tr("LinkStatus", "设备已拔出或断电");
    case PortFault::Other: break;
  }
  return Tr("LinkStatus", "无法打开");
}

std::string LostText(const std::string& device, PortFault fault) {
  return Arg(Tr("LinkStatus", "%1（%2）"), {device, FaultReason(fault == PortFault::None ? PortFault::Lost : fault)});
}

std::string_view LinkStateName(LinkState state) {
  switch (state) {
    case LinkState::Closed: return "closed";
    case LinkState::Waiting: return "waiting";
    case LinkState::Ok: return "ok";
    case LinkState::NoReply: return "noReply";
    case LinkState::Interference: return "interference";
    case LinkState::Lost: return "lost";
    case LinkState::NoPort: return "noPort";
    case LinkState::NoAccess: return "noAccess";
    case LinkState::Busy: return "busy";
  }
  return "closed";
}

std::string_view StatusNoticeName(StatusNotice notice) {
  switch (notice) {
    case StatusNotice::None: return "";
    case StatusNotice::Hint: return "hint";
    case StatusNotice::NotTaken: return "notTaken";
  }
  return "";
}

// The line's own sentence gives way to an explanation of a box the operator just saw unless
// the line has just failed, and, while the line is sound, to settings the board did not take
// (they stay until resolved) and to a recent write check that found everything taken.
StatusLine LinkStatusLine(const LinkView& view, const LinkStatistics& stats, std::int64_t nowMs) {
  const Line line = view.open ? OpenLine(view, stats, nowMs) : ClosedLine(view);
  const bool sound = line.state == LinkState::Ok || line.state == LinkState::Waiting;
  const bool failing = line.state == LinkState::NoReply || line.state == LinkState::Interference ||
                       line.state == LinkState::Lost;
  StatusLine status{line.state, StatusNotice::None, line.text, {}};
  if (view.hint && !failing) {
    status.notice = StatusNotice::Hint;
    status.text = *view.hint;
  } else if (view.open && sound && view.notTaken) {
    status.notice = StatusNotice::NotTaken;
    status.text = *view.notTaken;
  } else if (view.open && line.state == LinkState::Ok && view.note) {
    status.text = *view.note;
  }
  status.tip = status.text;
  if (status.text != line.text) status.tip += "\n" + line.text;
  if (const std::string probe = ProbeTip(view.probe); !probe.empty()) status.tip += "\n" + probe;
  return status;
}

std::string AgeText(std::int64_t ms) {
  const std::int64_t s = std::max<std::int64_t>(ms, 0) / 1000;
  if (s < 60) return Arg(Tr("LinkStatus", "%1 秒前"), {std::to_string(s)});
  if (s < 3600) return Arg(Tr("LinkStatus", "%1 分钟前"), {std::to_string(s / 60)});
  return Arg(Tr("LinkStatus", "%1 小时前"), {std::to_string(s / 3600)});
}

namespace {
std::string StatsText(const std::string& sent, const std::string& good, const std::string& bad,
                      const std::string& discarded, const std::string& age) {
  return Arg(Tr("LinkStatus", "发送 %1  应答 %2  校验错 %3  丢弃 %4 字节  运行数据 %5"), {sent, good, bad, discarded, age});
}
}  // namespace

std::string LinkStatsText(const LinkStatistics& stats, std::int64_t nowMs) {
  const auto last = stats.LastRunDataMs();
  return StatsText(std::to_string(stats.Requests()), std::to_string(stats.GoodResponses()),
                   std::to_string(stats.ChecksumErrors()), std::to_string(stats.DiscardedBytes()),
                   last ? AgeText(nowMs - *last) : Tr("LinkStatus", "无"));
}

std::string LinkStatsWidestText() {
  return StatsText("00000", "00000", "000", "0000", Arg(Tr("LinkStatus", "%1 分钟前"), {"00"}));
}

}  // namespace kestrova
