#include "qt/tools/recording_status.h"

#include <QPainter>

namespace kestrova {

namespace {

void Prepare(QStaticText& text, const QString& value, const QFont& font) {
  text.setText(value);
  text.setTextFormat(Qt::PlainText);
  text.prepare(QTransform(), font);
}

}  // namespace

RecordingStatus::RecordingStatus(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("RecordStatus"));
  Prepare(tail_, QStringLiteral(" 行）"), font());
}

void RecordingStatus::Show(const QString& file, std::int64_t rows) {
  const QString head = QStringLiteral("记录中：%1（").arg(file);
  if (head != head_.text()) Prepare(head_, head, font());
  count_ = QString::number(rows);
  setText(head + count_ + tail_.text());
}

QSize RecordingStatus::sizeHint() const {
  const int width = qCeil(head_.size().width()) + fontMetrics().horizontalAdvance(count_) + qCeil(tail_.size().width());
  return {width + 2 * margin(), fontMetrics().height()};
}

void RecordingStatus::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  const int y = (height() - fontMetrics().height()) / 2;
  qreal x = margin();
  painter.drawStaticText(QPointF(x, y), head_);
  x += head_.size().width();
  painter.drawText(QPointF(x, y + fontMetrics().ascent()), count_);
  x += fontMetrics().horizontalAdvance(count_);
  painter.drawStaticText(QPointF(x, y), tail_);
}

}  // namespace kestrova
