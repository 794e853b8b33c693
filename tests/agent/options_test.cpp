// The command line and the configuration file: what is accepted, and the message for what is not.
#include <gtest/gtest.h>

#include <map>

#include "agent/core/options.h"

namespace kestrova::agent {
namespace {

std::map<std::string, std::string> files;
std::optional<std::string> FakeRead(const std::string& path) {
  return files.count(path) ? std::optional(files[path]) : std::nullopt;
}
ParseOutcome Parse(std::vector<std::string> args) { return ParseCommandLine(args, &FakeRead); }
const std::vector<std::string> kMinimal{"--serial", "/dev/ttyUSB0", "--addresses", "7,1-3", "--site", "north_1"};

TEST(Options, AddressesBrokersAndSites) {
  EXPECT_EQ(*ParseAddressList("7,1,3,2-3"), (std::vector<int>{1, 2, 3, 7}));
  EXPECT_EQ(ParseAddressList("1-255")->size(), 255u);
  for (const char* bad : {"", "0", "256", "3-1", "1,,2", "1-", "a", "1,2,"}) EXPECT_FALSE(ParseAddressList(bad)) << bad;
  const auto tls = ParseBrokerUrl("mqtts://10.0.0.5");
  EXPECT_TRUE(tls->tls && tls->port == 8883);
  EXPECT_EQ(ParseBrokerUrl("mqtt://b.local")->port, 1883);
  EXPECT_EQ(ParseBrokerUrl("mqtt://[::1]:1999")->host, "::1");
  for (const char* bad : {"host:1883", "http://h", "mqtt://", "mqtt://h:0", "mqtt://h:65536", "mqtt://u@h", "mqtt://h/x"})
    EXPECT_FALSE(ParseBrokerUrl(bad)) << bad;
  EXPECT_TRUE(ValidSiteName("Site-07_b"));
  for (const char* bad : {"", "a b", "a/b", "a+", "a#"}) EXPECT_FALSE(ValidSiteName(bad)) << bad;
}

TEST(Options, EachFaultNamesTheOption) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"--addresses", "1-300"}, "--addresses: '1-300' is not a list of addresses 1..255 (like 1-20 or 1,3,7)"},
      {{"--interval", "0"}, "--interval: '0' is not a whole number of seconds 1..3600"},
      {{"--site", "a b"}, "--site: 'a b' is not a site name (letters, digits, '-' and '_')"},
      {{"--broker", "tcp://x"}, "--broker: 'tcp://x' is not a broker address (mqtt://host:1883 or mqtts://host:8883)"},
      {{"--password", "x"}, "--password: a password is never given on the command line; use --password-file FILE"},
      {{"--colour"}, "unknown option '--colour' (see --help)"},
      {{"--metrics-listen", "9105"}, "--metrics-listen: '9105' is not HOST:PORT"},
      {{"--metrics-listen", "h:0"}, "--metrics-listen: 'h:0' is not HOST:PORT"},
      {{"--metrics-listen", "h:1"}, ""},
      {{"--password-file", "/nope"}, "--password-file: cannot read '/nope'"},
      {{"--serial"}, "--serial: a value is needed"},
      {{"--discovery-prefix", "ha/#"}, "--discovery-prefix: 'ha/#' is not a topic prefix"},
  };
  for (const auto& [extra, message] : cases) {
    auto args = kMinimal;
    args.insert(args.end(), extra.begin(), extra.end());
    EXPECT_EQ(Parse(args).error, message);
  }
  EXPECT_EQ(Parse({"--serial", "/dev/x", "--site", "s"}).error, "--addresses: the boards' addresses are needed (like 1-20)");
}

TEST(Options, ConfigFileWithCommentsWhereTheCommandLineWins) {
  files["/etc/a.conf"] = "# a comment\nserial = /dev/ttyUSB1\naddresses = 1-20   # twenty\nsite = depot\ninterval = 7\n"
                         "broker = mqtts://b:8884\nusername = gw\npassword-file = /etc/pw\nno-discovery\n";
  files["/etc/pw"] = "s3cret\nignored\n";
  EXPECT_TRUE(Parse(kMinimal).options.discovery);
  const ParseOutcome out = Parse({"--config", "/etc/a.conf", "--interval=9"});
  const Options& o = out.options;
  EXPECT_EQ(out.error + o.serial + " " + std::to_string(o.addresses.size()) + " " + std::to_string(o.intervalSeconds) +
                " " + o.password + (o.discovery ? " discovery" : ""),
            "/dev/ttyUSB1 20 9 s3cret");
  for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
           {"serial = /dev/x\n\n  interval = fast\n", "line 3: interval: 'fast' is not a whole number of seconds 1..3600"},
           {"seriall = /dev/x\n", "line 1: unknown key 'seriall'"},
           {"site\n", "line 1: site: a value is needed (site = ...)"}}) {
    files["/etc/b.conf"] = text;
    EXPECT_EQ(Parse({"--config", "/etc/b.conf"}).error, "/etc/b.conf " + message);
  }
  auto args = kMinimal;
  args.insert(args.end(), {"--password-file", "/etc/pw"});
  EXPECT_EQ(Parse(args).error, "--username: a password file was given without a user name");
}

}  // namespace
}  // namespace kestrova::agent
