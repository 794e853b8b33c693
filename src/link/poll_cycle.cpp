#include "link/poll_cycle.h"

#include <vector>

namespace kestrova {

bool ReceiveData(SerialPort& port, ReceiveRing& ring) {
  if (port.InBufferCount() <= 0) return false;
  const std::vector<std::uint8_t> bytes = port.Input();
  ring.Store(bytes);
  return !bytes.empty();
}

bool IncompleteFrameWatch::StaleAfter(bool bytesArrived, bool waiting) {
  if (!waiting || bytesArrived) {
    quietTicks_ = 0;
    return false;
  }
  if (++quietTicks_ < kQuietTicksBeforeDrop) return false;
  quietTicks_ = 0;
  return true;
}

}  // namespace kestrova
