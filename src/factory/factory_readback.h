#pragma once
// The factory window's read-back side: filled from the factory-data response, and the whole
// window's contents discarded by its close box.
#include "panel/panel.h"
#include "protocol/receive_ring.h"

namespace kestrova {

// Fills every read-back control of the factory window from the 18-byte response at the ring's
// read index: numbers as the plain byte in decimal, the version as the characters of its two
// bytes, the board's cooling-only box ticked only for 1. The operator's edit controls are left
// alone, and the ring is not moved.
void ShowFactoryData(const ReceiveRing& frame, Panel& factory);

// Every field of the factory window emptied and both check boxes cleared.
void ClearFactoryWindow(Panel& factory);

}  // namespace kestrova
