#pragma once
// "通信监视" (Traffic_Form): every frame sent and received with its time, direction, bytes and
// meaning, and what the frame scan threw away. It listens to the line only while it is open.
#include <QWidget>

#include "qt/tools/log_table.h"
#include "link/link_statistics.h"
#include "tools/traffic_log.h"

class QPushButton;

namespace kestrova {

class TrafficWindow final : public QWidget {
  Q_OBJECT
 public:
  TrafficWindow(LinkStatistics& stats, TrafficLog& log, QWidget* parent = nullptr);
  ~TrafficWindow() override;

  LogTable& Table() { return *table_; }
  // The entries of the selected rows as text, one line per entry.
  QString SelectionText() const;
  QString AllText() const;
  // Follows the log now.
  void Refresh();
  // The console's poll tick, ms after the last one: while open, the log is followed every two
  // seconds (two polls, requests and answers, in one repaint of the table), with no wake-up of
  // its own.
  void Beat(int ms);
  static constexpr int kFollowMs = 2000;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QString Line(const LinkEvent& event) const;
  void SaveAs();
  void Listen(bool on);

  LinkStatistics& stats_;
  TrafficLog& log_;
  LogTable* table_;
  QPushButton* pause_;
  int sinceMs_ = 0;
};

}  // namespace kestrova
