#include "fakes/fakes.h"

#include <numeric>
#include <sstream>
#include <stdexcept>

namespace kestrova::testing {

FakePanel::FakePanel(const Control& window, std::span<const Control> controls) {
  names_.insert(window.name);
  for (const Control& c : controls) names_.insert(c.name);
}

std::string FakePanel::Known(std::string_view name) const {
  if (!names_.count(name)) throw std::out_of_range("the window has no control named " + std::string(name));
  return std::string(name);
}

void FakePanel::SetFlag(std::string_view name, std::string_view flag, bool on) {
  const std::pair<std::string, std::string> key{Known(name), flag};
  if (on) flags.insert(key);
  else flags.erase(key);
}

void FakeSerialPort::Unplug(std::string reason) {
  if (open) {
    open = false;
    error = std::move(reason);
    fault = PortFault::Lost;
  }
  available.erase(number);
}
bool FakeSerialPort::SetPortOpen(bool on) {
  if (!on || open) {
    open = on;
    return true;
  }
  if (!available.count(number)) {
    error = "port " + std::to_string(number) + " missing";
    fault = failFault.contains(number) ? failFault[number] : PortFault::Missing;
    return false;
  }
  open = true;
  fault = PortFault::None;
  return true;
}

Frame Hex(std::string_view text) {
  Frame out;
  std::istringstream in{std::string(text)};
  for (unsigned byte = 0; in >> std::hex >> byte;) out.push_back(static_cast<std::uint8_t>(byte));
  return out;
}

Frame Resealed(Frame f, const std::map<int, std::uint8_t>& changes) {
  for (auto [offset, b] : changes) f.at(static_cast<std::size_t>(offset)) = b;
  f.back() = static_cast<std::uint8_t>(std::accumulate(f.begin(), f.end() - 1, 0u));
  return f;
}

}  // namespace kestrova::testing
