#pragma once
// Request frames from the console to the control board, and the additive checksum that ends
// every frame in both directions. A frame has no length prefix and no end byte: its length
// follows from the command and code bytes, and its last byte is the sum of all bytes before it.
#include <cstdint>
#include <span>
#include <vector>

namespace kestrova {

using Frame = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kRequestStart = 0x05;   // ENQ: console to board
inline constexpr std::uint8_t kResponseStart = 0x06;  // ACK: board to console
inline constexpr std::uint8_t kNak = 0x15;            // NAK: skipped with the byte after it
inline constexpr std::uint8_t kRead = 0x0F;
inline constexpr std::uint8_t kParameterWrite = 0x1E;
inline constexpr std::uint8_t kShortResponse = 0x2D;  // five-byte response, recognised only

// Sub-types of the read command (byte 3).
inline constexpr std::uint8_t kRunData = 0x00;
inline constexpr std::uint8_t kDeviceAddress = 0x01;
inline constexpr std::uint8_t kBoardInfo = 0x02;
inline constexpr std::uint8_t kFactoryData = 0x03;

// Parameter codes outside the operating (0..15) and factory (16..27) settings.
inline constexpr std::uint8_t kAddressCode = 0x1C;
inline constexpr std::uint8_t kSimTemperatureCode = 0x32;

// Sum of the bytes modulo 256.
std::uint8_t Checksum(std::span<const std::uint8_t> bytes);

// 05 A 0F S C: read request for sub-type S at address A (5 bytes).
Frame ReadRequest(std::uint8_t address, std::uint8_t subtype);
// 05 00 0F 01 15: the address read, answered by any board on the line.
Frame AddressReadRequest();
// 05 A 1E P 01 D C: parameter write with one data byte (7 bytes).
Frame ParameterWrite(std::uint8_t address, std::uint8_t code, std::uint8_t data);
// 05 A 1E P 02 Dh Dl C: parameter write with two data bytes, high byte first (8 bytes).
Frame ParameterWrite(std::uint8_t address, std::uint8_t code, std::uint8_t high, std::uint8_t low);

}  // namespace kestrova
