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

}  // namespace

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
      if (!ParseNumber(v, 1, 255, number)) {
        error = std::string("--address: 1..255, not '") + v + "'";
        return false;
      }
      options.address = static_cast<int>(number);
    } else if (arg == "--info") {
      const char* v = value();
      if (v == nullptr) return false;
      if (std::strlen(v) > 254) {
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
  return true;
}

std::string Usage(const char* program) {
  return std::string("Usage: ") + program + R"( [options]

Simulates the climate unit's control board on a pseudo-terminal. The first line printed is the
device path for the console (export KESTROVA_PORTS=<path>); the simulator then answers requests
until it receives SIGINT or SIGTERM.

Options:
  --address N    device address of the board, 1..255 (default 1)
  --info TEXT    board-information text, sent followed by one zero byte (default M1/P2/VA2.3)
  --echo         every byte the console sends comes back ahead of the answer (RS-422 loop)
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
