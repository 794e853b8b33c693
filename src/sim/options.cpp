#include "sim/options.h"

#include <charconv>
#include <cstring>
#include <string_view>

namespace kestrova::sim {
namespace {

bool ParseNumber(std::string_view text, long long lo, long long hi, long long& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && value >= lo && value <= hi;
}

bool ParseProbability(std::string_view text, double& value) {
  const std::string copy(text);
  char* end = nullptr;
  value = std::strtod(copy.c_str(), &end);
  return !copy.empty() && end == copy.c_str() + copy.size() && value >= 0 && value <= 1;
}

// Comma-separated parameter codes 0..255, e.g. "12,13".
bool ParseCodes(std::string_view text, std::set<int>& codes) {
  while (true) {
    const std::size_t comma = text.find(',');
    long long code = 0;
    if (!ParseNumber(text.substr(0, comma), 0, 255, code)) return false;
    codes.insert(static_cast<int>(code));
    if (comma == std::string_view::npos) return true;
    text.remove_prefix(comma + 1);
  }
}

// Addresses 1..255 as a comma-separated list of single addresses and ranges: "1-3,7".
bool ParseAddresses(std::string_view text, std::set<int>& addresses) {
  addresses.clear();
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    const std::size_t dash = item.find('-');
    long long first = 0, last = 0;
    if (dash == std::string_view::npos) {
      if (!ParseNumber(item, 1, 255, first)) return false;
      last = first;
    } else if (!ParseNumber(item.substr(0, dash), 1, 255, first) ||
               !ParseNumber(item.substr(dash + 1), first, 255, last)) {
      return false;
    }
    for (long long a = first; a <= last; ++a) addresses.insert(static_cast<int>(a));
    if (comma == std::string_view::npos) return true;
    text.remove_prefix(comma + 1);
  }
}

// "ADDR:SECONDS", e.g. "3:20" or "3:2.5".
bool ParseKill(std::string_view text, std::map<int, double>& kills) {
  const std::size_t colon = text.find(':');
  long long address = 0;
  if (colon == std::string_view::npos || !ParseNumber(text.substr(0, colon), 1, 255, address)) return false;
  const std::string seconds(text.substr(colon + 1));
  char* end = nullptr;
  const double value = std::strtod(seconds.c_str(), &end);
  if (seconds.empty() || end != seconds.c_str() + seconds.size() || !(value >= 0)) return false;
  kills[static_cast<int>(address)] = value;
  return true;
}

// Every board named by --silent-address and --kill-after must be one of the boards served.
bool CheckNamedBoards(const Options& options, std::string& error) {
  for (const int a : options.silentAddresses)
    if (!options.addresses.contains(a)) {
      error = "--silent-address: no board at address " + std::to_string(a) + " (see --address)";
      return false;
    }
  for (const auto& [a, seconds] : options.killAfter)
    if (!options.addresses.contains(a)) {
      error = "--kill-after: no board at address " + std::to_string(a) + " (see --address)";
      return false;
    }
  return true;
}

}  // namespace

std::string InfoFor(const std::string& info, int address) {
  std::string text = info;
  for (std::size_t at = text.find("%a"); at != std::string::npos; at = text.find("%a", at)) {
    const std::string number = std::to_string(address);
    text.replace(at, 2, number);
    at += number.size();
  }
  return text;
}

