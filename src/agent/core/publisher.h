#pragma once
// What goes to the broker and when. While connected, every event of the bus is published at
// once; while the broker is away only the latest state and write result of each board are
// kept (never a queue), and on every connect the agent's status, every board's availability
// and info, the discovery configs and then the kept states go out again, since a broker
// without persistence has forgotten what was retained.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "agent/core/bus_master.h"
#include "agent/core/messages.h"

namespace kestrova::agent {

class MessageOut {
 public:
  virtual ~MessageOut() = default;
  // False when the message could not be handed to the connection.
  virtual bool Publish(const Message& message) = 0;
};

struct PublisherSettings {
  std::string site;
  std::string discoveryPrefix = "homeassistant";
  bool discovery = true;
  int intervalSeconds = 5;
};

class Publisher final : public BusEvents {
 public:
  // now: the wall-clock time for a state's "time".
  Publisher(PublisherSettings settings, const std::vector<int>& addresses, MessageOut& out,
            std::function<std::string()> now);

  const Topics& Topic() const { return topics_; }
  void Connected();
  void Disconnected() { connected_ = false; }
  bool IsConnected() const { return connected_; }
  // A message on <discovery prefix>/status: "online" means Home Assistant (re)started.
  void DiscoveryStatus(std::string_view payload);
  // Before a clean disconnect: every board and the agent offline.
  void ShuttingDown();

  void Availability(int address, bool online) override;
  void Info(int address, const BoardInfo& info) override;
  void State(int address, const BoardState& state) override;
  void Result(int address, const WriteResult& result) override;

  // The most messages kept for the broker while it is away (two a board).
  std::size_t KeptWhileAway() const { return keptStates_.size() + keptResults_.size(); }

 private:
  struct BoardView {
    bool online = false;
    std::optional<BoardInfo> info;
  };
  void Send(const Message& message);
  void SendDiscovery(int address);

  PublisherSettings settings_;
  Topics topics_;
  MessageOut& out_;
  std::function<std::string()> now_;
  bool connected_ = false;
  std::map<int, BoardView> boards_;
  std::map<int, std::string> keptStates_, keptResults_;
};

}  // namespace kestrova::agent
