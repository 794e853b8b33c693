#include "qt/tools/recording_status.h"

#include <QEvent>
#include <QPainter>

namespace kestrova {

namespace {

void Prepare(QStaticText& text, const QString& value, const QFont& font) {
  text.setText(value);
  text.setTextFormat(Qt::PlainText);
  text.prepare(QTransform(), font);
}

}  // namespace

RecordingStatus::RecordingStatus(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("RecordStatus"));
  Prepare(tail_, QStringLiteral(" 行）"), font());
}

void RecordingStatus::Show(const QString& file, std::int64_t rows) {
  const QString head = QStringLiteral("记录中：%1（").arg(file);
  if (head != head_.text()) {
    Prepare(head_, head, font());
    count_.clear();
  }
  Count(rows);
}

void RecordingStatus::Count(std::int64_t rows) {
  const QString count = QString::number(rows);
  if (count == count_) return;
  const QSize before = sizeHint();
  count_ = count;
  // Digits one by one: a single character's width needs no shaping of the text.
  const QFontMetrics metrics = fontMetrics();
  countWidth_ = 0;
  for (QChar digit : count_) countWidth_ += metrics.horizontalAdvance(digit);
  drawn_ = false;
  setAccessibleName(text());
  if (sizeHint() != before) updateGeometry();
  update();
}

void RecordingStatus::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    Prepare(head_, head_.text(), font());
    Prepare(tail_, tail_.text(), font());
    const QString count = count_;
    count_.clear();
    Count(count.toLongLong());
  }
  QWidget::changeEvent(event);
}

QSize RecordingStatus::sizeHint() const {
  const int width = qCeil(head_.size().width()) + countWidth_ + qCeil(tail_.size().width());
  return {width, fontMetrics().height()};
}

void RecordingStatus::paintEvent(QPaintEvent*) {
  // The status bar repaints all its notes whenever one of them changes (the link's age does on
  // every poll tick): the note is drawn once per row and copied in between.
  const qreal ratio = devicePixelRatioF();
  if (picture_.size() != size() * ratio) {
    picture_ = QPixmap(size() * ratio);
    picture_.setDevicePixelRatio(ratio);
    drawn_ = false;
  }
  if (!drawn_) {
    drawn_ = true;
    // Opaque, on the status bar's own colour: copied each tick rather than blended.
    picture_.fill(palette().color(QPalette::Window));
    QPainter painter(&picture_);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const int y = (height() - fontMetrics().height()) / 2;
    qreal x = 0;
    painter.drawStaticText(QPointF(x, y), head_);
    x += head_.size().width();
    painter.drawText(QPointF(x, y + fontMetrics().ascent()), count_);
    painter.drawStaticText(QPointF(x + countWidth_, y), tail_);
  }
  QPainter(this).drawPixmap(0, 0, picture_);
}

}  // namespace kestrova
