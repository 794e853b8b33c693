#pragma once
// The 128-byte receive ring. Bytes read from the serial port are appended at m_ReceiveNo;
// the frame under analysis starts at m_DataPointer; m_DataNo counts the unread bytes between
// them. m_DataNo is signed: a write acknowledgement is consumed by its full length even when
// only five of its bytes have arrived, so the count can drop to -3 until the rest comes in.
#include <array>
#include <cstdint>
#include <span>

namespace kestrova {

class ReceiveRing {
 public:
  static constexpr int kSize = 128;

  std::array<std::uint8_t, kSize> ReceiveBuffer{};
  int m_ReceiveNo = 0;    // write index, 0..127
  int m_DataNo = 0;       // unread bytes, never above kSize
  int m_DataPointer = 0;  // read index, 0..127

  void Reset();
  // Byte at offset k (0..127) of the frame that starts at m_DataPointer.
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
