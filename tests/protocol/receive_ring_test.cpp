#include "protocol/receive_ring.h"

#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "protocol/frames.h"
#include "protocol/recording_sink.h"

namespace kestrova::testing {
namespace {

// A ring whose next frame starts (and whose next byte is stored) at `index`.
ReceiveRing RingAt(int index) {
  ReceiveRing ring;
  ring.m_ReceiveNo = ring.m_DataPointer = index;
  return ring;
}

// CheckSumError holds for the frame as stored and fails with any one byte changed.
void ExpectChecksumGuards(ReceiveRing ring, const Frame& frame) {
  const int last = static_cast<int>(frame.size()) - 1;
  EXPECT_FALSE(ring.CheckSumError(last)) << ToHex(frame);
  for (int k = 0; k <= last; ++k) {
    ReceiveRing bad = ring;
    const int index = (ring.m_DataPointer + k) % ReceiveRing::kSize;
    bad.ReceiveBuffer[index] ^= 0x01;
    EXPECT_TRUE(bad.CheckSumError(last)) << "byte " << k << " of " << ToHex(frame);
  }
}

TEST(ReceiveRing, ChecksumOfReadFramesAtSeveralAddresses) {
  for (std::uint8_t address : {1, 250, 255}) {
    ReceiveRing ring;
    const Frame frame = ReadRequest(address, kRunData);
    ring.Store(frame);
    ExpectChecksumGuards(ring, frame);
  }
}

TEST(ReceiveRing, ResponseReadAcrossTheWrap) {
  for (int start : {120, 126}) {
    ReceiveRing ring = RingAt(start);
    const Frame frame = Hex(kRunDataHex);
    ring.Store(frame);
    EXPECT_EQ(ring.m_DataNo, 36);
    EXPECT_EQ(ring.m_ReceiveNo, start + 36 - 128);
    ExpectChecksumGuards(ring, frame);
  }
  ReceiveRing ring = RingAt(120);
  ring.Store(Hex(kRunDataHex));
  EXPECT_EQ(ring.At(8), ring.ReceiveBuffer[0]);
  EXPECT_EQ(ring.At(8), 0x23);
  ring.Consume(36);
  EXPECT_EQ(ring.m_DataPointer, 28);
  EXPECT_EQ(ring.m_DataNo, 0);
}

TEST(ReceiveRing, BytesAfterAShortAcknowledgementCountBackToZero) {
  ReceiveRing ring;
  ring.Store(Hex("06 01 1E 0C 01"));
  ring.Consume(7);
  EXPECT_EQ(ring.m_DataNo, -2);
  ring.Store(Hex("5A 8B"));
  EXPECT_EQ(ring.m_DataNo, 0);
  EXPECT_EQ(ring.m_DataPointer, ring.m_ReceiveNo);
  ring.Store(Hex("06"));
  EXPECT_EQ(ring.At(0), 0x06);
}

TEST(ReceiveRing, OverrunDropsTheOldestUnreadBytes) {
  ReceiveRing ring = RingAt(100);
  Frame stream;
  for (int i = 0; i < 200; ++i) stream.push_back(static_cast<std::uint8_t>(i));
  ring.Store(stream);
  EXPECT_EQ(ring.m_DataNo, 128);
  for (int k = 0; k < 128; ++k) ASSERT_EQ(ring.At(k), 72 + k) << k;
  ring.Store(Hex("C8"));
  EXPECT_EQ(ring.m_DataNo, 128);
  EXPECT_EQ(ring.At(0), 73);
  EXPECT_EQ(ring.At(127), 0xC8);
}

}  // namespace
}  // namespace kestrova::testing
