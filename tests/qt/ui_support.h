#pragma once
// Helpers of the window tests: a message handler that fails the test on qCritical (a control
// the logic asked for that does not exist), an expectation scope for the tests that provoke one,
// window activation, and the whole console on a fake port and a fake message box.
#include <QWidget>
#include <string>
#include <vector>

#include "fakes/fakes.h"
#include "app/console_windows.h"

namespace kestrova::testing {

// While alive, qCritical messages are collected here instead of failing the test.
class ExpectCriticals {
 public:
  ExpectCriticals();
  ~ExpectCriticals();
  ExpectCriticals(const ExpectCriticals&) = delete;
  ExpectCriticals& operator=(const ExpectCriticals&) = delete;

  std::vector<std::string> messages;
};

// Shows the window, activates it and waits until it is the active window.
bool ShowActive(QWidget& window);

// A widget of a window by objectName, or nullptr.
template <typename T = QWidget>
T* Named(QWidget& window, const char* name) {
  return window.findChild<T*>(QString::fromUtf8(name));
}

struct UiConsole {
  FakeSerialPort port;
  FakeMessageBox box;
  ConsoleWindows windows{port, box};

  UiConsole() { port.available = {1}; }
  MainWindow& main() { return windows.MainView(); }
};

}  // namespace kestrova::testing
