#include "agent/core/options.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace kestrova::agent {
namespace {

std::optional<int> WholeNumber(std::string_view text, int lowest, int highest) {
  int value = 0;
  const auto* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (text.empty() || result.ec != std::errc() || result.ptr != end) return std::nullopt;
  if (value < lowest || value > highest) return std::nullopt;
  return value;
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Options that take a value, and the flags that do not.
const std::set<std::string_view> kValued = {"serial", "addresses", "broker", "site", "interval",
                                            "username", "password-file", "ca-file",
                                            "discovery-prefix", "metrics-listen", "config"};
const std::set<std::string_view> kFlags = {"no-discovery", "help", "version"};

// Applies one key; returns an error text without the option's name, or "".
std::string Apply(Options& options, std::string_view key, std::string_view value,
                  std::string& passwordFile) {
  if (key == "serial") {
    if (value.empty()) return "a serial device is needed (like /dev/ttyUSB0)";
    options.serial = value;
  } else if (key == "addresses") {
    const auto list = ParseAddressList(value);
    if (!list) return "'" + std::string(value) + "' is not a list of addresses 1..255 (like 1-20 or 1,3,7)";
    options.addresses = *list;
  } else if (key == "broker") {
    const auto broker = ParseBrokerUrl(value);
    if (!broker) return "'" + std::string(value) + "' is not a broker address (mqtt://host:1883 or mqtts://host:8883)";
    options.broker = *broker;
  } else if (key == "site") {
    if (!ValidSiteName(value)) return "'" + std::string(value) + "' is not a site name (letters, digits, '-' and '_')";
    options.site = value;
  } else if (key == "interval") {
    const auto seconds = WholeNumber(value, 1, 3600);
    if (!seconds) return "'" + std::string(value) + "' is not a whole number of seconds 1..3600";
    options.intervalSeconds = *seconds;
  } else if (key == "username") {
    options.username = value;
  } else if (key == "password-file") {
    passwordFile = value;
  } else if (key == "ca-file") {
    options.caFile = value;
  } else if (key == "discovery-prefix") {
    if (value.empty() || value.find_first_of("#+") != std::string_view::npos || value.front() == '/' ||
        value.back() == '/')
      return "'" + std::string(value) + "' is not a topic prefix";
    options.discoveryPrefix = value;
  } else if (key == "metrics-listen") {
    const auto colon = value.rfind(':');
    if (colon == std::string_view::npos || colon == 0 || !WholeNumber(value.substr(colon + 1), 1, 65535))
      return "'" + std::string(value) + "' is not HOST:PORT";
    options.metricsListen = value;
  }
  return "";
}

std::string ReadConfig(Options& options, const std::string& path, std::string_view text,
                       std::string& passwordFile, std::set<std::string>& given) {
  std::istringstream lines{std::string(text)};
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::string_view content = Trim(std::string_view(line).substr(0, line.find('#')));
    if (content.empty()) continue;
    const auto where = path + " line " + std::to_string(number) + ": ";
    const auto equals = content.find('=');
    const std::string key{Trim(content.substr(0, equals))};
    const std::string_view value = equals == std::string_view::npos ? "" : Trim(content.substr(equals + 1));
    if (key == "no-discovery") {
      if (equals != std::string_view::npos && value != "true" && value != "false")
        return where + "no-discovery: 'true' or 'false', not '" + std::string(value) + "'";
      if (!given.count(key)) options.discovery = value == "false";
      continue;
    }
    if (!kValued.count(key) || key == "config")
      return where + "unknown key '" + key + "'";
    if (equals == std::string_view::npos) return where + key + ": a value is needed (" + key + " = ...)";
    if (given.count(key)) continue;  // the command line wins
    std::string error = Apply(options, key, value, passwordFile);
    if (!error.empty()) return where + key + ": " + error;
  }
  return "";
}

}  // namespace

