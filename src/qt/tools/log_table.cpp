#include "qt/tools/log_table.h"

#include <QApplication>
#include <QHash>
#include <QCache>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QPixmap>
#include <QStyledItemDelegate>

#include "qt/tools/log_model.h"

namespace kestrova {

namespace {

// What a cell's picture depends on: the entry (which never changes), the column, the cell's size
// and whether it is shown selected.
struct CellKey {
  qint64 entry;
  int column, width, height;
  bool selected, active;
  qreal ratio;
  bool operator==(const CellKey&) const = default;
};

size_t qHash(const CellKey& k, size_t seed = 0) {
  return qHashMulti(seed, k.entry, k.column, k.width, k.height, k.selected, k.active, k.ratio);
}

// Draws each cell as the style would (background, selection, the model's text colour, the text
// elided to the column) into a picture once, and then copies the picture: the whole table is
// repainted every time a row comes in and scrolls the rest up, and laying out the same Chinese
// texts again each time was most of what an open monitor cost while polling.
class PictureCellDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const CellKey key{index.data(LogModel::kNumberRole).toLongLong(),
                      index.column(),
                      option.rect.width(),
                      option.rect.height(),
                      static_cast<bool>(option.state & QStyle::State_Selected),
                      static_cast<bool>(option.state & QStyle::State_Active),
                      painter->device()->devicePixelRatioF()};
    if (const QPixmap* picture = pictures_.object(key)) return painter->drawPixmap(option.rect.topLeft(), *picture);
    QPixmap* drawn = Draw(option, index, key.ratio);
    painter->drawPixmap(option.rect.topLeft(), *drawn);
    // Last: the cache deletes at once a picture too big ever to be kept.
    pictures_.insert(key, drawn, std::max(1, drawn->width() * drawn->height() / 256));
  }

 private:
  QPixmap* Draw(const QStyleOptionViewItem& option, const QModelIndex& index, qreal ratio) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QPalette::ColorGroup group = (opt.state & QStyle::State_Active) ? QPalette::Normal : QPalette::Inactive;
    const bool selected = opt.state & QStyle::State_Selected;
    auto* drawn = new QPixmap(opt.rect.size() * ratio);
    drawn->setDevicePixelRatio(ratio);
    drawn->fill(opt.palette.color(group, selected ? QPalette::Highlight : QPalette::Base));
    QPainter p(drawn);
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opt.widget) + 1;
    const QRect area = QRect(QPoint(0, 0), opt.rect.size()).adjusted(margin, 0, -margin, 0);
    p.setFont(opt.font);
    p.setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               QFontMetrics(opt.font).elidedText(opt.text, Qt::ElideRight, area.width()));
    return drawn;
  }

  // In KiB: some 8 MiB, several screens of cells.
  mutable QCache<CellKey, QPixmap> pictures_{8 * 1024};
};

}  // namespace

LogTable::LogTable(LogModel* model, const QString& objectName, QWidget* parent) : QTableView(parent), model_(model) {
  setObjectName(objectName);
  model_->setParent(this);
  setModel(model_);
  setItemDelegate(new PictureCellDelegate(this));
  setShowGrid(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setWordWrap(false);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setStretchLastSection(true);
}

void LogTable::paintEvent(QPaintEvent* event) {
  // The cells' pictures are opaque: only the part of the view below the last row and right of the
  // last column is filled, not the whole view under them on every repaint.
  QPainter painter(viewport());
  const int right = columnViewportPosition(model_->columnCount() - 1) + columnWidth(model_->columnCount() - 1);
  const int rows = model_->rowCount();
  const int bottom = rows == 0 ? 0 : rowViewportPosition(rows - 1) + rowHeight(rows - 1);
  QRegion bare(viewport()->rect());
  bare -= QRect(0, 0, right, bottom);
  for (const QRect& r : bare) painter.fillRect(r, palette().brush(QPalette::Base));
  painter.end();
  QTableView::paintEvent(event);
}

void LogTable::Follow() {
  QScrollBar* bar = verticalScrollBar();
  const bool atEnd = bar->value() >= bar->maximum() - 1;
  // New rows repaint the whole view anyway: no scrolling of the old picture first.
  viewport()->setUpdatesEnabled(false);
  const bool changed = model_->Sync();
  if (changed && atEnd) scrollToBottom();
  viewport()->setUpdatesEnabled(true);
}

}  // namespace kestrova
