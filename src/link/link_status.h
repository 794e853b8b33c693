#pragma once
// The state of the line in one sentence for the status bar, with the counts beside it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/link_statistics.h"
#include "link/port_selection.h"
#include "link/serial_port.h"

namespace kestrova {

// How long the board may stay silent while requests go out before the status says so.
inline constexpr std::int64_t kNoReplyMs = 3000;

struct LinkView {
  bool open = false;
  std::string device;                // the selected port's device (or COMn)
  std::optional<std::string> lost;   // "<device>（<reason>）" while closed after a loss
  std::vector<ProbeOutcome> probe;   // the last outcome of every probed port
  std::optional<std::string> note;   // a recent result of the write check
};

struct StatusLine {
  std::string text;
  std::string tip;
};

// The sentence of kLinkStatus and its tooltip (every probed device and its state).
StatusLine LinkStatusLine(const LinkView& view, const LinkStatistics& stats, std::int64_t nowMs);

// The counts of kLinkStats since the port was opened.
std::string LinkStatsText(const LinkStatistics& stats, std::int64_t nowMs);

// The operator's words for why a port could not be opened or was lost.
std::string FaultReason(PortFault fault);

// "<device>（<reason>）" for a port that went away, as the status bar and the message say it.
std::string LostText(const std::string& device, PortFault fault);

}  // namespace kestrova
