#include "agent_e2e/harness.h"

#include <unistd.h>

#include <QTcpServer>

namespace kestrova::agent::testing {

int FreePort() {
  QTcpServer server;
  server.listen(QHostAddress::LocalHost);
  return server.serverPort();
}

bool Child::Start(const std::string& program, const std::vector<std::string>& args) {
  QStringList list;
  for (const auto& a : args) list << QString::fromStdString(a);
  process_.start(QString::fromStdString(program), list);
  return process_.waitForStarted(5000);
}

void Child::Kill() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.kill();
  process_.waitForFinished(5000);
}

int Child::Wait(int deadlineMs) {
  if (!process_.waitForFinished(deadlineMs)) return -1;
  return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

std::vector<std::string> Child::NewLines() {
  std::vector<std::string> lines;
  while (process_.canReadLine()) lines.push_back(process_.readLine().trimmed().toStdString());
  return lines;
}

bool Broker::Start() {
  return process.Start("mosquitto", {"-p", std::to_string(port)}) && QTest::qWaitFor([&] {
    Child probe;  // a publish goes through once the broker listens
    return probe.Start("mosquitto_pub", {"-p", std::to_string(port), "-t", "ready", "-n"}) && probe.Wait(5000) == 0;
  }, 5000);
}

Subscriber::Subscriber(int port, const std::string& filter) {
  process_.Start("mosquitto_sub", {"-h", "127.0.0.1", "-p", std::to_string(port), "-t", filter, "-v"});
}

std::string Subscriber::Last(const std::string& topic) {
  for (const std::string& line : process_.NewLines()) {
    const auto space = line.find(' ');
    last_[line.substr(0, space)] = space == std::string::npos ? "" : line.substr(space + 1);
  }
  return last_[topic];
}

bool Subscriber::WaitFor(const std::string& topic, const std::string& payload, int deadlineMs) {
  return QTest::qWaitFor([&] { return Last(topic) == payload; }, deadlineMs);
}

bool SimLine::Start(const std::vector<std::string>& options) {
  sim.Kill();
  std::vector<std::string> pty;  // the simulator names its pseudo-terminal first
  if (!sim.Start(KESTROVA_SIM_PATH, options) || !QTest::qWaitFor([&] { return !(pty = sim.NewLines()).empty(); }, 5000))
    return false;
  const std::string fresh = link + ".new";
  unlink(fresh.c_str());
  return symlink(pty[0].c_str(), fresh.c_str()) == 0 && rename(fresh.c_str(), link.c_str()) == 0;
}

}  // namespace kestrova::agent::testing
