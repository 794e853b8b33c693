#pragma once
// Test helpers for the serial path: the board simulator as a child process and the port table
// pointed at it.
#include <QProcess>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "qt/serial_component.h"

namespace kestrova::testing {

// Sets KESTROVA_PORTS for the lifetime of the object and restores the earlier value.
class ScopedPorts {
 public:
  explicit ScopedPorts(const std::string& value);
  ~ScopedPorts();
  ScopedPorts(const ScopedPorts&) = delete;
  ScopedPorts& operator=(const ScopedPorts&) = delete;

 private:
  std::optional<std::string> saved_;
};

// Starts kestrova-board-sim with the given options, reads the device path it prints and makes
// it port 1 of the table. Stops the simulator on destruction. With stderrFile, what the
// simulator prints on stderr (its --log of requests and answers) goes to that file.
class SimProcess {
 public:
  explicit SimProcess(std::vector<std::string> options = {}, const std::string& stderrFile = {});
  ~SimProcess() { Stop(false); }

  // "" when the simulator did not start.
  const std::string& Path() const { return path_; }
  // Kills the simulator at once: its pseudo-terminal disappears as a pulled adapter would.
  void Kill() { Stop(true); }

 private:
  void Stop(bool now);

  QProcess process_;
  std::string path_;
  std::optional<ScopedPorts> ports_;
};

// The simulator with the serial component opened on it as port 1. Check Open() before use.
struct SimLink {
  SimLink() = default;
  explicit SimLink(std::vector<std::string> options) : sim(std::move(options)) {}
  bool Open() {
    port.SetCommPort(1);
    return port.SetPortOpen(true);
  }

  SimProcess sim;
  QtSerialPort port;
};

// Processes Qt events in small steps until done() holds or the deadline has passed.
bool WaitFor(const std::function<bool()>& done, int deadlineMs = 4000);

}  // namespace kestrova::testing
