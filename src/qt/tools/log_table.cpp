#include "qt/tools/log_table.h"

#include <QApplication>
#include <QCache>
#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QSet>
#include <QStaticText>
#include <QStyleOptionSlider>
#include <QStyledItemDelegate>
#include <cmath>
#include <vector>

#include "qt/tools/groove_style.h"
#include "qt/tools/log_model.h"

namespace kestrova {

void DrawElided(QPainter& painter, const QRect& area, const QString& text, const QFont& font) {
  // Words already laid out, by font: the logs repeat a small vocabulary (the bytes in hex, the
  // names of the measurements, the states), and laying out Chinese text is what drawing a new
  // row costs most. Bounded: forgotten all at once when it grows past some thousands.
  struct Word {
    QStaticText text;
    qreal advance;
  };
  struct Font {
    QFont font;
    QFontMetricsF metrics;
    qreal space, dots;
    QHash<QString, Word> words;
  };
  static QHash<QString, Font> byFont;
  static Font* last = nullptr;  // a table draws all its cells in one font
  if (last == nullptr || !(last->font == font)) {
    auto found = byFont.find(font.key());
    if (found == byFont.end()) {
      const QFontMetricsF m(font);
      found = byFont.insert(font.key(), Font{font, m, m.horizontalAdvance(QLatin1Char(' ')),
                                             m.horizontalAdvance(QChar(0x2026)), {}});
    }
    last = &found.value();
  }
  QHash<QString, Word>& words = last->words;
  if (words.size() > 4096) words.clear();
  const QFontMetricsF& metrics = last->metrics;
  const qreal top = area.top() + (area.height() - metrics.height()) / 2;
  const qreal space = last->space;
  const qreal dots = last->dots;
  const auto LaidOut = [&](const QString& word) {
    auto found = words.find(word);
    if (found == words.end()) {
      Word w{QStaticText(word), metrics.horizontalAdvance(word)};
      w.text.setTextFormat(Qt::PlainText);
      w.text.prepare(QTransform(), font);
      found = words.insert(word, w);
    }
    return found.value();
  };
  qreal total = 0;
  // Each word's place in the text, and the word (a copy: a later insertion may move the cache).
  struct Laid {
    qsizetype start, end;
    Word word;
  };
  std::vector<Laid> laid;
  for (qsizetype start = 0; start <= text.size();) {
    qsizetype end = text.indexOf(QLatin1Char(' '), start);
    if (end < 0) end = text.size();
    const Word word = LaidOut(text.mid(start, end - start));
    laid.push_back({start, end, word});
    total += word.advance + (end < text.size() ? space : 0);
    start = end + 1;
    if (total > area.width() + space) break;
  }
  painter.setFont(font);
  // Elided as the toolkit does: the longest start narrower than the width less the ellipsis,
  // then the ellipsis; a text of one character is never elided.
  const bool whole = total <= area.width() || text.size() <= 1;
  const qreal room = area.width() - dots;
  if (!whole && room < 0) return;
  // A character wider than the area is cut at its edge.
  painter.save();
  if (total > area.width()) painter.setClipRect(area, Qt::IntersectClip);
  qreal x = area.left();
  for (const auto& [start, end, word] : laid) {
    if (whole || x - area.left() + word.advance < room) {
      painter.drawStaticText(QPointF(x, top), word.text);
      x += word.advance + space;
      continue;
    }
    // The word that does not fit: as much of it, with the space before it, as does.
    if (start > 0) x -= space;
    const qsizetype from = start > 0 ? start - 1 : 0;
    // The longest start of it that fits, found by halving (a start is never narrower than a
    // shorter one); a pair of surrogates is never split.
    const auto fitsIn = [&](qsizetype n) { return x - area.left() + metrics.horizontalAdvance(text.mid(from, n)) < room; };
    qsizetype fits = 0, over = end - from + 1;
    while (over - fits > 1) {
      qsizetype n = (fits + over) / 2;
      if (text[from + n - 1].isHighSurrogate() && from + n < end && ++n == over) n -= 2;
      if (n <= fits) break;
      (fitsIn(n) ? fits : over) = n;
    }
    painter.drawStaticText(QPointF(x, top), LaidOut(text.mid(from, fits) + QChar(0x2026)).text);
    break;
  }
  painter.restore();
}

namespace {

// What a cell shows, whichever entry it belongs to.
struct Look {
  QString text;
  QRgb background, pen;
  QSize size;
  qreal ratio;
  bool operator==(const Look&) const = default;
};

size_t qHash(const Look& k, size_t seed = 0) {
  return qHashMulti(seed, k.text, k.background, k.pen, k.size.width(), k.size.height(), k.ratio);
}

// Draws each cell as the style would (background, selection, the model's text colour, the text
// elided to the column) from the words laid out once. Most cells repeat one another (the
// direction, every poll's request and its meaning): a look seen before is drawn once into a
// picture and copied from then on; a cell seen once (a time, a response's bytes) is drawn straight.
class WordCellDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    // A log's cell has a text and perhaps a colour, nothing else the item view could show.
    const QVariant colour = index.data(Qt::ForegroundRole);
    const QPalette::ColorGroup group = (option.state & QStyle::State_Active) ? QPalette::Normal : QPalette::Inactive;
    const bool selected = option.state & QStyle::State_Selected;
    const Look look{index.data(Qt::DisplayRole).toString(),
                    option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base).rgba(),
                    (selected           ? option.palette.color(group, QPalette::HighlightedText)
                     : colour.isValid() ? colour.value<QColor>()
                                        : option.palette.color(group, QPalette::Text))
                        .rgba(),
                    option.rect.size(), painter->device()->devicePixelRatioF()};
    if (const QPixmap* picture = pictures_.object(look)) return painter->drawPixmap(option.rect.topLeft(), *picture);
    const int margin = (option.widget ? option.widget->style() : QApplication::style())
                           ->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) +
                       1;
    const auto draw = [&](QPainter& p, const QRect& cell) {
      p.fillRect(cell, QColor::fromRgba(look.background));
      p.setPen(QColor::fromRgba(look.pen));
      DrawElided(p, cell.adjusted(margin, 0, -margin, 0), look.text, option.font);
    };
    if (seen_.size() > 4096) seen_.clear();
    if (!seen_.contains(look)) {
      seen_.insert(look);
      return draw(*painter, option.rect);
    }
    auto* picture = new QPixmap(look.size * look.ratio);
    picture->setDevicePixelRatio(look.ratio);
    QPainter p(picture);
    draw(p, QRect(QPoint(0, 0), look.size));
    p.end();
    painter->drawPixmap(option.rect.topLeft(), *picture);
    pictures_.insert(look, picture, std::max(1, picture->width() * picture->height() / 256));
  }

 private:
  mutable QSet<Look> seen_;  // looks drawn once, bounded
  // By look, in KiB: some 2 MiB, several screens of cells.
  mutable QCache<Look, QPixmap> pictures_{2 * 1024};
};

