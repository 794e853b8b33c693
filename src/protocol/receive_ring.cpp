#include "protocol/receive_ring.h"

#include "protocol/frames.h"

namespace kestrova {
namespace {

// Indices are advanced by at most kSize, so one subtraction brings them back into the ring.
int Wrap(int index) { return index >= ReceiveRing::kSize ? index - ReceiveRing::kSize : index; }

}  // namespace

void ReceiveRing::Reset() {
  buffer.fill(0);
  writeIndex = 0;
  unreadCount = 0;
  readIndex = 0;
}

std::uint8_t ReceiveRing::At(int k) const { return buffer[Wrap(readIndex + k)]; }

void ReceiveRing::Consume(int k) {
  unreadCount -= k;
  readIndex = Wrap(readIndex + k);
}

void ReceiveRing::Store(std::span<const std::uint8_t> bytes) {
  for (std::uint8_t b : bytes) {
    // A full ring gives up its oldest unread byte rather than overwrite it unseen: the read
    // index moves past it, and the scan finds the next start byte from there.
    if (unreadCount >= kSize) Consume(1);
    buffer[writeIndex] = b;
    writeIndex = Wrap(writeIndex + 1);
    ++unreadCount;
  }
}

bool ReceiveRing::CheckSumError(int count) const {
  std::array<std::uint8_t, kSize> frame{};
  for (int i = 0; i < count; ++i) frame[static_cast<std::size_t>(i)] = At(i);
  return At(count) != Checksum(std::span(frame).first(static_cast<std::size_t>(count)));
}

}  // namespace kestrova
