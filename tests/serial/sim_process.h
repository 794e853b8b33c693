#pragma once
// Test helpers for the serial path: the board simulator as a child process and the port table
// pointed at it.
#include <QProcess>
#include <QTest>
#include <string>
#include <vector>

namespace kestrova::testing {

// Starts kestrova-board-sim with the given options, reads the device path it prints and makes
// it port 1 of the table (KESTROVA_PORTS, until a test sets it otherwise). Kills the simulator
// on destruction. With stderrFile, what the simulator prints on stderr (its --log of requests
// and answers) goes to that file.
struct SimProcess {
  explicit SimProcess(std::vector<std::string> options = {}, const std::string& stderrFile = {});
  ~SimProcess() { Kill(); }
  // Kills the simulator at once: its pseudo-terminal disappears as a pulled adapter would.
  void Kill() {
    process.kill();
    process.waitForFinished();
  }

  QProcess process;
  std::string path;  // "" when the simulator did not start
};

}  // namespace kestrova::testing
