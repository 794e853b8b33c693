#include "sim/request_reader.h"

namespace kestrova::sim {
namespace {

constexpr std::uint8_t kStart = 0x05;

// Length of the request whose first bytes are held, 0 for an unknown command.
std::size_t RequestLength(const std::deque<std::uint8_t>& b) {
  switch (b[2]) {
    case 0x0F:
    case 0x2D:
      return 5;
    case 0x1E:
      return b[4] == 1 ? 7 : 8;
    default:
      return 0;
  }
}

}  // namespace

std::uint8_t SumOf(std::span<const std::uint8_t> bytes) {
  unsigned sum = 0;
  for (const std::uint8_t b : bytes) sum += b;
  return static_cast<std::uint8_t>(sum & 0xFF);
}

void RequestReader::Append(std::span<const std::uint8_t> bytes) {
  buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

std::optional<Received> RequestReader::Next() {
  while (true) {
    while (!buffer_.empty() && buffer_.front() != kStart) buffer_.pop_front();
    if (buffer_.size() < 5) return std::nullopt;
    const std::size_t length = RequestLength(buffer_);
    if (length == 0) {
      buffer_.pop_front();
      continue;
    }
    if (buffer_.size() < length) return std::nullopt;
    Received received;
    received.frame.assign(buffer_.begin(), buffer_.begin() + static_cast<long>(length));
    received.checksumOk =
        SumOf(std::span(received.frame).first(length - 1)) == received.frame.back();
    if (received.checksumOk) {
      buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<long>(length));
    } else {
      buffer_.pop_front();
    }
    return received;
  }
}

void RequestReader::DropStalled() {
  if (!buffer_.empty()) buffer_.pop_front();
}

}  // namespace kestrova::sim
