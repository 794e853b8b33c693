#pragma once
// Test helpers for the serial path: the board simulator as a child process and the port table
// pointed at it.
#include <QProcess>
#include <functional>
#include <string>
#include <vector>

namespace kestrova::testing {

// Starts kestrova-board-sim with the given options, reads the device path it prints and makes
// it port 1 of the table (KESTROVA_PORTS, until a test sets it otherwise). Stops the simulator
// on destruction. With stderrFile, what the simulator prints on stderr (its --log of requests
// and answers) goes to that file.
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
};

// Processes Qt events in small steps until done() holds or the deadline has passed.
bool WaitFor(const std::function<bool()>& done, int deadlineMs = 4000);

}  // namespace kestrova::testing
