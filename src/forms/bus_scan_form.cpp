#include "forms/bus_scan_form.h"

#include "panel/controls.h"
#include "values/number_text.h"
#include "values/tr.h"

namespace kestrova {

BusScanForm::BusScanForm(MainForm& main)
    : main_(main), scan_([this](std::span<const std::uint8_t> frame) {
        // Every request shows in the traffic monitor as the poll cycle's do.
        main_.linePort.Output(frame);
        main_.stats.Sent(frame, main_.Time().NowMs());
      }) {
  scan_.Line().SetObserver([this](const ReceiveRing& ring, int length, Piece piece) {
    main_.stats.Received(ring, length, piece, main_.Time().NowMs());
  });
}

BusScanForm::~BusScanForm() {
  if (running_) main_.ReturnLine();
}

std::string BusScanForm::PortName() const {
  const int number = main_.linePort.CommPort();
  const std::string device = main_.linePort.DeviceName(number);
  return "COM" + std::to_string(number) + (device.empty() ? "" : Arg(Tr("BusScan", "（%1）"), {device}));
}

void BusScanForm::OnStartScan(std::string_view from, std::string_view to) {
  if (running_) return Stop();
  const ScanRangeCheck check = CheckScanRange(from, to);
  if (!check.range) return main_.messageBox.Show(check.refusal);
  if (!main_.linePort.PortOpen()) {
    status_ = Tr("BusScan", "端口未打开：请先在主窗口打开串口，再开始扫描");
    return;
  }
  Begin(*check.range);
}

// The poll cycle stops sending at once, but its last request may still be answered: the
// first request of the scan waits until that answer has had its time on the line, so the
// two never meet on the bus.
void BusScanForm::Begin(ScanRange range) {
  running_ = true;
  main_.LendLine();
  const std::int64_t now = main_.Time().NowMs();
  const std::optional<std::int64_t> lastSent = main_.stats.LastSentMs();
  startAt_ = lastSent ? *lastSent + AnswerTimeoutMs(5, ExpectedAnswerBytes(kRunData)) : now;
  waiting_ = range;
  const std::string from = std::to_string(range.from), to = std::to_string(range.to);
  status_ = Arg(Tr("BusScan", "正在扫描地址 %1–%2…"), {from, to});
  Log(Arg(Tr("BusScan", "总线扫描开始：%1，地址 %2–%3"), {PortName(), from, to}));
  Tick();
}

void BusScanForm::Tick() {
  if (!running_) return;
  if (!main_.linePort.PortOpen()) {
    Log(scan_.Summary() + Tr("BusScan", "：端口已关闭，扫描中断"));
    scan_.Stop();
    return End(Tr("BusScan", "端口已关闭，扫描中断"));
  }
  const std::int64_t now = main_.Time().NowMs();
  // Before the first request this is the poll cycle's last answer: seen, then dropped.
  scan_.Receive(main_.linePort.Input(), now);
  if (waiting_) {
    if (now < startAt_) return;
    scan_.Start(*waiting_, now);
    waiting_.reset();
    return;
  }
  scan_.Step(now);
  if (scan_.Running()) return;
  Log(scan_.Summary());
  End(scan_.Summary());
}

void BusScanForm::Stop() {
  if (!running_) return;
  const bool started = !waiting_;
  scan_.Stop();
  if (started) Log(scan_.Summary());
  End(started ? scan_.Summary() : Tr("BusScan", "扫描已停止"));
}

void BusScanForm::End(std::string status) {
  running_ = false;
  waiting_.reset();
  main_.ReturnLine();
  status_ = std::move(status);
}

void BusScanForm::OnUseAddress(int address) {
  main_.deviceAddress = address;
  main_.mainPanel.SetText(main_window::kBoardAddress, WholeText(address));
}

void BusScanForm::Log(const std::string& text) {
  if (Logged) Logged(text);
}

}  // namespace kestrova
