// The console: the three windows on the serial port, polled four times a second until the
// operator closes the main window.
#include <QApplication>
#include <cstdlib>

#include "app/command_line.h"
#include "app/console_windows.h"
#include "app/tools_menu.h"
#include "qt/fonts.h"
#include "qt/message_box.h"
#include "qt/serial_component.h"
#include "qt/translations.h"

int main(int argc, char** argv) {
  const kestrova::CommandLine line = kestrova::ParseCommandLine(argc, argv, &std::getenv);
  if (const auto exitCode = kestrova::AnswerCommandLine(line)) return *exitCode;
  QApplication app(argc, argv);
  const kestrova::InterfaceLanguage language(line.language);
  QApplication::setFont(kestrova::ConsoleFont());
  // The main window alone ends the program; the two small windows only hide.
  QApplication::setQuitOnLastWindowClosed(false);

  kestrova::QtSerialPort port;
  kestrova::QtMessageBox box;
  kestrova::ConsoleWindows windows(port, box);
  box.SetFallbackParent(&windows.MainView());
  kestrova::ToolsMenu tools(windows);
  QObject::connect(&windows, &kestrova::ConsoleWindows::closed, &app, &QApplication::quit, Qt::QueuedConnection);

  windows.Load();
  windows.ShowMain();
  return app.exec();
}
