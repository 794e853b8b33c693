#pragma once
// The table of a tool window over a bounded, numbered log (the traffic log, the event log). It
// follows the log's end, scrolling along while the operator is at the bottom, and draws each
// cell once: a logged entry never changes, and drawing its text afresh on every repaint was
// most of what an open monitor cost while polling.
#include <QTableView>
#include <cstdint>

namespace kestrova {

class LogModel;

class LogTable final : public QTableView {
  Q_OBJECT
 public:
  // Takes the model over; the object name is the table's.
  LogTable(LogModel* model, const QString& objectName, QWidget* parent);

  LogModel& Model() const { return *model_; }
  // Shows what was added to and dropped from the log since the last call.
  void Follow();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The bottom edge of the last row in the view.
  int RowsBottom() const;

  LogModel* model_;
};

}  // namespace kestrova
