#pragma once
// The whole console on the board simulator, as the program builds it: the real windows with the
// tools menu, the QSerialPort component and a fake message box; the operator's actions are
// clicks on the controls, and a file the console asks for is the test's nextFile.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/console_windows.h"
#include "app/tools_menu.h"
#include "fakes/fakes.h"
#include "qt/serial_component.h"
#include "serial/sim_process.h"

namespace kestrova::testing {

template <typename W>
W& Find(QWidget& window, std::string_view name) {
  W* w = window.findChild<W*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  if (!w) throw std::runtime_error("no control " + std::string(name));
  return *w;
}

// The console on the simulator, port opened through the toggle button.
struct Console {
  explicit Console(std::vector<std::string> options = {}) : sim(std::move(options)) {
    tools.AskFile = [this](const QString&, const QString& proposed, const QString&, bool) {
      suggested = proposed;
      return nextFile;
    };
    windows.Load();
    windows.ShowMain();
  }
  QWidget& Main() { return windows.MainView(); }
  QWidget& Factory() { return windows.FactoryView(); }
  std::string Text(std::string_view name, QWidget* window = nullptr) {
    return Find<QLineEdit>(window ? *window : Main(), name).text().toStdString();
  }
  void Type(QWidget& window, std::string_view name, const char* text) {
    Find<QLineEdit>(window, name).setText(QString::fromUtf8(text));
  }
  std::string Status() { return windows.MainPanel().Text("LinkStatus"); }
  void Click(QWidget& window, std::string_view name) { Find<QPushButton>(window, name).click(); }
  void Trigger(const char* action) { Find<QAction>(Main(), action).trigger(); }
  bool OpenPort() {
    if (!QTest::qWaitFor([&] { return windows.Form().ports.portCount > 0; })) return false;
    Click(Main(), "CommPort_ToggleButton");
    return port.PortOpen();
  }
  bool WaitText(std::string_view name, const std::string& want, QWidget* window = nullptr) {
    return QTest::qWaitFor([&] { return Text(name, window) == want; }, 8000);
  }
  bool WaitStatus(const std::string& start, int ms = 8000) {
    return QTest::qWaitFor([&] { return Status().rfind(start, 0) == 0; }, ms);
  }
  // Waits for `runs` more run-data responses.
  bool RunData(int runs = 1) {
    const auto count = [&] { return Text("CommCtr_Text").empty() ? 0 : std::stoi(Text("CommCtr_Text")); };
    const int seen = count();
    return QTest::qWaitFor([&] { return count() >= seen + runs; }, 8000);
  }
  // The event log's texts that hold the given words, oldest first.
  std::vector<std::string> Events(std::string_view words = "") {
    std::vector<std::string> found;
    for (std::size_t i = 0; i < tools.EventStore().Size(); ++i)
      if (tools.EventStore().At(i).text.find(words) != std::string::npos) found.push_back(tools.EventStore().At(i).text);
    return found;
  }

  SimProcess sim;
  QtSerialPort port;
  FakeMessageBox box;
  ConsoleWindows windows{port, box};
  ToolsMenu tools{windows};
  QString nextFile, suggested;
};

}  // namespace kestrova::testing
