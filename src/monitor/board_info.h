#pragma once
// The address and board-information responses, and the link-mode display (RS485 / RS422).
#include "panel/panel.h"
#include "protocol/receive_ring.h"

namespace kestrova {

// The 7-byte address response at the read index: shows the address in kBoardAddress and returns
// it; from then on every request goes to it and the address filter accepts it.
int ShowAddress(const ReceiveRing& frame, Panel& main);

// The n+6-byte board-information response: model, PCB and software version in kBoardModel, kPcbVersion and kSoftwareVersion,
// and the version description in kVersionNote for a thermoelectric board (only ever set).
void ShowBoardInfo(const ReceiveRing& frame, Panel& main);

// After a consumed response: select RS485 unless RS422 is already selected.
void LinkModeUpdate(Panel& main);

// An echo of a console request was met in the input: the line is an RS-422 loop.
void SelectRS422(Panel& main);

}  // namespace kestrova
