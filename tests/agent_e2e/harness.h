#pragma once
// Real parts for the agent's end-to-end tests: a mosquitto broker on a free loopback port, the
// board simulator on a pseudo-terminal, the agent itself, and an MQTT client that records what
// arrives.
#include <QProcess>
#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>
#include <map>
#include <string>
#include <vector>

namespace kestrova::agent::testing {

// A loopback TCP port nobody listens on just now.
int FreePort();

// A child process, killed when the test ends.
class Child {
 public:
  ~Child() { Kill(); }
  bool Start(const std::string& program, const std::vector<std::string>& args);
  void Kill();
  // Exit code after a normal exit, -1 otherwise.
  int Wait(int deadlineMs);
  // The lines of its standard output that came since the last call.
  std::vector<std::string> NewLines();
  qint64 Pid() const { return process_.processId(); }

 private:
  QProcess process_;
};

// mosquitto in its local-only mode: loopback, anonymous clients, nothing kept across a restart.
struct Broker {
  int port = FreePort();
  Child process;
  bool Start();  // on the same port each time
};

// mosquitto_sub on a filter: every message that arrives is kept. Retained messages reach it
// even when the agent published them before it subscribed.
class Subscriber {
 public:
  Subscriber(int port, const std::string& filter);
  // The last payload on the topic, "" when none came.
  std::string Last(const std::string& topic);
  bool WaitFor(const std::string& topic, const std::string& payload, int deadlineMs);

 private:
  Child process_;
  std::map<std::string, std::string> last_;  // topic -> the last payload that arrived on it
};

// The board simulator on a pseudo-terminal reached through a symlink that the test can point at
// a new simulator (as a replugged adapter comes back under the same name).
struct SimLine {
  QTemporaryDir dir;
  std::string link = dir.filePath("line").toStdString();
  Child sim;
  bool Start(const std::vector<std::string>& options);
};

}  // namespace kestrova::agent::testing
