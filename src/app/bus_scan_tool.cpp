#include "app/bus_scan_tool.h"

namespace kestrova {

inline constexpr int kScanTickMs = 10;

BusScanTool::BusScanTool(ConsoleWindows& windows, std::function<void(const std::string&)> logged, QObject* parent)
    : QObject(parent), windows_(windows), form_(windows.Form()), view_(std::make_unique<BusScanWindow>()) {
  form_.Logged = std::move(logged);
  timer_.setInterval(kScanTickMs);
  connect(&timer_, &QTimer::timeout, this, &BusScanTool::OnScanTick);
  connect(view_.get(), &BusScanWindow::startClicked, this, &BusScanTool::StartClicked);
  connect(view_.get(), &BusScanWindow::useClicked, this, [this](int address) { form_.OnUseAddress(address); });
  // Closing the window ends the scan: the poll cycle gets the line back.
  connect(view_.get(), &BusScanWindow::closed, this, [this] {
    form_.Stop();
    OnScanTick();
  });
}

void BusScanTool::Show() {
  view_->show();
  view_->raise();
  view_->activateWindow();
}

void BusScanTool::StartClicked() {
  form_.OnStartScan(view_->From().toStdString(), view_->To().toStdString());
  if (form_.Running()) timer_.start();
  Refresh();
}

void BusScanTool::OnScanTick() {
  form_.Tick();
  if (!form_.Running()) timer_.stop();
  Refresh();
}

void BusScanTool::Refresh() {
  const BusScan& scan = form_.Scan();
  view_->ShowRunning(form_.Running());
  view_->ShowProgress(scan.Done(), scan.Total());
  view_->ShowFound(scan.Found());
  view_->ShowStatus(QString::fromStdString(form_.Status()));
}

}  // namespace kestrova
