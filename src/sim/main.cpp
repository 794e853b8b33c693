// kestrova-board-sim: the climate unit's control board on a pseudo-terminal, for trying the
// console without hardware. Prints the device path, then serves requests until SIGINT/SIGTERM.
#include <chrono>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

#include "kestrova_version.h"
#include "sim/board.h"
#include "sim/options.h"
#include "sim/pty_line.h"
#include "sim/request_reader.h"

namespace kestrova::sim {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

volatile std::sig_atomic_t g_stop = 0;
void OnStopSignal(int) { g_stop = 1; }

void InstallSignals() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart: a waiting poll returns at once
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
}

// One board on the line and when it stops answering (a board losing power).
struct Station {
  Board board;
  bool silent;
  std::optional<Clock::time_point> dies;
};

class Server {
 public:
  Server(const Options& options, PtyLine& line)
      : options_(options), line_(line), random_(options.seed ? *options.seed : std::random_device{}()),
        start_(Clock::now()) {
    for (const int address : options.addresses) {
      std::optional<Clock::time_point> dies;
      if (const auto kill = options.killAfter.find(address); kill != options.killAfter.end())
        dies = start_ + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(kill->second));
      stations_.push_back({Board(address, InfoFor(options.info, address), random_, options.ignoredWrites),
                           options.silent || options.silentAddresses.contains(address), dies});
    }
  }

  void Run() {
    auto lastByte = Clock::now();
    while (!g_stop) {
      const Bytes bytes = line_.Read(20ms);
      const auto now = Clock::now();
      if (!bytes.empty()) {
        if (options_.echo) line_.Write(bytes);  // the loop carries the request back at once
        reader_.Append(bytes);
        lastByte = now;
      } else if (reader_.Pending() && now - lastByte > 200ms) {
        reader_.DropStalled();  // a frame that stopped half-way is given up
      }
      while (auto received = reader_.Next()) Serve(*received);
    }
  }

 private:
  bool Chance(double p) { return p > 0 && std::bernoulli_distribution(p)(random_); }

  void Log(const char* direction, const Bytes& frame, const char* note = "") {
    if (!options_.log) return;
    const double t = std::chrono::duration<double>(Clock::now() - start_).count();
    std::fprintf(stderr, "[%9.3f] %s", t, direction);
    for (const std::uint8_t b : frame) std::fprintf(stderr, " %02X", b);
    std::fprintf(stderr, "%s\n", note);
  }

  // Every powered board hears the request; those it is meant for answer. When several answer
  // at once (the address read), their bytes meet on the line and the console reads them OR-ed.
  void Serve(const Received& received) {
    if (!received.checksumOk) return Log("<-", received.frame, "  (bad checksum, ignored)");
    if (Chance(options_.drop)) return Log("<-", received.frame, "  (lost)");
    Log("<-", received.frame);
    const auto now = Clock::now();
    std::optional<Bytes> answer;
    int answering = 0;
    for (Station& station : stations_) {
      if (station.dies && now >= *station.dies) continue;  // powered off: hears nothing
      std::optional<Bytes> own = station.board.Answer(received.frame, now);
      if (!own || station.silent) continue;
      if (Chance(options_.corrupt)) own->back() = static_cast<std::uint8_t>(own->back() + 1);
      ++answering;
      if (!answer) {
        answer = std::move(own);
        continue;
      }
      if (own->size() > answer->size()) answer->resize(own->size(), 0);
      for (std::size_t i = 0; i < own->size(); ++i) (*answer)[i] |= (*own)[i];
    }
    if (!answer) return;
    if (options_.reply_delay_ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(options_.reply_delay_ms));
    if (Chance(options_.noise)) SendNoise();
    Log("->", *answer, answering > 1 ? "  (collision: answers OR-ed)" : "");
    if (options_.split) {
      SendInPieces(*answer);
    } else {
      line_.Write(*answer);
    }
  }

  // Noise never contains the three bytes that can open a frame on the console's side.
  void SendNoise() {
    Bytes noise(std::uniform_int_distribution<int>(1, 4)(random_));
    for (auto& b : noise) {
      do {
        b = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(random_));
      } while (b == 0x05 || b == 0x06 || b == 0x15);
    }
    Log("~~", noise, "  (noise)");
    line_.Write(noise);
  }

  void SendInPieces(const Bytes& answer) {
    const int pieces = std::uniform_int_distribution<int>(2, 3)(random_);
    std::size_t from = 0;
    for (int i = 1; i <= pieces && !g_stop; ++i) {
      const std::size_t to = i == pieces ? answer.size()
                                         : std::uniform_int_distribution<std::size_t>(
                                               from + 1, answer.size() - (pieces - i))(random_);
      line_.Write(std::span(answer).subspan(from, to - from));
      from = to;
      if (i < pieces)
        std::this_thread::sleep_for(std::chrono::milliseconds(
            std::uniform_int_distribution<int>(10, 80)(random_)));
    }
  }

  const Options& options_;
  PtyLine& line_;
  std::mt19937 random_;
  std::vector<Station> stations_;
  RequestReader reader_;
  Clock::time_point start_;
};

}  // namespace
}  // namespace kestrova::sim

int main(int argc, char** argv) {
  using namespace kestrova::sim;
  Options options;
  std::string error;
  if (!ParseOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(Usage(argv[0]).c_str(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("kestrova-board-sim %s (built %s)\n", kestrova::kVersion, kestrova::kBuildDate);
    return 0;
  }
  PtyLine line;
  if (!line.Open(error)) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
    return 1;
  }
  InstallSignals();
  std::printf("%s\n", line.SlavePath().c_str());
  std::fflush(stdout);
  Server(options, line).Run();
  return 0;
}