// A scroll bar drawn again only when it looks different. Following the log's end it is told of
// every new row, while its handle, once at its shortest and at the bottom, stays where it is.
class SteadyScrollBar final : public QScrollBar {
 public:
  using QScrollBar::QScrollBar;

 protected:
  void sliderChange(SliderChange change) override {
    if (change == SliderOrientationChange || Now() != painted_) QScrollBar::sliderChange(change);
  }
  void paintEvent(QPaintEvent* event) override {
    painted_ = Now();
    QScrollBar::paintEvent(event);
  }

 private:
  struct Look {
    QRect handle;
    bool atStart, atEnd;  // the arrows at an end are drawn greyed
    bool operator==(const Look&) const = default;
  };
  Look Now() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return {style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this),
            value() == minimum(), value() == maximum()};
  }
  Look painted_{};
};

}  // namespace

LogTable::LogTable(LogModel* model, const QString& objectName, QWidget* parent) : QTableView(parent), model_(model) {
  setObjectName(objectName);
  model_->setParent(this);
  setModel(model_);
  setItemDelegate(new WordCellDelegate(this));
  setShowGrid(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setWordWrap(false);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setStretchLastSection(true);
  setVerticalScrollBar(new SteadyScrollBar(Qt::Vertical, this));
  setHorizontalScrollBar(new SteadyScrollBar(Qt::Horizontal, this));
  auto* grooves = new GrooveStyle;
  grooves->setParent(this);
  for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
    bar->setStyle(grooves);
    // The groove covers the whole bar: nothing behind it is painted again when the bar moves.
    bar->setAttribute(Qt::WA_OpaquePaintEvent);
  }
}

void LogTable::paintEvent(QPaintEvent* event) {
  // The cells' pictures are opaque: only the part of the view below the last row and right of the
  // last column is filled, not the whole view under them on every repaint.
  QPainter painter(viewport());
  const int right = columnViewportPosition(model_->columnCount() - 1) + columnWidth(model_->columnCount() - 1);
  QRegion bare(viewport()->rect());
  bare -= QRect(0, 0, right, RowsBottom());
  for (const QRect& r : bare) painter.fillRect(r, palette().brush(QPalette::Base));
  painter.end();
  QTableView::paintEvent(event);
}

int LogTable::RowsBottom() const {
  const int rows = model_->rowCount();
  return rows == 0 ? 0 : rowViewportPosition(rows - 1) + rowHeight(rows - 1);
}

void LogTable::Follow() {
  if (!model_->Behind()) return;
  QScrollBar* bar = verticalScrollBar();
  const bool atEnd = bar->value() >= bar->maximum() - 1;
  // The last entry shown so far, and where it is drawn.
  const int rows = model_->rowCount();
  const std::int64_t anchor = rows == 0 ? -1 : model_->index(rows - 1, 0).data(LogModel::kNumberRole).toLongLong();
  const int anchorY = rows == 0 ? 0 : rowViewportPosition(rows - 1);
  const int bottom = RowsBottom();
  const QSize size = viewport()->size();
  // The view would repaint all of itself for new rows. An entry never changes, so what is shown
  // is the old picture moved by as far as that entry moved, with new rows below it: only those
  // are drawn.
  viewport()->setAttribute(Qt::WA_UpdatesDisabled, true);
  const LogModel::Change change = model_->Sync();
  // The rows' layout now, while nothing is drawn (left to later, it would repaint the whole view).
  executeDelayedItemsLayout();
  if (atEnd) bar->setValue(bar->maximum());
  viewport()->setAttribute(Qt::WA_UpdatesDisabled, false);
  const int row = model_->RowOf(anchor);
  const int shift = row < 0 ? -1 : anchorY - rowViewportPosition(row);
  // A new scroll bar narrows the columns: then everything is drawn again.
  if (change == LogModel::Change::Reset || row < 0 || shift < 0 || shift >= size.height() ||
      viewport()->size() != size) {
    viewport()->update();
    return;
  }
  if (shift > 0) viewport()->scroll(0, -shift);
  const int stillRight = std::max(0, bottom - shift);
  if (stillRight < viewport()->height())
    viewport()->update(0, stillRight, viewport()->width(), viewport()->height() - stillRight);
}

}  // namespace kestrova
