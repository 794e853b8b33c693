#include "qt/tools/log_model.h"

namespace kestrova {

LogModel::LogModel(QStringList headers, std::function<std::int64_t()> first, std::function<std::int64_t()> end,
                   std::function<QVariant(std::size_t, int, int)> cell, QObject* parent)
    : QAbstractTableModel(parent),
      headers_(std::move(headers)),
      first_(std::move(first)),
      end_(std::move(end)),
      cell_(std::move(cell)) {
  shownFirst_ = shownEnd_ = first_();
  Sync();
}

int LogModel::RowOf(std::int64_t number) const {
  return number >= shownFirst_ && number < shownEnd_ ? static_cast<int>(number - shownFirst_) : -1;
}

bool LogModel::Behind() const { return first_() != shownFirst_ || end_() != shownEnd_; }

LogModel::Change LogModel::Sync() {
  const std::int64_t first = first_(), end = end_();
  if (first == shownFirst_ && end == shownEnd_) return Change::None;
  if (first >= shownEnd_ || first < shownFirst_) {
    beginResetModel();
    shownFirst_ = first;
    shownEnd_ = end;
    endResetModel();
    return Change::Reset;
  }
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
  return Change::Rows;
}

int LogModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shownEnd_ - shownFirst_);
}

int LogModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : headers_.size(); }

QVariant LogModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == kNumberRole) return QVariant::fromValue<qint64>(shownFirst_ + index.row());
  // The model shows rows from shownFirst_; the log's index 0 is its first number.
  const std::int64_t at = shownFirst_ + index.row() - first_();
  if (at < 0) return {};
  return cell_(static_cast<std::size_t>(at), index.column(), role);
}

QVariant LogModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < headers_.size()) return headers_[section];
  return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace kestrova
