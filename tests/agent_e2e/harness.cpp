#include "agent_e2e/harness.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <thread>

namespace kestrova::agent::testing {
namespace {

sockaddr_in Loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

}  // namespace

int FreePort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(0);
  socklen_t length = sizeof address;
  bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  close(fd);
  return ntohs(address.sin_port);
}

bool WaitUntil(const std::function<bool()>& done, int deadlineMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(deadlineMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
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
  return process.Start("mosquitto", {"-p", std::to_string(port)}) && WaitUntil([&] {
    Child probe;  // a publish goes through once the broker listens
    return probe.Start("mosquitto_pub", {"-p", std::to_string(port), "-t", "ready", "-n"}) && probe.Wait(5000) == 0;
  }, 5000);
}

Subscriber::Subscriber(int port, const std::string& filter) : port_(std::to_string(port)) {
  process_.Start("mosquitto_sub", {"-h", "127.0.0.1", "-p", port_, "-t", filter, "-v"});
}

std::vector<std::string> Subscriber::On(const std::string& topic) {
  for (const std::string& line : process_.NewLines()) {
    const auto space = line.find(' ');
    messages_.emplace_back(line.substr(0, space), space == std::string::npos ? "" : line.substr(space + 1));
  }
  std::vector<std::string> payloads;
  for (const auto& [on, payload] : messages_)
    if (on == topic) payloads.push_back(payload);
  return payloads;
}

std::string Subscriber::Last(const std::string& topic) {
  const auto on = On(topic);
  return on.empty() ? "" : on.back();
}

bool Subscriber::WaitFor(const std::string& topic, const std::string& payload, int deadlineMs) {
  return WaitUntil([&] { return Last(topic) == payload; }, deadlineMs);
}

bool Subscriber::WaitForCount(const std::string& topic, std::size_t n, int deadlineMs) {
  return WaitUntil([&] { return On(topic).size() >= n; }, deadlineMs);
}

void Subscriber::Publish(const std::string& topic, const std::string& payload) {
  Child publish;
  publish.Start("mosquitto_pub", {"-h", "127.0.0.1", "-p", port_, "-t", topic, "-m", payload});
  publish.Wait(5000);
}

bool SimLine::Start(const std::vector<std::string>& options) {
  sim.Kill();
  std::vector<std::string> pty;  // the simulator names its pseudo-terminal first
  if (!sim.Start(KESTROVA_SIM_PATH, options) || !WaitUntil([&] { return !(pty = sim.NewLines()).empty(); }, 5000))
    return false;
  const std::string fresh = link + ".new";
  unlink(fresh.c_str());
  return symlink(pty[0].c_str(), fresh.c_str()) == 0 && rename(fresh.c_str(), link.c_str()) == 0;
}

std::string HttpGet(int port, const std::string& path) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(port);
  std::string response;
  const std::string request = "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      write(fd, request.data(), request.size()) == static_cast<ssize_t>(request.size())) {
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) response.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  const auto body = response.find("\r\n\r\n");
  return body == std::string::npos ? "" : response.substr(body + 4);
}

}  // namespace kestrova::agent::testing
