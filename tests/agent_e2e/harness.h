#pragma once
// Real parts for the agent's end-to-end tests: a mosquitto broker on a free loopback port, the
// board simulator on a pseudo-terminal, the agent itself, and an MQTT client that records what
// arrives.
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

struct mosquitto;

namespace kestrova::agent::testing {

// A loopback TCP port nobody listens on just now.
int FreePort();

// Waits in small steps until done() holds; false at the deadline.
bool WaitUntil(const std::function<bool()>& done, int deadlineMs);

// A child process, killed when the test ends.
class Child {
 public:
  ~Child() { Kill(); }
  bool Start(const std::string& program, const std::vector<std::string>& args);
  void Terminate() { process_.terminate(); }
  void Kill();
  // Exit code after a normal exit, -1 otherwise.
  int Wait(int deadlineMs);
  std::string FirstLine(int deadlineMs);  // of its standard output
  qint64 Pid() const { return process_.processId(); }

 private:
  QProcess process_;
};

class Broker {
 public:
  Broker();
  bool Start();  // on the same port each time
  void Stop() { process_.Kill(); }
  int Port() const { return port_; }
  std::string Url() const { return "mqtt://127.0.0.1:" + std::to_string(port_); }

 private:
  QTemporaryDir dir_;
  int port_;
  Child process_;
};

struct Received {
  std::string topic, payload;
};

// An MQTT client subscribed to a filter; every message is kept.
class Subscriber {
 public:
  Subscriber(int port, const std::string& filter);
  ~Subscriber();
  std::vector<Received> On(const std::string& topic) const;
  // The last payload on the topic, "" when none came.
  std::string Last(const std::string& topic) const;
  bool WaitFor(const std::string& topic, const std::string& payload, int deadlineMs) const;
  // Waits until n messages arrived on the topic (counting from the start).
  bool WaitForCount(const std::string& topic, std::size_t n, int deadlineMs) const;
  void Publish(const std::string& topic, const std::string& payload);

 private:
  mosquitto* client_;
  std::string filter_;
  mutable std::mutex mutex_;
  std::vector<Received> messages_;
  std::atomic<bool> subscribed_ = false;
};

// The board simulator on a pseudo-terminal reached through a symlink that the test can point at
// a new simulator (as a replugged adapter comes back under the same name).
class SimLine {
 public:
  SimLine();
  bool Start(const std::vector<std::string>& options);
  void Kill() { sim_.Kill(); }
  std::string Device() const { return link_; }

 private:
  QTemporaryDir dir_;
  Child sim_;
  std::string link_;
};

// The body of an HTTP GET of path from 127.0.0.1:port, "" when nothing answered.
std::string HttpGet(int port, const std::string& path);

}  // namespace kestrova::agent::testing
