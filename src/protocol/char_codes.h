#pragma once
// Text bytes on the wire. The board sends and takes text one byte per character: bytes
// 0x00-0x7F are ASCII, and a byte from 0x80 up is taken as the Latin-1 character of that code
// (U+0080-U+00FF), so every byte has exactly one character and every such character goes back
// to the same byte. A character above U+00FF has no one-byte code.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

// UTF-8 text of the bytes, one character per byte.
std::string BytesToText(std::span<const std::uint8_t> bytes);

// The characters of a UTF-8 text as code points (an invalid sequence gives U+FFFD per byte).
std::vector<char32_t> CodePoints(std::string_view utf8);

// One-byte code of a character, std::nullopt above U+00FF.
std::optional<std::uint8_t> CharToByte(char32_t c);

}  // namespace kestrova
