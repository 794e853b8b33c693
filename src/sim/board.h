#pragma once
// The control board as the console sees it: answers each request addressed to it and applies
// parameter writes.
#include <chrono>
#include <optional>
#include <random>
#include <set>
#include <string>

#include "sim/board_model.h"
#include "sim/request_reader.h"

namespace kestrova::sim {

class Board {
 public:
  using Clock = std::chrono::steady_clock;

  // Writes of the codes in ignoredWrites are acknowledged but change nothing.
  Board(int address, std::string info, std::mt19937& random, std::set<int> ignoredWrites = {});

  // The answer to one request with a good checksum, or nothing when the request is not meant for
  // this board (another address; address 0 is answered only for the address read) or has no
  // answer. A parameter write is applied before the acknowledgement is returned; a new device
  // address counts from the next request on.
  std::optional<Bytes> Answer(const Bytes& request, Clock::time_point now);

  int Address() const { return address_; }
  const Parameters& Params() const { return params_; }

 private:
  Bytes RunData();
  Bytes BoardInfo() const;
  Bytes FactoryData() const;
  Bytes Acknowledge(const Bytes& request);
  Bytes Frame(std::uint8_t address, Bytes body) const;

  int address_;
  std::string info_;
  std::set<int> ignoredWrites_;
  Parameters params_;
  std::optional<std::uint8_t> simulated_;
  ClimateModel model_;
  Clock::time_point last_;
};

}  // namespace kestrova::sim
