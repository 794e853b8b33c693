#pragma once
// The state of the line in one sentence for the status bar, with the counts beside it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/link_statistics.h"
#include "link/port_selection.h"
#include "link/serial_port.h"

namespace kestrova {

// How long the board may go without a good answer while requests go out before the status
// says so: as no reply when nothing came back, as interference when only corrupted answers did.
inline constexpr std::int64_t kNoReplyMs = 3000;

// The state of the line the status sentence tells, for the eye: the status bar colours it
// (green: ok; amber: closed, waiting, interference, busy; red: noReply, lost, noPort, noAccess).
enum class LinkState { Closed, Waiting, Ok, NoReply, Interference, Lost, NoPort, NoAccess, Busy };

// The name of the state as the status sentence's `linkState` property carries it: "noReply".
std::string_view LinkStateName(LinkState state);

// What else the sentence may be, in place of the line's own: nothing, an explanation of the
// box the operator has just seen, or settings the board did not take.
enum class StatusNotice { None, Hint, NotTaken };
std::string_view StatusNoticeName(StatusNotice notice);  // "", "hint", "notTaken"

struct LinkView {
  bool open = false;
  std::string device;                    // the selected port's device (or COMn)
  std::optional<std::string> lost;       // "<device>（<reason>）" while closed after a loss
  std::vector<ProbeOutcome> probe;       // the last outcome of every probed port
  std::optional<std::string> note;       // a recent write check that found everything taken
  std::optional<std::string> notTaken;   // settings the board has not taken, until it does
  std::optional<std::string> hint;       // what the box the operator just saw was about
  bool lent = false;                     // a service tool (the bus scan) has the line
  std::optional<std::int64_t> returnedAtMs;  // when the line was last given back by the tool
};

struct StatusLine {
  LinkState state;
  StatusNotice notice;
  std::string text;
  std::string tip;  // the whole sentence, then every probed device and its state
};

// The sentence of kLinkStatus, its state and its tooltip.
StatusLine LinkStatusLine(const LinkView& view, const LinkStatistics& stats, std::int64_t nowMs);

// The counts of kLinkStats since the port was opened. The age of the run data is in whole
// seconds (then minutes, then hours), so the text changes at most once a second.
std::string LinkStatsText(const LinkStatistics& stats, std::int64_t nowMs);
// The counts as wide as they grow in a day's polling: the width kept for kLinkStats.
std::string LinkStatsWidestText();

// How long ago, as kLinkStats says it: "0 秒前", "59 秒前", "1 分钟前", "2 小时前".
std::string AgeText(std::int64_t ms);

// The operator's words for why a port could not be opened or was lost.
std::string FaultReason(PortFault fault);

// "<device>（<reason>）" for a port that went away, as the status bar and the message say it.
std::string LostText(const std::string& device, PortFault fault);

}  // namespace kestrova
