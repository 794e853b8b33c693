#pragma once
// "总线扫描" (BusScan_Form): the address range to scan, the start/stop button, the progress,
// one row per board that answered, and "监视此地址" for the selected row. A plain view: what
// the buttons mean is the scan's logic, told through the signals.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <optional>
#include <vector>

#include "bus/bus_scan.h"

namespace kestrova {

class BusScanWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit BusScanWindow(QWidget* parent = nullptr);

  QString From() const { return from_->text(); }
  QString To() const { return to_->text(); }
  // The address of the selected row, if a row is selected.
  std::optional<int> SelectedAddress() const;

  // The scan's state: button caption and fields, progress, the boards found, the status line.
  void ShowRunning(bool running);
  void ShowProgress(int done, int total);
  void ShowFound(const std::vector<ScanFind>& found);
  void ShowStatus(const QString& text);

 signals:
  void startClicked();
  void useClicked(int address);
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLineEdit* from_;
  QLineEdit* to_;
  QPushButton* start_;
  QProgressBar* progress_;
  QTableWidget* results_;
  QPushButton* use_;
  QLabel* status_;
  std::size_t shown_ = 0;
};

}  // namespace kestrova
