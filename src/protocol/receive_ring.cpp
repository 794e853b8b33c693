#include "protocol/receive_ring.h"

#include "protocol/frames.h"

namespace kestrova {
namespace {

// Indices are advanced by at most kSize, so one subtraction brings them back into the ring.
int Wrap(int index) { return index >= ReceiveRing::kSize ? index - ReceiveRing::kSize : index; }

}  // namespace

void ReceiveRing::Reset() {
  ReceiveBuffer.fill(0);
  m_ReceiveNo = 0;
  m_DataNo = 0;
  m_DataPointer = 0;
}

std::uint8_t ReceiveRing::At(int k) const { return ReceiveBuffer[Wrap(m_DataPointer + k)]; }

void ReceiveRing::Consume(int k) {
  m_DataNo -= k;
  m_DataPointer = Wrap(m_DataPointer + k);
}

void ReceiveRing::Store(std::span<const std::uint8_t> bytes) {
  for (std::uint8_t b : bytes) {
    // A full ring gives up its oldest unread byte rather than overwrite it unseen: the read
    // index moves past it, and the scan finds the next start byte from there.
    if (m_DataNo >= kSize) Consume(1);
    ReceiveBuffer[m_ReceiveNo] = b;
    m_ReceiveNo = Wrap(m_ReceiveNo + 1);
    ++m_DataNo;
  }
}

bool ReceiveRing::CheckSumError(int count) const {
  std::array<std::uint8_t, kSize> frame{};
  for (int i = 0; i < count; ++i) frame[static_cast<std::size_t>(i)] = At(i);
  return At(count) != Checksum(std::span(frame).first(static_cast<std::size_t>(count)));
}

}  // namespace kestrova
