#include "qt/widget_panel.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QtGlobal>

#include "qt/lamp.h"
#include "qt/main_window.h"
#include "qt/twips.h"
#include "qt/text.h"

namespace kestrova {

namespace {

// Style sheets read dynamic properties only when the widget is polished again.
void Restyle(QWidget& w) {
  w.style()->unpolish(&w);
  w.style()->polish(&w);
  w.update();
}

}  // namespace

QtPanel::QtPanel(QWidget& window) : window_(window) {
  controls_[ToUtf8(window.objectName())] = &window;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    const std::string name = ToUtf8(w->objectName());
    if (name.empty() || name.rfind("qt_", 0) == 0) continue;  // Qt's own inner widgets
    if (!controls_.emplace(name, w).second)
      qCritical("window %s: two controls named %s", qUtf8Printable(window.objectName()), name.c_str());
  }
}

QWidget* QtPanel::Find(std::string_view name) const {
  auto it = controls_.find(name);
  if (it == controls_.end() || !it->second) {
    qCritical("window %s has no control named %s", qUtf8Printable(window_.objectName()), qUtf8Printable(ToQString(name)));
    return nullptr;
  }
  return it->second;
}

template <typename T>
T* QtPanel::FindAs(std::string_view name, const char* what) const {
  QWidget* w = Find(name);
  if (!w) return nullptr;
  T* t = qobject_cast<T*>(w);
  if (!t)
    qCritical("control %s of window %s has no %s", qUtf8Printable(ToQString(name)), qUtf8Printable(window_.objectName()),
              what);
  return t;
}

std::string QtPanel::Text(std::string_view name) const {
  QWidget* w = Find(name);
  if (!w) return {};
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return ToUtf8(edit->text());
  if (auto* label = qobject_cast<QLabel*>(w)) return ToUtf8(label->text());
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return ToUtf8(button->text());
  if (auto* group = qobject_cast<QGroupBox*>(w)) return ToUtf8(group->title());
  qCritical("control %s of window %s has no text", qUtf8Printable(ToQString(name)), qUtf8Printable(window_.objectName()));
  return {};
}

void QtPanel::SetText(std::string_view name, std::string_view text) {
  QWidget* w = Find(name);
  if (!w) return;
  // A text set again unchanged costs nothing: no layout, no repaint.
  const QString value = ToQString(text);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    if (edit->text() != value) edit->setText(value);  // textEdited, the only signal the logic hears, is not raised
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    if (label->text() != value) label->setText(value);
  } else if (auto* toggle = qobject_cast<ToggleButton*>(w)) {
    toggle->SetCaption(value);
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(value);
  } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
    group->setTitle(value);
  } else {
    qCritical("control %s of window %s has no text", qUtf8Printable(ToQString(name)), qUtf8Printable(window_.objectName()));
  }
}

bool QtPanel::Checked(std::string_view name) const {
  auto* button = FindAs<QAbstractButton>(name, "checked state");
  return button && button->isChecked();
}

void QtPanel::SetChecked(std::string_view name, bool on) {
  auto* button = FindAs<QAbstractButton>(name, "checked state");
  if (!button || button->isChecked() == on) return;
  // The selected option of an exclusive set refuses to be cleared directly; the program may
  // still clear it (no option selected), as the operator never can.
  auto* option = qobject_cast<QRadioButton*>(button);
  const bool exclusive = option && option->autoExclusive();
  if (exclusive && !on) option->setAutoExclusive(false);
  button->setChecked(on);
  if (exclusive && !on) option->setAutoExclusive(true);
}

int QtPanel::Number(std::string_view name) const {
  QWidget* w = Find(name);
  if (!w) return 0;
  if (auto* lamp = qobject_cast<Lamp*>(w)) return lamp->State();
  if (auto* slider = qobject_cast<QAbstractSlider*>(w)) return slider->value();
  qCritical("control %s of window %s has no number", qUtf8Printable(ToQString(name)), qUtf8Printable(window_.objectName()));
  return 0;
}

void QtPanel::SetNumber(std::string_view name, int value) {
  QWidget* w = Find(name);
  if (!w) return;
  if (auto* lamp = qobject_cast<Lamp*>(w)) {
    lamp->SetState(value);
  } else if (auto* slider = qobject_cast<QAbstractSlider*>(w)) {
    const QSignalBlocker quiet(slider);
    slider->setValue(value);
  } else {
    qCritical("control %s of window %s has no number", qUtf8Printable(ToQString(name)), qUtf8Printable(window_.objectName()));
  }
}

bool QtPanel::Visible(std::string_view name) const {
  QWidget* w = Find(name);
  if (!w) return false;
  // A window is visible when it is shown; a control when it has not been hidden itself,
  // whether or not its window is on the screen.
  return w == &window_ ? w->isVisible() : !w->isHidden();
}

void QtPanel::SetVisible(std::string_view name, bool on) {
  QWidget* w = Find(name);
  if (!w) return;
  if (w != &window_) {
    w->setVisible(on);
    return;
  }
  if (!on) {
    w->hide();
    return;
  }
  // A window the logic shows opens centred and in front, ready for the operator; one that is
  // already up stays where the operator put it.
  if (w->isVisible()) {
    w->raise();
    w->activateWindow();
  } else {
    ShowCentred(*w);
  }
}

void QtPanel::SetToolTip(std::string_view name, std::string_view tip) {
  QWidget* w = Find(name);
  if (w && w->toolTip() != ToQString(tip)) w->setToolTip(ToQString(tip));
}

void QtPanel::SetFlag(std::string_view name, std::string_view flag, bool on) {
  QWidget* w = Find(name);
  if (!w) return;
  const QByteArray property(flag.data(), static_cast<qsizetype>(flag.size()));
  if (w->property(property.constData()).toBool() == on) return;
  w->setProperty(property.constData(), on);
  Restyle(*w);
}

void QtPanel::SetState(std::string_view name, std::string_view property, std::string_view value) {
  QWidget* w = Find(name);
  if (!w) return;
  const QByteArray key(property.data(), static_cast<qsizetype>(property.size()));
  const QString text = ToQString(value);
  if (w->property(key.constData()).toString() == text) return;
  w->setProperty(key.constData(), text);
  Restyle(*w);
}

void QtPanel::SetFocus(std::string_view name) {
  QWidget* w = Find(name);
  if (!w) return;
  w->window()->activateWindow();
  w->setFocus(Qt::OtherFocusReason);
}

}  // namespace kestrova
