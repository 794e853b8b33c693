#include "protocol/frames.h"

#include <gtest/gtest.h>

#include "fakes/fakes.h"

namespace kestrova::testing {
namespace {

struct BuiltFrame {
  Frame frame;
  const char* wire;
};

class ProtocolFrames : public ::testing::TestWithParam<BuiltFrame> {};

TEST_P(ProtocolFrames, WireBytes) { EXPECT_EQ(ToHex(GetParam().frame), GetParam().wire); }

INSTANTIATE_TEST_SUITE_P(
    Requests, ProtocolFrames,
    ::testing::Values(
        BuiltFrame{ReadRequest(1, kRunData), "05 01 0F 00 15"},
        BuiltFrame{ReadRequest(250, kRunData), "05 FA 0F 00 0E"},
        BuiltFrame{ReadRequest(255, kRunData), "05 FF 0F 00 13"},
        BuiltFrame{AddressReadRequest(), "05 00 0F 01 15"},
        BuiltFrame{ReadRequest(1, kBoardInfo), "05 01 0F 02 17"},
        BuiltFrame{ReadRequest(1, kFactoryData), "05 01 0F 03 18"},
        BuiltFrame{ParameterWrite(1, 0x0C, 0x5A), "05 01 1E 0C 01 5A 8B"},
        BuiltFrame{ParameterWrite(1, 0x0D, 0x00), "05 01 1E 0D 01 00 32"},
        BuiltFrame{ParameterWrite(1, 0x00, 0x4B), "05 01 1E 00 01 4B 70"},
        BuiltFrame{ParameterWrite(1, 0x0E, 0x05), "05 01 1E 0E 01 05 38"},
        BuiltFrame{ParameterWrite(1, kSimTemperatureCode, 0x82), "05 01 1E 32 01 82 D9"},
        BuiltFrame{ParameterWrite(255, kAddressCode, 0xFF), "05 FF 1E 1C 01 FF 3E"},
        BuiltFrame{ParameterWrite(1, 0x05, 0x03, 0xE8), "05 01 1E 05 02 03 E8 16"},
        BuiltFrame{ParameterWrite(1, 0x0A, 0x13, 0x88), "05 01 1E 0A 02 13 88 CB"}));

TEST(ProtocolChecksum, SumModulo256) {
  EXPECT_EQ(Checksum(Hex("")), 0x00);
  EXPECT_EQ(Checksum(Hex("FF FF FF")), 0xFD);
}

}  // namespace
}  // namespace kestrova::testing
