#include "protocol/frames.h"

#include <gtest/gtest.h>

#include "fakes/fakes.h"

namespace kestrova::testing {
namespace {

TEST(ProtocolFrames, WireBytes) {
  const std::pair<Frame, const char*> cases[] = {
      {ReadRequest(1, kRunData), "05 01 0F 00 15"},
      {ReadRequest(250, kRunData), "05 FA 0F 00 0E"},
      {ReadRequest(255, kRunData), "05 FF 0F 00 13"},
      {AddressReadRequest(), "05 00 0F 01 15"},
      {ReadRequest(1, kFactoryData), "05 01 0F 03 18"},
      {ParameterWrite(1, 0x0C, 0x5A), "05 01 1E 0C 01 5A 8B"},
      {ParameterWrite(1, 0x0D, 0x00), "05 01 1E 0D 01 00 32"},
      {ParameterWrite(1, 0x0E, 0x05), "05 01 1E 0E 01 05 38"},
      {ParameterWrite(1, kSimTemperatureCode, 0x82), "05 01 1E 32 01 82 D9"},
      {ParameterWrite(255, kAddressCode, 0xFF), "05 FF 1E 1C 01 FF 3E"},
      {ParameterWrite(1, 0x05, 0x03, 0xE8), "05 01 1E 05 02 03 E8 16"},
      {ParameterWrite(1, 0x0A, 0x13, 0x88), "05 01 1E 0A 02 13 88 CB"}};
  for (const auto& [frame, wire] : cases) EXPECT_EQ(ToHex(frame), wire);
}

}  // namespace
}  // namespace kestrova::testing
