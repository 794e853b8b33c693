#include "qt/validate_filter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

namespace kestrova {

namespace {
bool TakesClickFocus(const QWidget* w) {
  if ((w->focusPolicy() & Qt::ClickFocus) != Qt::ClickFocus) return false;
  const QWidget* proxy = w;
  while (proxy->focusProxy()) proxy = proxy->focusProxy();
  return (proxy->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus;
}

bool IsLeaveReason(Qt::FocusReason reason) {
  switch (reason) {
    case Qt::ActiveWindowFocusReason:  // the window lost the activation
    case Qt::PopupFocusReason:         // a popup or menu took the focus
    case Qt::MenuBarFocusReason:
    case Qt::NoFocusReason:
      return false;
    default:
      return true;
  }
}
}  // namespace

ValidateFilter::ValidateFilter(QWidget& window, QObject* parent) : QObject(parent), window_(window) {
  // Application-wide: the window's own QWindow sees a press before the focus moves.
  qApp->installEventFilter(this);
}

void ValidateFilter::Watch(QWidget* field, std::function<void()> handler) {
  handlers_.insert(field, std::move(handler));
}

bool ValidateFilter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (!watched->isWidgetType() && watched == window_.windowHandle())
        return OnWindowPress(static_cast<const QMouseEvent&>(*event));
      break;
    case QEvent::FocusOut:
      if (watched->isWidgetType()) {
        auto* field = static_cast<QWidget*>(watched);
        if (handlers_.contains(field)) OnFocusOut(field, static_cast<const QFocusEvent&>(*event));
      }
      break;
    case QEvent::WindowBlocked:
      if (busy_) blocked_ = true;
      break;
    default:
      break;
  }
  return false;
}

bool ValidateFilter::OnWindowPress(const QMouseEvent& press) {
  if (busy_) return false;
  QWidget* field = QApplication::focusWidget();
  if (!field || field->window() != &window_ || !handlers_.contains(field)) return false;
  QWidget* hit = window_.childAt(press.position().toPoint());
  const QPointer<QWidget> target = ClickFocusTarget(hit ? hit : &window_);
  if (!target || target == field) return false;

  if (!Run(field, field)) {
    // Nothing came between: Qt moves the focus and delivers the press and its release.
    checkedField_ = field;
    checkedTarget_ = target;
    QTimer::singleShot(0, this, [this] { checkedField_ = checkedTarget_ = nullptr; });
    return false;
  }
  // A modal box was open in between and took the operator's release with it: finish the
  // operator's action here.
  Restore(target, Qt::MouseFocusReason);
  if (auto* button = qobject_cast<QAbstractButton*>(target.data()); button && button->isEnabled()) button->click();
  return true;
}

void ValidateFilter::OnFocusOut(QWidget* field, const QFocusEvent& out) {
  if (busy_ || !IsLeaveReason(out.reason())) return;
  const QPointer<QWidget> now = QApplication::focusWidget();
  if (!now || now == field || now->window() != &window_) return;
  const bool checked = checkedField_ == field && checkedTarget_ == now;
  checkedField_ = checkedTarget_ = nullptr;
  if (checked) return;
  if (Run(field, now)) Restore(now, out.reason());
}

bool ValidateFilter::Run(QWidget* field, QWidget* expected) {
  const std::function<void()> handler = handlers_.value(field);
  const QPointer<QWidget> guard = expected;
  busy_ = true;
  blocked_ = false;
  if (handler) handler();
  busy_ = false;
  return blocked_ || !guard || QApplication::focusWidget() != guard || !window_.isActiveWindow();
}

void ValidateFilter::Restore(QWidget* target, Qt::FocusReason reason) {
  busy_ = true;
  if (window_.isVisible()) window_.activateWindow();
  if (target && target->isVisible() && target->isEnabled()) target->setFocus(reason);
  busy_ = false;
}

QWidget* ValidateFilter::ClickFocusTarget(QWidget* hit) const {
  for (QWidget* w = hit; w; w = w->parentWidget()) {
    if (w->isEnabled() && TakesClickFocus(w)) return w;
    if (w->isWindow()) break;
  }
  return nullptr;
}

}  // namespace kestrova
