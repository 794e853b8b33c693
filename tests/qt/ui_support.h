#pragma once
// Helpers of the window tests. Linking ui_support.cpp makes any qCritical fail the running
// test: it is how the windows report a control the logic asked for that does not exist.
#include <QWidget>

namespace kestrova::testing {

// Shows the window, activates it and waits until it is the active window.
bool ShowActive(QWidget& window);

// A widget of a window by objectName, or nullptr.
template <typename T = QWidget>
T* Named(QWidget& window, const char* name) {
  return window.findChild<T*>(QString::fromUtf8(name));
}

}  // namespace kestrova::testing