std::optional<std::vector<int>> ParseAddressList(std::string_view text) {
  std::set<int> addresses;
  while (true) {
    const auto comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    const auto dash = item.find('-');
    const auto first = WholeNumber(item.substr(0, dash), 1, 255);
    const auto last = dash == std::string_view::npos ? first : WholeNumber(item.substr(dash + 1), 1, 255);
    if (!first || !last || *last < *first) return std::nullopt;
    for (int a = *first; a <= *last; ++a) addresses.insert(a);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return std::vector<int>(addresses.begin(), addresses.end());
}

std::optional<BrokerAddress> ParseBrokerUrl(std::string_view text) {
  BrokerAddress broker;
  if (text.starts_with("mqtt://")) {
    text.remove_prefix(7);
  } else if (text.starts_with("mqtts://")) {
    text.remove_prefix(8);
    broker.tls = true;
    broker.port = 8883;
  } else {
    return std::nullopt;
  }
  if (!text.empty() && text.back() == '/') text.remove_suffix(1);
  const auto colon = text.rfind(':');
  const bool bracketed = !text.empty() && text.front() == '[';  // [::1]:1883
  const bool hasPort = colon != std::string_view::npos && (!bracketed || text[colon - 1] == ']');
  if (hasPort) {
    const auto port = WholeNumber(text.substr(colon + 1), 1, 65535);
    if (!port) return std::nullopt;
    broker.port = *port;
    text = text.substr(0, colon);
  }
  if (bracketed && text.size() > 2 && text.back() == ']') text = text.substr(1, text.size() - 2);
  if (text.empty() || text.find_first_of("/@ ") != std::string_view::npos) return std::nullopt;
  broker.host = text;
  return broker;
}

bool ValidSiteName(std::string_view site) {
  return !site.empty() && site.size() <= 64 && std::all_of(site.begin(), site.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
  });
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return text.str();
}

ParseOutcome ParseCommandLine(const std::vector<std::string>& args, ReadFile readFile) {
  ParseOutcome out;
  Options& options = out.options;
  std::string passwordFile, configFile;
  std::set<std::string> given;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    if (!arg.starts_with("--")) {
      out.error = "unexpected argument '" + std::string(arg) + "' (see --help)";
      return out;
    }
    arg.remove_prefix(2);
    std::string key{arg.substr(0, arg.find('='))};
    std::optional<std::string> value;
    if (arg.find('=') != std::string_view::npos) value = std::string(arg.substr(arg.find('=') + 1));
    if (key == "password") {
      out.error = "--password: a password is never given on the command line; use --password-file FILE";
      return out;
    }
    if (kFlags.count(key)) {
      if (value) {
        out.error = "--" + key + " takes no value";
        return out;
      }
      if (key == "help") options.help = true;
      if (key == "version") options.version = true;
      if (key == "no-discovery") options.discovery = false;
      given.insert(key);
      continue;
    }
    if (!kValued.count(key)) {
      out.error = "unknown option '--" + key + "' (see --help)";
      return out;
    }
    if (!value) {
      if (i + 1 >= args.size()) {
        out.error = "--" + key + ": a value is needed";
        return out;
      }
      value = args[++i];
    }
    given.insert(key);
    if (key == "config") {
      configFile = *value;
      continue;
    }
    const std::string error = Apply(options, key, *value, passwordFile);
    if (!error.empty()) {
      out.error = "--" + key + ": " + error;
      return out;
    }
  }
  if (options.help || options.version) return out;
  if (!configFile.empty()) {
    const auto text = readFile(configFile);
    if (!text) {
      out.error = "--config: cannot read '" + configFile + "'";
      return out;
    }
    out.error = ReadConfig(options, configFile, *text, passwordFile, given);
    if (!out.error.empty()) return out;
  }
  if (!passwordFile.empty()) {
    const auto text = readFile(passwordFile);
    if (!text) {
      out.error = "--password-file: cannot read '" + passwordFile + "'";
      return out;
    }
    options.password = text->substr(0, text->find_first_of("\r\n"));
  }
  if (options.serial.empty()) out.error = "--serial: the line's serial device is needed (like /dev/ttyUSB0)";
  else if (options.addresses.empty()) out.error = "--addresses: the boards' addresses are needed (like 1-20)";
  else if (options.site.empty()) out.error = "--site: a site name is needed (letters, digits, '-' and '_')";
  else if (!options.password.empty() && options.username.empty())
    out.error = "--username: a password file was given without a user name";
  return out;
}

std::string HelpText() {
  return R"(Usage: kestrova-agent --serial DEVICE --addresses LIST --site NAME [options]
Polls every board of one RS-485 line and publishes it to an MQTT broker.

  --serial DEVICE          the line's serial device (/dev/ttyUSB0)
  --addresses LIST         the boards' addresses: 1-20, 1,3,7 or 1-3,7
  --broker URL             mqtt://host:1883 (default mqtt://localhost:1883) or mqtts://host:8883
  --site NAME              the site's name in the topics kestrova/NAME/...: letters, digits, - and _
  --interval SECONDS       run data of each board every SECONDS (default 5)
  --username NAME          the broker's user name
  --password-file FILE     the broker's password: the first line of FILE
  --ca-file FILE           the certificate authorities for mqtts:// (default: the system's)
  --discovery-prefix P     Home Assistant discovery under P (default homeassistant)
  --no-discovery           no Home Assistant discovery
  --metrics-listen H:P     serve Prometheus metrics on H:P (default: off)
  --config FILE            the same keys in FILE, one "key = value" a line
  --version                the version
  --help                   this text
A bad option or file ends the program with exit status 2 before anything is sent.
)";
}

}  // namespace kestrova::agent
