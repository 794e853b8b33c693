// STUB: to be written
#include "protocol/receive_ring.h"
namespace kestrova {
void ReceiveRing::Reset() {}
std::uint8_t ReceiveRing::At(int) const { return 0; }
void ReceiveRing::Consume(int) {}
void ReceiveRing::Store(std::span<const std::uint8_t>) {}
bool ReceiveRing::CheckSumError(int) const { return true; }
}  // namespace kestrova
