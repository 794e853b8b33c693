// The console's load while it polls the board with the service tools in use: as
// bench_console_idle, but with the traffic monitor, the trend plot and the event log open and
// a recording running, for N seconds (default 60). Compare its CPU share with
// bench_console_idle's (the console without the tools).
//   bench_tools_polling [seconds]
// NO_TREND=1 leaves the trend plot closed, NO_RECORD=1 records nothing (to see what each costs).
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "qt/serial_component.h"
#include "app/console_windows.h"
#include "qt/message_box.h"
#include "app/tools_menu.h"

extern char** environ;

namespace {

// Starts the simulator that sits beside this program and returns its device path.
std::string StartSimulator(pid_t& pid) {
  const std::string sim = QCoreApplication::applicationDirPath().toStdString() + "/kestrova-board-sim";
  int out[2];
  if (pipe(out) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char* argv[] = {const_cast<char*>(sim.c_str()), nullptr};
  const int rc = posix_spawn(&pid, sim.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  std::string path;
  char c = 0;
  while (rc == 0 && read(out[0], &c, 1) == 1 && c != '\n') path += c;
  close(out[0]);
  return path;
}

double CpuSeconds(const rusage& u) {
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;

  pid_t sim = -1;
  const std::string device = StartSimulator(sim);
  if (device.empty()) {
    std::fprintf(stderr, "the board simulator did not start\n");
    return 1;
  }
  setenv("KESTROVA_PORTS", device.c_str(), 1);

  kestrova::QtSerialPort port;
  kestrova::QtMessageBox box;
  kestrova::ConsoleWindows windows(port, box);
  kestrova::ToolsMenu tools(windows);
  const QString record = QDir::temp().filePath(QStringLiteral("kestrova-bench-recording.csv"));
  tools.AskFile = [&](const QString&, const QString&, const QString&, bool) { return record; };
  windows.Load();
  windows.ShowMain();
  tools.Traffic().show();
  if (!std::getenv("NO_TREND")) tools.Trend().show();
  tools.Events().show();

  rusage start{};
  QElapsedTimer wall;
  // The probe finds the port on the first tick; then the operator opens it.
  QTimer::singleShot(600, [&] {
    windows.MainView().findChild<QPushButton*>("CommPort_ToggleButton")->click();
    if (!std::getenv("NO_RECORD")) tools.StartOrStopRecording();
    getrusage(RUSAGE_SELF, &start);
    wall.start();
  });
  QTimer::singleShot(600 + seconds * 1000, &app, &QApplication::quit);
  app.exec();

  rusage end{};
  getrusage(RUSAGE_SELF, &end);
  const double cpu = CpuSeconds(end) - CpuSeconds(start);
  const double elapsed = wall.elapsed() / 1000.0;
  std::printf("polled %s for %.1f s: %s decoded run-data responses\n", device.c_str(), elapsed,
              windows.MainView().findChild<QWidget*>("CommCtr_Text")->property("text").toString().toUtf8().constData());
  std::printf("console CPU: %.3f s = %.3f %% of one core\n", cpu, 100.0 * cpu / elapsed);
  std::printf("console peak resident memory: %ld KiB\n", end.ru_maxrss);
  std::printf("recorded %lld rows, traffic monitor %zu entries\n", static_cast<long long>(tools.Recording().Rows()),
              tools.TrafficData().Size());
  QFile::remove(record);

  kill(sim, SIGTERM);
  waitpid(sim, nullptr, 0);
  return 0;
}
