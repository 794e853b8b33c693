// The leading-number parse of field texts and the byte conversion, driven by libFuzzer: no
// undefined behaviour on any text, and the results agree with a plain reading of the five
// rules wherever that reading makes a claim. The input is the field text; its first eight
// bytes are also taken as a double for the conversion alone.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "values/leading_number.h"

namespace {

using kestrova::ParseLeadingNumber;
using kestrova::RoundInto;
using kestrova::TextToByte;
using kestrova::ToByte;

struct Reading {
  enum Kind { Value, TooLarge, NoClaim } kind = NoClaim;
  double value = 0;
};

int Digit(char c, int base) {
  int d = 99;
  if (c >= '0' && c <= '9') d = c - '0';
  if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
  return d < base ? d : -1;
}

bool IsDigit(const std::string& s, std::size_t i) { return i < s.size() && Digit(s[i], 10) >= 0; }

// The rules read plainly, with the C library's strtod for the decimal value.
Reading Reference(const std::string& text) {
  std::string s;  // rule 1: blanks, tabs and line feeds anywhere are ignored
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n') s += c;

  // Rule 2: "&H" / "&O": the digits of the base up to the first other character.
  if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
    const int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
    double v = 0;
    int significant = 0;
    for (std::size_t i = 2; i < s.size() && Digit(s[i], base) >= 0; ++i) {
      const int d = Digit(s[i], base);
      if (v > 0 || d > 0) ++significant;
      v = v * base + d;
    }
    // Exact in a double up to 52 bits: claim nothing beyond.
    if (significant > (base == 16 ? 13 : 17)) return {};
    return {Reading::Value, v};
  }

  // Rules 3 and 4: the longest leading decimal number.
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  for (; IsDigit(s, i); ++i) ++digits;
  if (i < s.size() && s[i] == '.')
    for (++i; IsDigit(s, i); ++i) ++digits;
  if (digits == 0) return {Reading::Value, 0};  // rule 5
  std::size_t end = i;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (IsDigit(s, j)) {
      while (IsDigit(s, j)) ++j;
      end = j;
    }
  }
  const std::string number = s.substr(0, end);
  errno = 0;
  const double v = std::strtod(number.c_str(), nullptr);
  if (errno == ERANGE) return std::isinf(v) ? Reading{Reading::TooLarge, 0} : Reading{};
  return {Reading::Value, v};
}

// Nearest whole number with halves to even (the default rounding mode), when it is a byte.
std::optional<std::uint8_t> ReferenceByte(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  const double r = std::nearbyint(v);
  if (r < 0 || r > 255) return std::nullopt;
  return static_cast<std::uint8_t>(r);
}

[[noreturn]] void Disagree(const char* what, const std::string& text) {
  std::fprintf(stderr, "%s for the text \"", what);
  for (unsigned char c : text) std::fprintf(stderr, c >= 0x20 && c < 0x7F ? "%c" : "\\x%02X", c);
  std::fprintf(stderr, "\"\n");
  std::abort();
}

// The conversions the console makes: plain, temperatures (+40), currents (x10) and the
// simulated temperature (x2 +80).
constexpr double kScales[][2] = {{1, 0}, {1, 40}, {10, 0}, {2, 80}};

void CheckText(const std::string& text) {
  const std::optional<double> parsed = ParseLeadingNumber(text);
  const Reading ref = Reference(text);
  if (ref.kind == Reading::TooLarge && parsed) Disagree("a number beyond a double was parsed", text);
  if (ref.kind != Reading::Value) {
    for (const auto& [scale, offset] : kScales) (void)TextToByte(text, scale, offset);
    return;
  }
  if (!parsed || *parsed != ref.value) Disagree("parse differs from the rules", text);
  for (const auto& [scale, offset] : kScales)
    if (TextToByte(text, scale, offset) != ReferenceByte(ref.value * scale + offset))
      Disagree("byte differs from the rules", text);
}

void CheckDouble(double v) {
  if (ToByte(v) != ReferenceByte(v)) Disagree("byte of a double differs", std::to_string(v));
  const double r = std::nearbyint(v);
  const bool fits = std::isfinite(v) && r >= -9223372036854775808.0 && r < 9223372036854775808.0;
  const std::optional<std::int64_t> whole = RoundInto(v, INT64_MIN, INT64_MAX);
  if (whole.has_value() != fits || (fits && *whole != static_cast<std::int64_t>(r)))
    Disagree("whole number of a double differs", std::to_string(v));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckText(std::string(reinterpret_cast<const char*>(data), size));
  if (size >= sizeof(double)) {
    double v;
    std::memcpy(&v, data, sizeof v);
    CheckDouble(v);
  }
  return 0;
}
