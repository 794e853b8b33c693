// The console's load while it polls the board simulator with the service tools in use, under the
// offscreen platform (or the X display in DISPLAY), against the budget of 1.0 % of one core. One
// console process opens the port and then alternates two phases of equal length, `rounds`
// times: the plain console (tool windows closed, nothing recorded), for reference, and the
// console with the tools in use (the traffic monitor, the trend plot and the event log shown, a
// recording running). The CPU time of the process (all its threads; the simulator is a process
// of its own) is taken per phase, as a share of one core; the medians are printed.
//   bench_tools_polling [seconds per phase, default 30] [rounds, default 3] [tool ...]
// The tools are traffic, trend, events and record; with none named all four are in use.
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

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
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
  std::set<std::string> used;
  for (int i = 3; i < argc; ++i) used.insert(argv[i]);
  if (used.empty()) used = {"traffic", "trend", "events", "record"};

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

  auto useTools = [&](bool on) {
    if (used.count("traffic")) tools.Traffic().setVisible(on);
    if (used.count("trend")) tools.Trend().setVisible(on);
    if (used.count("events")) tools.Events().setVisible(on);
    if (used.count("record") && tools.Recording().Active() != on) tools.StartOrStopRecording();
  };
  // Voluntary context switches a second: the process falling asleep and being woken again.
  std::vector<double> wakeupsPlain, wakeupsWith;
  // Settles a phase for a second, then measures it.
  auto measure = [&](bool on) {
    useTools(on);
    QEventLoop settle;
    QTimer::singleShot(1000, &settle, &QEventLoop::quit);
    settle.exec();
    rusage start{}, end{};
    getrusage(RUSAGE_SELF, &start);
    QElapsedTimer wall;
    wall.start();
    QEventLoop phase;
    QTimer::singleShot(seconds * 1000, &phase, &QEventLoop::quit);
    phase.exec();
    getrusage(RUSAGE_SELF, &end);
    const double secondsTaken = wall.elapsed() / 1000.0;
    (on ? wakeupsWith : wakeupsPlain).push_back((end.ru_nvcsw - start.ru_nvcsw) / secondsTaken);
    return 100.0 * (CpuSeconds(end) - CpuSeconds(start)) / secondsTaken;
  };

  // The probe finds the port on the first tick; then the operator opens it.
  QEventLoop found;
  QTimer::singleShot(600, &found, &QEventLoop::quit);
  found.exec();
  windows.MainView().findChild<QPushButton*>("CommPort_ToggleButton")->click();

  std::vector<double> plain, with;
  for (int r = 0; r < rounds; ++r) {
    plain.push_back(measure(false));
    with.push_back(measure(true));
    std::printf("round %d: plain %.3f %%, with the tools %.3f %% of one core\n", r + 1, plain.back(), with.back());
    std::fflush(stdout);
  }
  useTools(false);
  auto median = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
  };
  constexpr double kBudget = 1.0;  // % of one core with the tools in use
  std::printf("median CPU: with the tools %.3f %% of one core (budget %.1f %%: %s); plain console %.3f %%\n",
              median(with), kBudget, median(with) <= kBudget ? "within" : "OVER", median(plain));
  std::printf("median wake-ups: plain %.1f/s, with the tools %.1f/s\n", median(wakeupsPlain), median(wakeupsWith));
  std::printf("%s decoded run-data responses, traffic monitor %zu entries, peak resident memory %ld KiB\n",
              windows.MainView().findChild<QWidget*>("CommCtr_Text")->property("text").toString().toUtf8().constData(),
              tools.TrafficData().Size(), [] { rusage u{}; getrusage(RUSAGE_SELF, &u); return u.ru_maxrss; }());
  QFile::remove(record);

  kill(sim, SIGTERM);
  waitpid(sim, nullptr, 0);
  return 0;
}
