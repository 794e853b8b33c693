#include "bus/bus_scan.h"

#include <charconv>

#include "monitor/board_info_text.h"
#include "protocol/char_codes.h"
#include "values/tr.h"

namespace kestrova {
namespace {

// "1".."255" without sign, spaces or other characters; nullopt otherwise.
std::optional<int> AddressOf(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < kScanFirstAddress || value > kScanLastAddress)
    return std::nullopt;
  return value;
}

std::string Refusal(std::string_view field, std::string_view text) {
  return Arg(Tr("BusScan", "总线扫描：%1“%2”不是 1 到 255 之间的整数"), {field, text});
}

}  // namespace

ScanRangeCheck CheckScanRange(std::string_view from, std::string_view to) {
  const auto first = AddressOf(from);
  if (!first) return {std::nullopt, Refusal(Tr("BusScan", "起始地址"), from)};
  const auto last = AddressOf(to);
  if (!last) return {std::nullopt, Refusal(Tr("BusScan", "结束地址"), to)};
  if (*first > *last)
    return {std::nullopt, Arg(Tr("BusScan", "总线扫描：起始地址 %1 大于结束地址 %2"), {from, to})};
  return {ScanRange{*first, *last}, {}};
}

BusScan::BusScan(Exchange::Send send) : exchange_(std::move(send)) {}

void BusScan::Start(ScanRange range, std::int64_t nowMs) {
  range_ = range;
  found_.clear();
  done_ = 0;
  next_ = range.from;
  running_ = true;
  AskNext(nowMs);
}

void BusScan::Stop() {
  exchange_.Cancel();
  running_ = false;
  asking_ = 0;
}

void BusScan::AskNext(std::int64_t nowMs) {
  if (next_ > range_.to) {
    running_ = false;
    asking_ = 0;
    return;
  }
  asking_ = next_++;
  exchange_.StartRead(static_cast<std::uint8_t>(asking_), kBoardInfo, nowMs, kScanAttempts);
}

void BusScan::Receive(std::span<const std::uint8_t> bytes, std::int64_t nowMs) { exchange_.Receive(bytes, nowMs); }

void BusScan::Step(std::int64_t nowMs) {
  if (!running_) return;
  const ExchangeResult result = exchange_.Poll(nowMs);
  if (result == ExchangeResult::Pending) return;
  if (result == ExchangeResult::Answered) {
    // The answer carries n text bytes after its length byte n; the last is the terminator.
    const Frame& answer = exchange_.Answer();
    const BoardInfoFields fields = SplitBoardInfo(BytesToText(std::span(answer).subspan(5, answer[4])));
    found_.push_back({asking_, fields.model, fields.pcb, fields.software, exchange_.AnswerMs()});
  }
  ++done_;
  AskNext(nowMs);
}

std::string BusScan::Summary() const {
  std::string text = Arg(Tr("BusScan", "总线扫描 %1–%2"), {std::to_string(range_.from), std::to_string(range_.to)});
  if (!Finished()) text += Arg(Tr("BusScan", "（在地址 %1 处停止）"), {std::to_string(range_.from + done_)});
  if (found_.empty()) return text + Tr("BusScan", "：未找到应答的板");
  std::string boards;
  for (std::size_t i = 0; i < found_.size(); ++i) {
    if (i > 0) boards += Tr("BusScan", "、");
    boards += Arg(Tr("BusScan", "%1（%2）"), {std::to_string(found_[i].address), found_[i].model});
  }
  return text + Arg(Tr("BusScan", "：找到 %1 台：地址 %2"), {std::to_string(found_.size()), boards});
}

}  // namespace kestrova
