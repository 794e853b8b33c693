#include "protocol/receive_ring.h"

#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "protocol/frames.h"
#include "protocol/recording_sink.h"

namespace kestrova::testing {
namespace {

ReceiveRing RingWith(const Frame& frame, int start) {
  ReceiveRing ring;
  ring.m_ReceiveNo = ring.m_DataPointer = start;
  ring.Store(frame);
  return ring;
}

// CheckSumError holds for the frame as stored, also across the wrap, and fails with any one
// byte changed.
TEST(ReceiveRing, ChecksumOverTheStoredFrame) {
  const std::pair<Frame, int> cases[] = {{ReadRequest(1, kRunData), 0},
                                         {ReadRequest(250, kRunData), 0},
                                         {ReadRequest(255, kRunData), 0},
                                         {Hex(kRunDataHex), 120},
                                         {Hex(kRunDataHex), 126}};
  for (const auto& [frame, start] : cases) {
    const ReceiveRing ring = RingWith(frame, start);
    const int last = static_cast<int>(frame.size()) - 1;
    EXPECT_FALSE(ring.CheckSumError(last)) << ToHex(frame) << " at " << start;
    for (int k = 0; k <= last; ++k) {
      ReceiveRing bad = ring;
      bad.ReceiveBuffer[(start + k) % ReceiveRing::kSize] ^= 0x01;
      EXPECT_TRUE(bad.CheckSumError(last)) << "byte " << k << " at " << start;
    }
  }
}

TEST(ReceiveRing, OffsetsAndConsumeWrapOnce) {
  ReceiveRing ring = RingWith(Hex(kRunDataHex), 120);
  EXPECT_EQ(ring.m_ReceiveNo, 28);
  EXPECT_EQ(ring.At(8), ring.ReceiveBuffer[0]);
  EXPECT_EQ(ring.At(8), 0x23);
  ring.Consume(36);
  EXPECT_EQ(ring.m_DataPointer, 28);
  EXPECT_EQ(ring.m_DataNo, 0);
}

}  // namespace
}  // namespace kestrova::testing
