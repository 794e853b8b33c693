#include "qt/status_labels.h"

#include <QPainter>
#include <QStyle>

namespace kestrova {

ElidedLabel::ElidedLabel(QWidget* parent, QSizePolicy::Policy horizontal) : QLabel(parent) {
  setSizePolicy(horizontal, QSizePolicy::Preferred);
}

QSize ElidedLabel::minimumSizeHint() const {
  return {fontMetrics().horizontalAdvance(QStringLiteral("…")) + indent() + 2 * frameWidth(), QLabel::minimumSizeHint().height()};
}

void ElidedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  QRect room = contentsRect();
  room.adjust(qMax(indent(), 0) + margin(), margin(), -margin(), -margin());
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
  style()->drawItemText(&painter, room, int(alignment()) | Qt::TextSingleLine, palette(), isEnabled(), shown,
                        foregroundRole());
}

FixedWidthLabel::FixedWidthLabel(const QString& widestSample, QWidget* parent) : QLabel(parent) {
  setText(widestSample);
  setFixedSize(sizeHint() + QSize(8, 0));
  clear();
}

int FixedWidthLabel::WidthFor(const QString& text) const {
  return fontMetrics().horizontalAdvance(text) + 2 * frameWidth() + 2 * margin() + qMax(indent(), 0) + 8;
}

void FixedWidthLabel::paintEvent(QPaintEvent* event) {
  // Widening is laid out after this paint; until then the text is drawn as far as it fits.
  if (const int need = WidthFor(text()); need > width()) setFixedWidth(need + fontMetrics().horizontalAdvance(QStringLiteral("000")));
  QLabel::paintEvent(event);
}

}  // namespace kestrova
