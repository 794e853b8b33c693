#pragma once
// A table model over a numbered, bounded log (the traffic log, the event log): Sync() follows
// what was added at the end and what fell off the front, row by row, so a view with thousands
// of rows costs only the rows that changed.
#include <QAbstractTableModel>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace kestrova {

class LogModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  // first/end: the log's numbers; cell: the text (or other role) of row i of the log.
  LogModel(QStringList headers, std::function<std::int64_t()> first, std::function<std::int64_t()> end,
           std::function<QVariant(std::size_t index, int column, int role)> cell, QObject* parent = nullptr);

  // The number of a row's entry in the log: the same entry keeps it while rows come and go.
  static constexpr int kNumberRole = Qt::UserRole + 1;

  // The row of the entry with that number, -1 when the model does not show it.
  int RowOf(std::int64_t number) const;
  // True when the log has rows added or dropped that the model does not show yet.
  bool Behind() const;
  enum class Change { None, Rows, Reset };
  // Follows the log: rows added at the end and dropped at the front, or, when the log was
  // cleared or the model fell too far behind, everything shown anew.
  Change Sync();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QStringList headers_;
  std::function<std::int64_t()> first_, end_;
  std::function<QVariant(std::size_t, int, int)> cell_;
  std::int64_t shownFirst_ = 0, shownEnd_ = 0;
};

}  // namespace kestrova
