#pragma once
// The one rule by which every numeric field text becomes a number, and the one conversion
// of a number to a whole number within a range (the byte on the wire, a 16-bit comparison).
#include <cstdint>
#include <optional>
#include <string_view>

namespace kestrova {

// Leading numeric value of a field text:
//  1. blanks, tabs and line feeds anywhere are ignored;
//  2. a leading "&H" or "&O" (either case) makes the rest a hexadecimal or octal integer;
//  3. otherwise the longest leading decimal number: optional sign, digits, at most one ".",
//     optional exponent after "E" or "e";
//  4. reading stops at the first character that cannot continue the number;
//  5. an empty text, or one that does not begin with a number, is 0.
// Returns std::nullopt when the number does not fit a double ("1e400"): callers report that
// as a value out of range, never as an infinity.
std::optional<double> ParseLeadingNumber(std::string_view text);

// Nearest whole number, an exact half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double v);

// RoundHalfEven(v) when it lies in lo..hi, otherwise std::nullopt. A NaN or infinity never fits.
std::optional<std::int64_t> RoundInto(double v, std::int64_t lo, std::int64_t hi);

// The byte conversion: RoundInto(v, 0, 255).
std::optional<std::uint8_t> ToByte(double v);
// Same for a text: the leading-number parse, then the optional scale and offset, then the
// byte conversion; std::nullopt when the text's number does not fit or the byte is out of range.
std::optional<std::uint8_t> TextToByte(std::string_view text, double scale = 1.0, double offset = 0.0);

}  // namespace kestrova
