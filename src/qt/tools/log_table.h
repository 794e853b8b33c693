#pragma once
// The table of a tool window over a bounded, numbered log (the traffic log, the event log): the
// stock view and delegate, whole rows selected, following the log's end while the operator is
// at the bottom.
#include <QTableView>
#include <cstdint>
#include <vector>

#include "qt/tools/log_model.h"

namespace kestrova {

class LogTable final : public QTableView {
  Q_OBJECT
 public:
  // Takes the model over; the object name is the table's.
  LogTable(LogModel* model, const QString& objectName, QWidget* parent);

  LogModel& Model() const { return *model_; }
  // Shows what changed in the log since the last call.
  void Follow();
  // The numbers of the entries of the selected rows, oldest first.
  std::vector<std::int64_t> SelectedNumbers() const;

 private:
  LogModel* model_;
};

}  // namespace kestrova
