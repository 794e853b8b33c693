#pragma once
// Cuts the byte stream from the console into request frames. Board side of the protocol: a request
// starts with 0x05 and ends with the sum of all its earlier bytes modulo 256; a read (0x0F) or a
// 0x2D frame is 5 bytes long, a parameter write (0x1E) 7 bytes when its length byte is 1 and
// 8 bytes otherwise.
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

namespace kestrova::sim {

using Bytes = std::vector<std::uint8_t>;

struct Received {
  Bytes frame;
  bool checksumOk = false;
};

// Sum of the bytes modulo 256.
std::uint8_t SumOf(std::span<const std::uint8_t> bytes);

class RequestReader {
 public:
  void Append(std::span<const std::uint8_t> bytes);
  // The next whole request, if one is there. Bytes before a start byte and frames with an unknown
  // command are skipped. A frame with a bad checksum is returned once (for the log) and then only
  // its start byte is dropped, so that a real request hidden inside it is still found.
  std::optional<Received> Next();
  // True while the bytes of an unfinished frame are held.
  bool Pending() const { return !buffer_.empty(); }
  // Gives up on an unfinished frame that stopped arriving: drops its start byte.
  void DropStalled();

 private:
  std::deque<std::uint8_t> buffer_;
};

}  // namespace kestrova::sim
