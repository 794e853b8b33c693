#pragma once
// The port table: port number n (1..9) names the n-th entry. On Windows the entries are COM1..COM9.
// Elsewhere they are the device paths listed in the environment variable KESTROVA_PORTS when it is
// set (comma-separated: /dev/ttyUSB0,/dev/serial/by-id/...), otherwise the serial devices of the
// system in a stable order: USB adapters first, then the built-in ttyS ports.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

inline constexpr int kMaxPortNumber = 9;

// The operator's name of port number n: "COM" followed by the decimal digits of n.
std::string PortName(int n);
inline constexpr const char* kPortsVariable = "KESTROVA_PORTS";

// Entries of a KESTROVA_PORTS value: split at commas, blanks around each entry trimmed, empty
// entries skipped.
std::vector<std::string> ParsePortList(std::string_view text);

// Device paths in table order: ttyUSB*, then ttyACM*, then ttyS*, then anything else; inside each
// group in natural order (ttyUSB2 before ttyUSB10).
std::vector<std::string> OrderSerialDevices(std::vector<std::string> devices);

// The table itself. portsVariable is the value of KESTROVA_PORTS (nullptr when unset);
// listSystem is called only when the variable is unset and returns the system's serial devices.
std::vector<std::string> BuildPortTable(const char* portsVariable,
                                        const std::function<std::vector<std::string>()>& listSystem);

// The table as the process environment gives it.
std::vector<std::string> CurrentPortTable(const std::function<std::vector<std::string>()>& listSystem);

// The table after a new listing, with the numbers already given kept: every device of the
// earlier table stays at its number (also while it is unplugged), and devices new in the
// listing follow in the listing's order.
std::vector<std::string> KeepNumbers(std::vector<std::string> earlier, const std::vector<std::string>& listing);

// Entry for port number n, or "" when n is outside 1..9 or the table has no such entry.
std::string PortTableEntry(const std::vector<std::string>& table, int number);

}  // namespace kestrova
