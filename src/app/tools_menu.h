#pragma once
// The menu bar above the main window's form and the service tools behind it: the traffic
// monitor, the trend plots, the event log, the CSV recording and the setting profiles. They
// read the line's statistics and the decoded run data through the main form's hooks; none of
// them writes to the port.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QObject>
#include <functional>
#include <memory>

#include "app/bus_scan_tool.h"
#include "app/console_windows.h"
#include "qt/tools/events_window.h"
#include "qt/tools/traffic_window.h"
#include "qt/tools/trend_window.h"
#include "report/service_report.h"
#include "tools/event_log.h"
#include "tools/recorder.h"
#include "tools/traffic_log.h"
#include "tools/trend_store.h"

namespace kestrova {

class ToolsMenu final : public QObject {
  Q_OBJECT
 public:
  explicit ToolsMenu(ConsoleWindows& windows, QObject* parent = nullptr);
  ~ToolsMenu() override;

  // Asks the operator for a file: (title, suggested path, filter, save) -> path, empty when
  // cancelled. A file dialog unless a test gives its own.
  std::function<QString(const QString&, const QString&, const QString&, bool)> AskFile;

  QMenuBar& Bar() { return *bar_; }
  TrafficWindow& Traffic() { return *trafficView_; }
  TrendWindow& Trend() { return *trendView_; }
  EventsWindow& Events() { return *eventsView_; }
  BusScanTool& Scanner() { return *busScan_; }
  const Recorder& Recording() const { return recorder_; }
  const EventLog& EventStore() const { return events_; }
  const TrendStore& TrendData() const { return trend_; }
  const TrafficLog& TrafficData() const { return traffic_; }

  void StartOrStopRecording();
  void SaveProfile();
  void LoadProfile();
  // Writes the service report of the visit to a PDF the operator chooses.
  void MakeReport();

 private:
  QAction* Add(QMenu* menu, const char* name, const QString& text, void (ToolsMenu::*slot)());
  void ShowTraffic() { Show(*trafficView_); }
  void ShowTrend() { Show(*trendView_); }
  void ShowEvents() { Show(*eventsView_); }
  void ShowBusScan() { busScan_->Show(); }
  void Show(QWidget& window);
  void About();
  void RunDataShown();
  void ShowRecording();
  void ShowRecordingCount();
  void StopRecording(const std::string& why);

  ConsoleWindows& windows_;
  TrafficLog traffic_;
  TrendStore trend_;
  EventLog events_;
  Recorder recorder_;
  QMenuBar* bar_;
  QAction* record_;
  QLabel* recordStatus_;  // "记录中：<file>（<n> 行）"
  QString recordFile_;
  RecordingGap recordGap_;
  std::unique_ptr<TrafficWindow> trafficView_;
  std::unique_ptr<TrendWindow> trendView_;
  std::unique_ptr<EventsWindow> eventsView_;
  std::unique_ptr<BusScanTool> busScan_;
  bool markDiffering_ = false;
  // For the service report: the latest run data as shown, and what this session did to the settings.
  std::optional<RunDataSnapshot> latest_;
  SessionSettings session_;
};

}  // namespace kestrova
