#pragma once
// The logic of the bus scan window "BusScan_Form": starting and stopping the scan from its
// address fields, feeding it the line, and "监视此地址". While a scan runs it has the line to
// itself (the poll cycle sends nothing and reads nothing); the line goes back to the poll
// cycle when the scan ends, is stopped, its window is closed or the port goes away.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "bus/bus_scan.h"
#include "forms/main_form.h"

namespace kestrova {

class BusScanForm {
 public:
  explicit BusScanForm(MainForm& main);
  ~BusScanForm();
  BusScanForm(const BusScanForm&) = delete;
  BusScanForm& operator=(const BusScanForm&) = delete;

  // "开始扫描" with the texts of ScanFrom and ScanTo; "停止扫描" while a scan runs. A range the
  // scan cannot use is refused with a message box; a closed port is told in the status line.
  void OnStartScan(std::string_view from, std::string_view to);
  // Ends a running scan (the button, the window closed); what was found stays.
  void Stop();
  // Every few milliseconds: the line's bytes to the scan, the next request to the line.
  void Tick();
  // "监视此地址": the console polls that board from now on, as after "获取地址" answered it.
  void OnUseAddress(int address);

  // From "开始扫描" until the scan ends (the wait for a quiet line included).
  bool Running() const { return running_; }
  const BusScan& Scan() const { return scan_; }
  // The window's status line.
  const std::string& Status() const { return status_; }

  // Told of what goes into the event log: the scan started, and what it found.
  std::function<void(const std::string&)> Logged;

 private:
  void Begin(ScanRange range);
  void End(std::string status);
  void Log(const std::string& text);
  std::string PortName() const;

  MainForm& main_;
  BusScan scan_;
  bool running_ = false;
  std::optional<ScanRange> waiting_;  // started, until the poll cycle's last answer has had its time
  std::int64_t startAt_ = 0;
  std::string status_;
};

}  // namespace kestrova
