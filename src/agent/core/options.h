#pragma once
// The agent's settings: from the command line and, with --config, from a file of the same keys
// ("key = value", "#" comments). The command line wins over the file. Every fault names the
// option (and the file and line) and why it was refused; the program then exits with 2.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova::agent {

struct BrokerAddress {
  std::string host;
  int port = 1883;
  bool tls = false;  // mqtts://
};

struct Options {
  std::string serial;            // the line's serial device
  std::vector<int> addresses;    // the boards on the line, ascending, no repeats
  BrokerAddress broker{"localhost", 1883, false};
  std::string site;              // letters, digits, '-', '_'
  int intervalSeconds = 5;
  std::string username;
  std::string password;          // read from --password-file, never given on the command line
  std::string caFile;
  std::string discoveryPrefix = "homeassistant";
  bool discovery = true;
  std::string metricsListen;     // "HOST:PORT", empty: no scrape endpoint
  bool help = false;
  bool version = false;
};

struct ParseOutcome {
  Options options;
  std::string error;  // empty when the options are usable
};

// "1-20", "1,3,7", "1-3,7": addresses 1..255, sorted, without repeats; nullopt when malformed.
std::optional<std::vector<int>> ParseAddressList(std::string_view text);
// "mqtt://host:1883", "mqtts://host" (port 8883); nullopt when malformed.
std::optional<BrokerAddress> ParseBrokerUrl(std::string_view text);
bool ValidSiteName(std::string_view site);

// The whole command line after the program name. --config FILE is read in its place, and the
// password file is read last; readFile returns nullopt when a file cannot be read.
using ReadFile = std::optional<std::string> (*)(const std::string& path);
ParseOutcome ParseCommandLine(const std::vector<std::string>& args, ReadFile readFile);

// Reads a whole file from disk.
std::optional<std::string> ReadWholeFile(const std::string& path);

std::string HelpText();

}  // namespace kestrova::agent
