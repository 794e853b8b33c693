#pragma once
// The whole console on a given serial port and message box: the three windows, their panels,
// the logic of the three windows, the poll timer and the validate events, wired so that every
// operator action is one call into the logic. The program builds it on the real serial port
// and message box; tests build it on fakes.
#include <QObject>
#include <QTimer>
#include <memory>

#include "forms/factory_forms.h"
#include "forms/main_form.h"
#include "link/serial_port.h"
#include "panel/panel.h"
#include "qt/factory_window.h"
#include "qt/main_window.h"
#include "qt/password_window.h"
#include "qt/validate_filter.h"
#include "qt/widget_panel.h"

namespace kestrova {

class ConsoleWindows final : public QObject {
  Q_OBJECT
 public:
  ConsoleWindows(SerialPort& port, MessageBox& box, QObject* parent = nullptr);
  ~ConsoleWindows() override;

  // OnStart, then the poll timer runs.
  void Load();
  // The main window, centred, with the focus on the port toggle.
  void ShowMain();

  MainWindow& MainView() { return *mainView_; }
  FactoryWindow& FactoryView() { return *factoryView_; }
  PasswordWindow& PasswordView() { return *passwordView_; }
  QtPanel& MainPanel() { return mainPanel_; }
  QtPanel& FactoryPanel() { return factoryPanel_; }
  QtPanel& PasswordPanel() { return passwordPanel_; }
  MainForm& Form() { return form_; }
  PasswordForm& Password() { return password_; }
  FactoryForm& Factory() { return factory_; }
  QTimer& PollTimer() { return timer_; }

 signals:
  // The main window was closed and the port released: the program ends.
  void closed();

 private:
  void WireMain();
  void WireSecondary();
  void OnMainClosing();

  std::unique_ptr<MainWindow> mainView_;
  std::unique_ptr<FactoryWindow> factoryView_;
  std::unique_ptr<PasswordWindow> passwordView_;
  QtPanel mainPanel_;
  QtPanel factoryPanel_;
  QtPanel passwordPanel_;
  MainForm form_;
  PasswordForm password_;
  FactoryForm factory_;
  ValidateFilter mainValidate_;
  ValidateFilter factoryValidate_;
  QTimer timer_;
  bool scrolling_ = false;
};

}  // namespace kestrova
