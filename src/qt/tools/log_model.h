#pragma once
// A table model over a numbered, bounded log (the traffic log, the event log): Sync() follows
// what was added at the end, what fell off the front and the last entry changed in place, so
// a view with thousands of rows costs only the rows that changed.
#include <QAbstractTableModel>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "tools/numbered_log.h"

namespace kestrova {

class LogModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  // cell: the text (or other role) of the entry at that index of the log.
  template <class Entry>
  LogModel(QStringList headers, const NumberedLog<Entry>& log,
           std::function<QVariant(std::size_t index, int column, int role)> cell, QObject* parent = nullptr)
      : LogModel(std::move(headers), [&log] { return log.FirstNumber(); }, [&log] { return log.EndNumber(); },
                 [&log] { return log.Revision(); }, std::move(cell), parent) {}

  // The number of a row's entry in the log: the same entry keeps it while rows come and go.
  static constexpr int kNumberRole = Qt::UserRole + 1;

  // True when the log has changed since the model last followed it.
  bool Behind() const;
  // Follows the log: rows added at the end and dropped at the front, the last row shown told
  // changed, or, when the log was cleared or the model fell too far behind, everything anew.
  void Sync();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  LogModel(QStringList headers, std::function<std::int64_t()> first, std::function<std::int64_t()> end,
           std::function<std::int64_t()> revision, std::function<QVariant(std::size_t, int, int)> cell,
           QObject* parent);

  QStringList headers_;
  std::function<std::int64_t()> first_, end_, revision_;
  std::function<QVariant(std::size_t, int, int)> cell_;
  std::int64_t shownFirst_ = 0, shownEnd_ = 0, shownRevision_ = -1;
};

}  // namespace kestrova
