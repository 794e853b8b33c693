#include "sim/board.h"

namespace kestrova::sim {
namespace {

constexpr std::uint8_t kAnswer = 0x06;
constexpr std::uint8_t kRead = 0x0F;
constexpr std::uint8_t kWrite = 0x1E;
constexpr int kAddressCode = 28;
constexpr int kSimulatedTemperatureCode = 50;

std::uint8_t High(int v) { return static_cast<std::uint8_t>((v >> 8) & 0xFF); }
std::uint8_t Low(int v) { return static_cast<std::uint8_t>(v & 0xFF); }

}  // namespace

Board::Board(int address, std::string info, std::mt19937& random, std::set<int> ignoredWrites)
    : address_(address), info_(std::move(info)), ignoredWrites_(std::move(ignoredWrites)), model_(random),
      last_(Clock::now()) {}

Bytes Board::Frame(std::uint8_t address, Bytes body) const {
  Bytes frame;
  frame.reserve(body.size() + 3);
  frame.push_back(kAnswer);
  frame.push_back(address);
  frame.insert(frame.end(), body.begin(), body.end());
  frame.push_back(SumOf(frame));
  return frame;
}

std::optional<Bytes> Board::Answer(const Bytes& request, Clock::time_point now) {
  model_.Advance(std::chrono::duration<double>(now - last_).count(), params_, simulated_);
  last_ = now;
  const int address = request[1];
  const std::uint8_t command = request[2];
  const std::uint8_t code = request[3];
  if (command == kRead && code == 0x01 && (address == 0 || address == address_))
    return Frame(static_cast<std::uint8_t>(address == 0 ? 0 : address_),
                 {kRead, 0x01, 0x01, static_cast<std::uint8_t>(address_)});
  if (address != address_) return std::nullopt;
  if (command == kWrite) return Acknowledge(request);
  if (command != kRead) return std::nullopt;
  switch (code) {
    case 0x00: return RunData();
    case 0x02: return BoardInfo();
    case 0x03: return FactoryData();
    default: return std::nullopt;
  }
}

Bytes Board::RunData() {
  const Measurements m = model_.Measure(params_, simulated_);
  Bytes body{kRead, 0x00, 30};
  body.insert(body.end(), params_.bytes.begin(), params_.bytes.begin() + 16);
  const Bytes live{m.workState, m.alarms1, m.alarms2, m.inputs, m.inner, m.outer, m.control,
                   m.current, High(m.voltage), Low(m.voltage), High(m.innerFan), Low(m.innerFan),
                   High(m.outerFan), Low(m.outerFan)};
  body.insert(body.end(), live.begin(), live.end());
  return Frame(static_cast<std::uint8_t>(address_), std::move(body));
}

Bytes Board::BoardInfo() const {
  // The text is followed by one character the console does not show.
  Bytes body{kRead, 0x02, static_cast<std::uint8_t>(info_.size() + 1)};
  body.insert(body.end(), info_.begin(), info_.end());
  body.push_back(0x00);
  return Frame(static_cast<std::uint8_t>(address_), std::move(body));
}

Bytes Board::FactoryData() const {
  Bytes body{kRead, 0x03, 12};
  body.insert(body.end(), params_.bytes.begin() + 16, params_.bytes.end());
  return Frame(static_cast<std::uint8_t>(address_), std::move(body));
}

Bytes Board::Acknowledge(const Bytes& request) {
  // The acknowledgement repeats the code, the length byte and the data of the write.
  const Bytes ack = Frame(static_cast<std::uint8_t>(address_),
                          Bytes(request.begin() + 2, request.end() - 1));
  const int code = request[3];
  if (ignoredWrites_.contains(code)) return ack;
  const auto data = std::span(request).subspan(5, request.size() - 6);
  if (code == kAddressCode) {
    if (data[0] != 0) address_ = data[0];  // address 0 is kept for the address read
  } else if (code == kSimulatedTemperatureCode) {
    simulated_ = data[0];
  } else {
    for (std::size_t i = 0; i < data.size() && code + i < Parameters::kCount; ++i)
      params_.bytes[code + i] = data[i];
  }
  return ack;
}

}  // namespace kestrova::sim
