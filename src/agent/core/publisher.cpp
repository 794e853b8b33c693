#include "agent/core/publisher.h"

namespace kestrova::agent {

Publisher::Publisher(PublisherSettings settings, const std::vector<int>& addresses, MessageOut& out,
                     std::function<std::string()> now)
    : settings_(std::move(settings)), topics_(settings_.site), out_(out), now_(std::move(now)) {
  for (const int address : addresses) boards_[address];
}

void Publisher::Send(const Message& message) {
  if (connected_ && !out_.Publish(message)) connected_ = false;
}

void Publisher::SendDiscovery(int address) {
  const BoardView& board = boards_[address];
  if (!settings_.discovery || !board.info) return;
  for (const Message& message : DiscoveryMessages(topics_, settings_.site, settings_.discoveryPrefix, address,
                                                  *board.info, settings_.intervalSeconds))
    Send(message);
}

void Publisher::Connected() {
  connected_ = true;
  Send({topics_.AgentStatus(), "online", true});
  for (const auto& [address, board] : boards_) {
    Send({topics_.Board(address, "availability"), board.online ? "online" : "offline", true});
    if (board.info) Send({topics_.Board(address, "info"), InfoJson(address, *board.info), true});
  }
  for (const auto& [address, board] : boards_) SendDiscovery(address);
  // (A board that went offline meanwhile has had its kept state dropped: it would be stale.)
  for (const auto& [address, json] : keptStates_) Send({topics_.Board(address, "state"), json, false});
  for (const auto& [address, json] : keptResults_) Send({topics_.Board(address, "result"), json, false});
  if (connected_) {
    keptStates_.clear();
    keptResults_.clear();
  }
}

void Publisher::DiscoveryStatus(std::string_view payload) {
  if (payload != "online") return;
  for (const auto& [address, board] : boards_) SendDiscovery(address);
}

void Publisher::ShuttingDown() {
  for (auto& [address, board] : boards_) {
    board.online = false;
    Send({topics_.Board(address, "availability"), "offline", true});
  }
  Send({topics_.AgentStatus(), "offline", true});
}

void Publisher::Availability(int address, bool online) {
  BoardView& board = boards_[address];
  board.online = online;
  if (!online) keptStates_.erase(address);
  Send({topics_.Board(address, "availability"), online ? "online" : "offline", true});
}

void Publisher::Info(int address, const BoardInfo& info) {
  BoardView& board = boards_[address];
  const bool changed = !board.info || board.info->text != info.text;
  board.info = info;
  Send({topics_.Board(address, "info"), InfoJson(address, info), true});
  if (changed) SendDiscovery(address);
}

void Publisher::State(int address, const BoardState& state) {
  std::string json = StateJson(state, now_());
  if (connected_) Send({topics_.Board(address, "state"), json, false});
  if (!connected_) keptStates_[address] = std::move(json);
}

void Publisher::Result(int address, const WriteResult& result) {
  std::string json = ResultJson(result);
  if (connected_) Send({topics_.Board(address, "result"), json, false});
  if (!connected_) keptResults_[address] = std::move(json);
}

}  // namespace kestrova::agent
