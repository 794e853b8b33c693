#pragma once
// The board's end of the serial line: the master side of a raw pseudo-terminal. The console
// opens the slave device, whose path SlavePath() gives.
#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kestrova::sim {

class PtyLine {
 public:
  PtyLine() = default;
  PtyLine(const PtyLine&) = delete;
  PtyLine& operator=(const PtyLine&) = delete;
  ~PtyLine();

  // Creates the pseudo-terminal; false with a message in error when that fails.
  bool Open(std::string& error);
  const std::string& SlavePath() const { return slavePath_; }

  // Waits up to timeout for bytes from the console; returns what arrived (possibly nothing, also
  // when a signal interrupted the wait).
  std::vector<std::uint8_t> Read(std::chrono::milliseconds timeout);
  // Puts bytes on the line. Bytes that find no room (nobody reading the line) are lost, as on
  // a real line; the simulator never blocks on output.
  void Write(std::span<const std::uint8_t> bytes);

 private:
  int master_ = -1;
  // Kept open so that the line does not hang up while no console has the device open.
  int slave_ = -1;
  std::string slavePath_;
};

}  // namespace kestrova::sim
