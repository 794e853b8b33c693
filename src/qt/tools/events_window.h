#pragma once
// "事件记录" (Events_Form): alarm and work-state transitions, link events and settings checks,
// time-stamped; exported as CSV.
#include <QTableView>
#include <QTimer>
#include <QWidget>

#include "tools/event_log.h"

namespace kestrova {

class LogModel;

class EventsWindow final : public QWidget {
  Q_OBJECT
 public:
  EventsWindow(EventLog& log, QWidget* parent = nullptr);
  QTableView& Table() { return *table_; }
  void Refresh();
  // Writes the log as CSV (UTF-8 with BOM); the reason when it cannot.
  std::optional<QString> Export(const QString& path) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  EventLog& log_;
  LogModel* model_;
  QTableView* table_;
  QTimer refresh_;
  std::int64_t shownEnd_ = -1;
};

}  // namespace kestrova