bool ParseOptions(int argc, char** argv, Options& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const auto value = [&]() -> const char* {
      if (i + 1 >= argc) {
        error = std::string(arg) + " needs a value";
        return nullptr;
      }
      return argv[++i];
    };
    const auto probability = [&](double& target) {
      const char* v = value();
      if (v == nullptr) return false;
      if (ParseProbability(v, target)) return true;
      error = std::string(arg) + ": a probability from 0 to 1, not '" + v + "'";
      return false;
    };
    long long number = 0;
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--address") {
      const char* v = value();
      if (v == nullptr) return false;
      if (!ParseAddresses(v, options.addresses)) {
        error = std::string("--address: addresses 1..255 or ranges, comma-separated (1-3,7), not '") + v + "'";
        return false;
      }
    } else if (arg == "--silent-address") {
      const char* v = value();
      if (v == nullptr) return false;
      std::set<int> silent;
      if (!ParseAddresses(v, silent)) {
        error = std::string("--silent-address: addresses 1..255 or ranges, comma-separated, not '") + v + "'";
        return false;
      }
      options.silentAddresses.insert(silent.begin(), silent.end());
    } else if (arg == "--kill-after") {
      const char* v = value();
      if (v == nullptr) return false;
      if (!ParseKill(v, options.killAfter)) {
        error = std::string("--kill-after: ADDRESS:SECONDS (3:20), not '") + v + "'";
        return false;
      }
    } else if (arg == "--reply-delay") {
      const char* v = value();
      if (v == nullptr) return false;
      if (!ParseNumber(v, 0, 10000, number)) {
        error = std::string("--reply-delay: milliseconds 0..10000, not '") + v + "'";
        return false;
      }
      options.reply_delay_ms = static_cast<int>(number);
    } else if (arg == "--info") {
      const char* v = value();
      if (v == nullptr) return false;
      if (InfoFor(v, 255).size() > 254) {
        error = "--info: at most 254 bytes (the length byte also counts the final zero)";
        return false;
      }
      options.info = v;
    } else if (arg == "--seed") {
      const char* v = value();
      if (v == nullptr) return false;
      if (!ParseNumber(v, 0, 0xFFFFFFFFLL, number)) {
        error = std::string("--seed: a whole number 0..4294967295, not '") + v + "'";
        return false;
      }
      options.seed = static_cast<std::uint32_t>(number);
    } else if (arg == "--ignore-writes") {
      const char* v = value();
      if (v == nullptr) return false;
      if (!ParseCodes(v, options.ignoredWrites)) {
        error = std::string("--ignore-writes: comma-separated parameter codes 0..255, not '") + v + "'";
        return false;
      }
    } else if (arg == "--noise") {
      if (!probability(options.noise)) return false;
    } else if (arg == "--corrupt") {
      if (!probability(options.corrupt)) return false;
    } else if (arg == "--drop") {
      if (!probability(options.drop)) return false;
    } else if (arg == "--echo") {
      options.echo = true;
    } else if (arg == "--split") {
      options.split = true;
    } else if (arg == "--silent") {
      options.silent = true;
    } else if (arg == "--log") {
      options.log = true;
    } else {
      error = "unknown option '" + std::string(arg) + "' (see --help)";
      return false;
    }
  }
  return CheckNamedBoards(options, error);
}

std::string Usage(const char* program) {
  return std::string("Usage: ") + program + R"( [options]

Simulates the climate unit's control board, or several boards on one RS-485 line, on a
pseudo-terminal. The first line printed is the device path for the console (export
KESTROVA_PORTS=<path>); the simulator then answers requests until it receives SIGINT or SIGTERM.

Options:
  --address LIST device addresses of the boards on the line, 1..255, single addresses and
                 ranges, comma-separated: 1-3,7 serves boards 1, 2, 3 and 7 (default 1). Each
                 board has its own settings and model and answers only its own address; an
                 address read (address 0) answered by several boards puts their answers on the
                 line at once, the bytes OR-ed together, as on a real bus
  --info TEXT    board-information text of every board, sent followed by one zero byte; %a
                 stands for the board's address (default M1/P2/VA2.3)
  --reply-delay MS
                 a board's turnaround from the end of a request to its answer (default 10)
  --silent-address LIST
                 these boards never answer (the others do)
  --kill-after ADDRESS:SECONDS
                 that board stops answering SECONDS after start, as if it lost power
                 (may be given for several boards)
  --echo         every byte the console sends comes back ahead of the answer (RS-422 loop)
The faults below apply to every board.
  --noise P      with probability P, 1..4 noise bytes go out before an answer
                 (never 0x05, 0x06 or 0x15, so noise cannot pose as a frame start)
  --corrupt P    with probability P, an answer carries a wrong checksum
  --drop P       with probability P, a request is lost: no effect and no answer
  --split        answers are written in two or three pieces with gaps of 10..80 ms
  --silent       never answer (the echo, if asked for, still comes back)
  --seed S       seed of the random choices, for repeatable runs
  --ignore-writes CODES
                 writes of these parameter codes (decimal, comma-separated, e.g. 12,28) are
                 acknowledged as usual but not applied: the board keeps its old value
  --log          each request and answer in hex on stderr
  --version      the version
  --help         this text
)";
}

}  // namespace kestrova::sim
