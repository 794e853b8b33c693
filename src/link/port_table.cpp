#include "link/port_table.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace kestrova {
namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// Rank of a device's group: USB serial adapters, CDC-ACM adapters, built-in UARTs, the rest.
int GroupOf(std::string_view path) {
  const auto slash = path.rfind('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  if (name.starts_with("ttyUSB")) return 0;
  if (name.starts_with("ttyACM")) return 1;
  if (name.starts_with("ttyS")) return 2;
  return 3;
}

// Natural comparison: runs of digits compare by value, everything else by character.
bool NaturalLess(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
  while (i < a.size() && j < b.size()) {
    if (digit(a[i]) && digit(b[j])) {
      std::size_t ie = i, je = j;
      while (ie < a.size() && digit(a[ie])) ++ie;
      while (je < b.size() && digit(b[je])) ++je;
      std::string_view na = a.substr(i, ie - i), nb = b.substr(j, je - j);
      while (na.size() > 1 && na.front() == '0') na.remove_prefix(1);
      while (nb.size() > 1 && nb.front() == '0') nb.remove_prefix(1);
      if (na.size() != nb.size()) return na.size() < nb.size();
      if (na != nb) return na < nb;
      i = ie;
      j = je;
    } else {
      if (a[i] != b[j]) return a[i] < b[j];
      ++i;
      ++j;
    }
  }
  return a.size() - i < b.size() - j;
}

}  // namespace

std::string PortName(int n) { return "COM" + std::to_string(n); }

std::vector<std::string> ParsePortList(std::string_view text) {
  std::vector<std::string> entries;
  while (true) {
    const auto comma = text.find(',');
    const std::string_view entry = Trim(text.substr(0, comma));
    if (!entry.empty()) entries.emplace_back(entry);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return entries;
}

std::vector<std::string> OrderSerialDevices(std::vector<std::string> devices) {
  std::sort(devices.begin(), devices.end(), [](const std::string& a, const std::string& b) {
    const int ga = GroupOf(a), gb = GroupOf(b);
    if (ga != gb) return ga < gb;
    return NaturalLess(a, b);
  });
  devices.erase(std::unique(devices.begin(), devices.end()), devices.end());
  return devices;
}

std::vector<std::string> BuildPortTable(const char* portsVariable,
                                        const std::function<std::vector<std::string>()>& listSystem) {
#ifdef _WIN32
  (void)portsVariable;
  (void)listSystem;
  std::vector<std::string> table;
  for (int n = 1; n <= kMaxPortNumber; ++n) table.push_back(PortName(n));
  return table;
#else
  if (portsVariable != nullptr) return ParsePortList(portsVariable);
  return OrderSerialDevices(listSystem ? listSystem() : std::vector<std::string>{});
#endif
}

std::vector<std::string> CurrentPortTable(const std::function<std::vector<std::string>()>& listSystem) {
  return BuildPortTable(std::getenv(kPortsVariable), listSystem);
}

std::vector<std::string> KeepNumbers(std::vector<std::string> earlier, const std::vector<std::string>& listing) {
  for (const std::string& device : listing)
    if (std::find(earlier.begin(), earlier.end(), device) == earlier.end()) earlier.push_back(device);
  return earlier;
}

std::string PortTableEntry(const std::vector<std::string>& table, int number) {
  if (number < 1 || number > kMaxPortNumber || number > static_cast<int>(table.size())) return {};
  return table[static_cast<std::size_t>(number - 1)];
}

}  // namespace kestrova
