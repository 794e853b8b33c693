#include "agent/core/bus_master.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace kestrova::agent {

bool PlainDecimal(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  const auto point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? "x" : text.substr(point + 1);
  auto digits = [](std::string_view part) {
    return !part.empty() && std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  return digits(whole) && (point == std::string_view::npos || digits(fraction));
}

BusMaster::BusMaster(std::vector<int> addresses, std::int64_t intervalMs, BusEvents& events, std::int64_t nowMs)
    : addresses_(std::move(addresses)), intervalMs_(intervalMs), events_(events) {
  for (const int address : addresses_) {
    Board board;
    board.address = address;
    board.dueMs = nowMs;
    boards_.push_back(board);
  }
}

BusMaster::Board* BusMaster::Find(int address) {
  for (Board& board : boards_)
    if (board.address == address) return &board;
  return nullptr;
}

bool BusMaster::Online(int address) const {
  for (const Board& board : boards_)
    if (board.address == address) return board.online;
  return false;
}

std::int64_t BusMaster::WakeMs() const {
  if (!writeQueue_.empty()) return 0;
  std::int64_t wake = INT64_MAX;
  for (const Board& board : boards_) wake = std::min(wake, board.infoDue || board.readBackDue ? 0 : board.dueMs);
  return wake;
}

Request BusMaster::Next(std::int64_t nowMs) {
  current_.reset();
  if (!writeQueue_.empty()) {
    currentBoard_ = writeQueue_.front();
    writeQueue_.pop_front();
    Board& board = boards_[currentBoard_];
    for (PendingWrite& write : board.writes) {
      if (write.onLine) continue;
      write.onLine = true;
      current_ = Request{Request::Kind::Write, static_cast<std::uint8_t>(board.address), 0, write.frame};
      return *current_;
    }
  }
  // The read-back of a write first, then a board's information, then the board whose poll has
  // waited longest; on a tie the lower address.
  std::size_t chosen = boards_.size();
  auto pick = [&](auto wanted) {
    for (std::size_t i = 0; i < boards_.size() && chosen == boards_.size(); ++i)
      if (wanted(boards_[i])) chosen = i;
  };
  pick([](const Board& board) { return board.readBackDue; });
  pick([](const Board& board) { return board.infoDue; });
  pick([&](const Board& board) {
    std::int64_t earliest = INT64_MAX;
    for (const Board& other : boards_) earliest = std::min(earliest, other.dueMs);
    return board.dueMs <= nowMs && board.dueMs == earliest;
  });
  if (chosen == boards_.size()) return {};
  currentBoard_ = chosen;
  Board& board = boards_[chosen];
  const std::uint8_t subtype = board.infoDue && !board.readBackDue ? kBoardInfo : kRunData;
  current_ = Request{Request::Kind::Read, static_cast<std::uint8_t>(board.address), subtype, {}};
  return *current_;
}

void BusMaster::Answered(const Frame& answer, std::int64_t nowMs) {
  if (!current_) return;
  const Request request = *current_;
  current_.reset();
  Board& board = boards_[currentBoard_];
  if (request.kind == Request::Kind::Write) {
    board.readBackDue = true;
    return;
  }
  if (request.subtype == kBoardInfo) {
    board.infoDue = false;
    if (answer.size() >= 6 && answer[3] == kBoardInfo) {
      board.infoKnown = true;
      events_.Info(board.address, InfoFromAnswer(answer));
    }
    return;
  }
  board.readBackDue = false;
  if (answer.size() != 36 || answer[3] != kRunData) return;
  board.silentPolls = 0;
  board.pauseMs = 0;
  board.dueMs = std::max(board.dueMs + intervalMs_, nowMs);
  if (!board.online) {
    board.online = true;
    board.infoKnown = false;
    events_.Availability(board.address, true);
  }
  board.infoDue = !board.infoKnown;
  const BoardState state = StateFromRunData(answer);
  events_.State(board.address, state);
  Judge(board, state);
}

void BusMaster::NoAnswer(std::int64_t nowMs) {
  if (!current_) return;
  const Request request = *current_;
  current_.reset();
  Board& board = boards_[currentBoard_];
  if (request.kind == Request::Kind::Write) {  // the read-back judges it
    board.readBackDue = true;
    return;
  }
  if (request.subtype == kBoardInfo) {  // asked again after the next good run data
    board.infoDue = false;
    return;
  }
  board.readBackDue = false;
  ++board.silentPolls;
  if (board.silentPolls < kSilentPollsOffline) {
    board.dueMs = std::max(board.dueMs + intervalMs_, nowMs);
    return;
  }
  if (board.online) GoOffline(board);
  FailWrites(board, kBoardOffline);
  board.pauseMs = board.pauseMs == 0 ? intervalMs_ : std::min(board.pauseMs * 2, kLongestPauseMs);
  board.dueMs = nowMs + board.pauseMs;
}

// Its information is asked again when it comes back online (a board may have been replaced).
void BusMaster::GoOffline(Board& board) {
  board.online = false;
  board.infoDue = false;
  events_.Availability(board.address, false);
}

void BusMaster::FailWrites(Board& board, std::string_view reason) {
  for (const PendingWrite& write : board.writes)
    events_.Result(board.address, WriteResult{std::string(SettingKeys()[write.setting]), write.sent, std::nullopt,
                                              false, std::string(reason)});
  board.writes.clear();
  const std::size_t index = static_cast<std::size_t>(&board - boards_.data());
  std::erase(writeQueue_, index);
}

void BusMaster::Judge(Board& board, const BoardState& state) {
  auto judged = std::stable_partition(board.writes.begin(), board.writes.end(),
                                      [](const PendingWrite& write) { return !write.onLine; });
  for (auto write = judged; write != board.writes.end(); ++write) {
    const SettingPair& pair = kSettingPairs[write->setting];
    // The parameter write carries the setting's wire bytes just before its checksum; the
    // read-back carries the same bytes when the board took the value.
    const double readBack = state.settings[write->setting];
    const auto sentFrame = SettingWrite(board.address, pair, std::to_string(readBack));
    const bool taken = sentFrame && *sentFrame == write->frame;
    events_.Result(board.address, WriteResult{std::string(SettingKeys()[write->setting]), write->sent, readBack,
                                              taken, taken ? "" : std::string(kNotTaken)});
  }
  board.writes.erase(judged, board.writes.end());
}

void BusMaster::SubmitWrite(int address, std::string_view key, std::string_view payload) {
  Board* board = Find(address);
  if (!board) return;
  const auto index = SettingIndex(key);
  WriteResult refusal{std::string(key), std::nullopt, std::nullopt, false, ""};
  const std::string text{payload};
  if (!index) {
    refusal.reason = kUnknownSetting;
  } else if (!PlainDecimal(payload)) {
    refusal.reason = kNotANumber;
  } else {
    refusal.sent = std::strtod(text.c_str(), nullptr);
    const SettingPair& pair = kSettingPairs[*index];
    const auto frame = InRange(text, pair.range) ? SettingWrite(address, pair, text) : std::nullopt;
    if (!frame) {
      refusal.reason = kOutOfRange;
    } else if (!board->online) {
      refusal.reason = kBoardOffline;
    } else {
      board->writes.push_back(PendingWrite{*index, *refusal.sent, *frame, false});
      writeQueue_.push_back(static_cast<std::size_t>(board - boards_.data()));
      return;
    }
  }
  events_.Result(address, refusal);
}

void BusMaster::LineLost(std::int64_t nowMs) {
  current_.reset();
  for (Board& board : boards_) {
    if (board.online) GoOffline(board);
    FailWrites(board, kBoardOffline);
    board.readBackDue = false;
    board.silentPolls = 0;
    board.pauseMs = 0;
    board.dueMs = nowMs;
  }
}

}  // namespace kestrova::agent
