#include "qt/lamp.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "qt/text.h"
#include "values/tr.h"

namespace kestrova {

Lamp::Lamp(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  UpdateAccessibleName();
}

int Lamp::Shown(int state) { return state >= kOff && state <= kSelfTest ? state : kOff; }

QString Lamp::StateName(int state) {
  switch (Shown(state)) {
    case kWork: return UiText("Lamp", "工作");
    case kAlarm: return UiText("Lamp", "告警");
    case kSelfTest: return UiText("Lamp", "自检");
    default: return UiText("Lamp", "熄灭");
  }
}

void Lamp::SetState(int state) {
  if (state == state_) return;
  const bool looksDifferent = Shown(state) != Shown(state_);
  state_ = state;
  if (looksDifferent) {
    UpdateAccessibleName();
    update();
  }
}

void Lamp::SetCaption(const QString& caption) {
  caption_ = caption;
  UpdateAccessibleName();
}

void Lamp::UpdateAccessibleName() {
  setAccessibleName(caption_.isEmpty() ? StateName(state_) : caption_ + UiText("Lamp", "：") + StateName(state_));
}

void Lamp::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // A state the board has not confirmed for a while is shown dimmed.
  if (property("stale").toBool()) p.setOpacity(0.3);
  // A square cell centred in the widget, one pixel in from the edges.
  const qreal side = std::max<qreal>(4.0, std::min(width(), height()) - 2.0);
  const QRectF cell((width() - side) / 2.0, (height() - side) / 2.0, side, side);
  const QColor outline(0x40, 0x40, 0x40);
  p.setPen(QPen(outline, 1.0));

  switch (Shown(state_)) {
    case kWork:
      p.setBrush(QColor(0x1E, 0xB4, 0x3C));
      p.drawEllipse(cell);
      break;
    case kAlarm: {
      QPainterPath triangle;
      triangle.moveTo(cell.center().x(), cell.top());
      triangle.lineTo(cell.right(), cell.bottom());
      triangle.lineTo(cell.left(), cell.bottom());
      triangle.closeSubpath();
      p.setBrush(QColor(0xE0, 0x20, 0x20));
      p.drawPath(triangle);
      break;
    }
    case kSelfTest: {
      p.setBrush(Qt::white);
      p.drawEllipse(cell);
      QPainterPath half;
      half.moveTo(cell.center());
      half.arcTo(cell, 90.0, 180.0);
      half.closeSubpath();
      p.setBrush(QColor(0xF0, 0xA0, 0x00));
      p.drawPath(half);
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(cell);
      break;
    }
    default:
      p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.5));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(cell.adjusted(0.75, 0.75, -0.75, -0.75));
      break;
  }
}

}  // namespace kestrova
