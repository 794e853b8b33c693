#include "link/poll_cycle.h"

#include <vector>

namespace kestrova {

void ReceiveData(SerialPort& port, ReceiveRing& ring) {
  if (port.InBufferCount() <= 0) return;
  const std::vector<std::uint8_t> bytes = port.Input();
  ring.Store(bytes);
}

}  // namespace kestrova
