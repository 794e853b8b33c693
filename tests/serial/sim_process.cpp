#include "serial/sim_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

#include "link/port_table.h"

extern char** environ;

namespace kestrova::testing {

ScopedPorts::ScopedPorts(const std::string& value) {
  if (const char* old = std::getenv(kPortsVariable)) saved_ = old;
  setenv(kPortsVariable, value.c_str(), 1);
}

ScopedPorts::~ScopedPorts() {
  if (saved_) setenv(kPortsVariable, saved_->c_str(), 1);
  else unsetenv(kPortsVariable);
}

SimProcess::SimProcess(std::vector<std::string> options, const std::string& stderr_file) {
  int out[2];
  if (pipe(out) != 0) {
    ADD_FAILURE() << "no pipe for the simulator";
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
  if (spawned != 0) pid_ = -1;
  close(out[1]);
  // The first line the simulator prints is the device path.
  FILE* first = fdopen(out[0], "r");
  char line[256] = "";
  const bool read = spawned == 0 && std::fgets(line, sizeof line, first) != nullptr;
  std::fclose(first);
  if (!read) {
    ADD_FAILURE() << "the simulator " << KESTROVA_SIM_PATH << " printed no device path";
    return;
  }
  path_ = std::string(line, std::strcspn(line, "\n"));
  ports_.emplace(path_);
}

void SimProcess::Stop(int signal) {
  if (pid_ <= 0) return;
  kill(pid_, signal);
  waitpid(pid_, nullptr, 0);
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

}  // namespace kestrova::testing
