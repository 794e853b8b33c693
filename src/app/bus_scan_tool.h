#pragma once
// "工具" -> "总线扫描": the scan window, the scan's logic on the console's line, and the 10 ms
// timer that drives it while a scan runs (the 250 ms poll tick is too coarse for the answer
// timeouts of the scan).
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/console_windows.h"
#include "forms/bus_scan_form.h"
#include "qt/bus/bus_scan_window.h"

namespace kestrova {

class BusScanTool final : public QObject {
  Q_OBJECT
 public:
  // logged: what the scan tells the event log.
  BusScanTool(ConsoleWindows& windows, std::function<void(const std::string&)> logged, QObject* parent = nullptr);

  BusScanWindow& View() { return *view_; }
  BusScanForm& Form() { return form_; }
  void Show();

 private:
  void StartClicked();
  void OnScanTick();
  void Refresh();

  ConsoleWindows& windows_;
  BusScanForm form_;
  std::unique_ptr<BusScanWindow> view_;
  QTimer timer_;
};

}  // namespace kestrova
