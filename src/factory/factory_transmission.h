#pragma once
// The factory settings transmission: one parameter write per call, for the next code from the
// step counter whose setting differs from what the board reported.
#include <optional>

#include "panel/panel.h"
#include "link/write_check.h"
#include "protocol/frames.h"

namespace kestrova {

// Walks from fSetupNo (at least 16) to the first code whose send rule says send, returns
// 05 A 1E code 01 D C for it and moves fSetupNo past it. A value that has no one-byte form
// (typed after the button was pressed) is passed over like an unchanged one. std::nullopt once
// the walk is past code 27: the transmission is over.
std::optional<Frame> NextFactoryWrite(const Panel& factory, int address, int& fSetupNo);

// What a factory parameter write put on the wire, for the write check.
WrittenValue WrittenFactorySetting(const Frame& write);

}  // namespace kestrova
