#pragma once
// "事件记录" (Events_Form): alarm and work-state transitions, link events and settings checks,
// time-stamped; exported as CSV.
#include <QWidget>

#include "qt/tools/log_table.h"
#include "tools/event_log.h"

namespace kestrova {

class EventsWindow final : public QWidget {
  Q_OBJECT
 public:
  EventsWindow(EventLog& log, QWidget* parent = nullptr);
  LogTable& Table() { return *table_; }
  void Refresh();
  // The console's poll tick, ms after the last one: while open, the log is followed every half
  // second, with no wake-up of its own.
  void Beat(int ms);
  // Writes the log as CSV (UTF-8 with BOM); the reason when it cannot.
  std::optional<QString> Export(const QString& path) const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  EventLog& log_;
  LogTable* table_;
  int sinceMs_ = 0;
};

}  // namespace kestrova
