#include "serial/sim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTest>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>

#include "link/port_table.h"

extern char** environ;

namespace kestrova::testing {

ScopedPorts::ScopedPorts(const std::string& value) {
  if (const char* old = std::getenv(kPortsVariable)) saved_ = old;
  setenv(kPortsVariable, value.c_str(), 1);
}

ScopedPorts::~ScopedPorts() {
  if (saved_) {
    setenv(kPortsVariable, saved_->c_str(), 1);
  } else {
    unsetenv(kPortsVariable);
  }
}

SimProcess::SimProcess(std::vector<std::string> options, const std::string& stderr_file) {
  int out[2];
  if (pipe(out) != 0) {
    ADD_FAILURE() << "pipe failed";
    return;
  }
  options.insert(options.begin(), KESTROVA_SIM_PATH);
  std::vector<char*> argv;
  for (auto& o : options) argv.push_back(o.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, out[1]);
  if (!stderr_file.empty())
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, stderr_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    pid_ = -1;
    close(out[0]);
    ADD_FAILURE() << "cannot start " << KESTROVA_SIM_PATH;
    return;
  }
  // The first line is the device path.
  std::string line;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  char c = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd p{out[0], POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    if (read(out[0], &c, 1) != 1 || c == '\n') break;
    line += c;
  }
  close(out[0]);
  if (c != '\n' || line.empty()) {
    ADD_FAILURE() << "the simulator printed no device path";
    return;
  }
  path_ = line;
  ports_.emplace(path_);
}

SimProcess::~SimProcess() { Stop(SIGTERM); }

void SimProcess::Kill() { Stop(SIGKILL); }

void SimProcess::Stop(int signal) {
  if (pid_ <= 0) return;
  kill(pid_, signal);
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
}

std::string SimLink::Open() {
  if (sim.Path().empty()) return "the simulator did not start";
  port.SetCommPort(1);
  return port.SetPortOpen(true) ? std::string() : port.ErrorText();
}

bool WaitFor(const std::function<bool()>& done, int deadline_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(deadline_ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    QTest::qWait(10);
  }
  return true;
}

void LinkPump::Step() {
  if (port.InBufferCount() > 0) {
    const std::vector<std::uint8_t> bytes = port.Input();
    raw.insert(raw.end(), bytes.begin(), bytes.end());
    ring.Store(bytes);
  }
  // The console's tick handles one response per scan; here every waiting frame is taken.
  for (int before = ring.m_DataNo + 1; ring.m_DataNo >= 5 && ring.m_DataNo < before;) {
    before = ring.m_DataNo;
    ScanFrames(ring, address, sink);
  }
}

bool LinkPump::Until(const std::function<bool()>& done) {
  return WaitFor([&] {
    Step();
    return done();
  });
}

bool LinkPump::Exchange(const Frame& request, const std::string& what) {
  const int before = Count(what);
  port.Output(request);
  return Until([&] { return Count(what) > before; });
}

std::string LinkPump::Recorded(const std::string& what) const {
  for (auto call = sink.calls.rbegin(); call != sink.calls.rend(); ++call)
    if (call->rfind(what + " ", 0) == 0) return call->substr(what.size() + 1);
  return {};
}

int LinkPump::Count(const std::string& what) const {
  int n = 0;
  for (const std::string& call : sink.calls) n += call == what || call.rfind(what + " ", 0) == 0;
  return n;
}

}  // namespace kestrova::testing
