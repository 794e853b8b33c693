#pragma once
// Command-line options of the board simulator.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace kestrova::sim {

struct Options {
  std::set<int> addresses{1};       // the boards on the line, by their device address at start
  std::string info = "M1/P2/VA2.3"; // board-information text, sent followed by one zero byte;
                                    // "%a" in it stands for the board's address
  int reply_delay_ms = 10;          // the board's turnaround: end of request to its answer
  bool echo = false;                // every received byte comes back on the line (RS-422 loop)
  double noise = 0;                 // probability of a burst of noise bytes before an answer
  double corrupt = 0;               // probability of a wrong checksum in an answer
  double drop = 0;                  // probability that a request is lost (no effect, no answer)
  bool split = false;               // answers written in pieces with gaps of some ms
  bool silent = false;              // never answer
  std::set<int> silentAddresses;   // these boards never answer
  std::map<int, double> killAfter; // board address -> seconds after start when it stops answering
  bool log = false;                 // requests and answers in hex on stderr
  bool help = false;
  bool version = false;
  std::set<int> ignoredWrites;     // parameter codes whose writes are acknowledged but not applied
  std::optional<std::uint32_t> seed;
};

// Fills options from the arguments; on a bad argument returns false with a message in error.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error);

// The board-information text of the board at this address: "%a" replaced by the address.
std::string InfoFor(const std::string& info, int address);

// The --help text.
std::string Usage(const char* program);

}  // namespace kestrova::sim
