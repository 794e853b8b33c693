#include "qt/tools/log_model.h"

namespace kestrova {

LogModel::LogModel(QStringList headers, std::function<std::int64_t()> first, std::function<std::int64_t()> end,
                   std::function<std::int64_t()> revision, std::function<QVariant(std::size_t, int, int)> cell,
                   QObject* parent)
    : QAbstractTableModel(parent),
      headers_(std::move(headers)),
      first_(std::move(first)),
      end_(std::move(end)),
      revision_(std::move(revision)),
      cell_(std::move(cell)) {
  shownFirst_ = shownEnd_ = first_();
  Sync();
}

bool LogModel::Behind() const { return revision_() != shownRevision_; }

void LogModel::Sync() {
  const std::int64_t first = first_(), end = end_();
  shownRevision_ = revision_();
  if (first >= shownEnd_ || first < shownFirst_) {
    beginResetModel();
    shownFirst_ = first;
    shownEnd_ = end;
    endResetModel();
    return;
  }
  // The last entry shown may have grown since (a run of thrown-away bytes).
  const std::int64_t lastShown = shownEnd_ - 1;
  if (first > shownFirst_) {
    beginRemoveRows({}, 0, static_cast<int>(first - shownFirst_ - 1));
    shownFirst_ = first;
    endRemoveRows();
  }
  if (end > shownEnd_) {
    beginInsertRows({}, static_cast<int>(shownEnd_ - shownFirst_), static_cast<int>(end - shownFirst_ - 1));
    shownEnd_ = end;
    endInsertRows();
  }
  if (lastShown >= shownFirst_) {
    const int row = static_cast<int>(lastShown - shownFirst_);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
  }
}

int LogModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shownEnd_ - shownFirst_);
}

int LogModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : headers_.size(); }

QVariant LogModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const std::int64_t number = shownFirst_ + index.row();
  if (role == kNumberRole) return QVariant::fromValue<qint64>(number);
  // The log may have moved on since the last Sync: an entry is found by its number.
  const std::int64_t at = number - first_();
  if (at < 0 || number >= end_()) return {};
  return cell_(static_cast<std::size_t>(at), index.column(), role);
}

QVariant LogModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < headers_.size()) return headers_[section];
  return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace kestrova
