#include "qt/tools/log_table.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

namespace kestrova {

LogTable::LogTable(LogModel* model, const QString& objectName, QWidget* parent) : QTableView(parent), model_(model) {
  setObjectName(objectName);
  model_->setParent(this);
  setModel(model_);
  setShowGrid(false);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  verticalHeader()->hide();
  // Every row one line high: the view need not measure the rows it shows.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setStretchLastSection(true);
}

void LogTable::Follow() {
  if (!model_->Behind()) return;
  QScrollBar* bar = verticalScrollBar();
  const bool atEnd = bar->value() >= bar->maximum();
  model_->Sync();
  if (atEnd) scrollToBottom();
}

std::vector<std::int64_t> LogTable::SelectedNumbers() const {
  std::vector<std::int64_t> numbers;
  for (const QModelIndex& row : selectionModel()->selectedRows())
    numbers.push_back(row.data(LogModel::kNumberRole).toLongLong());
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

}  // namespace kestrova
