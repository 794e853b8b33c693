#pragma once
// The 128-byte receive ring. Bytes read from the serial port are appended at writeIndex;
// the frame under analysis starts at readIndex; unreadCount counts the unread bytes between
// them. unreadCount is signed: a write acknowledgement is consumed by its full length even when
// only five of its bytes have arrived, so the count can drop to -3 until the rest comes in.
#include <array>
#include <cstdint>
#include <span>

namespace kestrova {

class ReceiveRing {
 public:
  static constexpr int kSize = 128;

  std::array<std::uint8_t, kSize> buffer{};
  int writeIndex = 0;    // write index, 0..127
  int unreadCount = 0;       // unread bytes, never above kSize
  int readIndex = 0;  // read index, 0..127

  void Reset();
  // Byte at offset k (0..127) of the frame that starts at readIndex.
  std::uint8_t At(int k) const;
  // Drops k bytes from the read side.
  void Consume(int k);
  // Appends received bytes. When the ring would hold more than kSize unread bytes, the oldest
  // unread bytes are dropped so that no unread byte is ever overwritten in place; the scan then
  // resynchronises on the next start byte.
  void Store(std::span<const std::uint8_t> bytes);
  // True when the byte at offset count is not the sum of offsets 0..count-1 modulo 256.
  bool CheckSumError(int count) const;
};

}  // namespace kestrova
