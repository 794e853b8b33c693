// kestrova-agent: polls every board of one RS-485 line and publishes it to an MQTT broker.
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>

#include "agent/agent.h"
#include "kestrova_version.h"

namespace {

int signalPipe[2] = {-1, -1};

void OnStopSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const auto written = write(signalPipe[1], &byte, 1);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const auto parsed = kestrova::agent::ParseCommandLine(args, &kestrova::agent::ReadWholeFile);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "kestrova-agent: %s\n", parsed.error.c_str());
    return 2;
  }
  if (parsed.options.help) {
    std::fputs(kestrova::agent::HelpText().c_str(), stdout);
    return 0;
  }
  if (parsed.options.version) {
    std::printf("kestrova-agent %s (built %s)\n", kestrova::kVersion, kestrova::kBuildDate);
    return 0;
  }

  QCoreApplication app(argc, argv);
  // SIGTERM and SIGINT end the agent cleanly: the handler only wakes the event loop.
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return 1;
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  signal(SIGPIPE, SIG_IGN);

  kestrova::agent::Agent agent(parsed.options);
  QSocketNotifier stopNotifier(signalPipe[0], QSocketNotifier::Read);
  QObject::connect(&stopNotifier, &QSocketNotifier::activated, &agent, [&] {
    char byte;
    [[maybe_unused]] const auto got = read(signalPipe[0], &byte, 1);
    agent.Shutdown();
  });
  if (!agent.Start()) return 2;
  return app.exec();
}
