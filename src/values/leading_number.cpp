#include "values/leading_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace kestrova {
namespace {

bool Ignored(char ch) { return ch == ' ' || ch == '\t' || ch == '\n'; }

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// The text without the characters the parse ignores wherever they stand.
std::string Compact(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    if (!Ignored(ch)) out.push_back(ch);
  }
  return out;
}

int DigitValue(char ch, int base) {
  int d = -1;
  if (ch >= '0' && ch <= '9') d = ch - '0';
  else if (ch >= 'a' && ch <= 'f') d = ch - 'a' + 10;
  else if (ch >= 'A' && ch <= 'F') d = ch - 'A' + 10;
  return d < base ? d : -1;
}

// "&H..." or "&O...": the leading digits of the base, as a whole number.
std::optional<double> ParseRadix(std::string_view digits, int base) {
  double value = 0.0;
  for (char ch : digits) {
    const int d = DigitValue(ch, base);
    if (d < 0) break;
    value = value * base + d;
    if (!std::isfinite(value)) return std::nullopt;
  }
  return value;
}

// The longest leading decimal number: sign, digits, one point, exponent with digits.
std::optional<double> ParseDecimal(std::string_view s) {
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  const std::size_t mantissaStart = i;
  std::size_t digits = 0;
  // Decimal position of the first nonzero digit: 0 for the units, negative for fractions.
  long long leadPosition = 0;
  bool seenNonzero = false;
  long long intDigits = 0;
  while (i < s.size() && IsDigit(s[i])) {
    if (s[i] != '0' && !seenNonzero) seenNonzero = true;
    if (seenNonzero) ++intDigits;
    ++digits;
    ++i;
  }
  if (seenNonzero) leadPosition = intDigits - 1;
  if (i < s.size() && s[i] == '.') {
    ++i;
    long long place = -1;
    while (i < s.size() && IsDigit(s[i])) {
      if (s[i] != '0' && !seenNonzero) {
        seenNonzero = true;
        leadPosition = place;
      }
      --place;
      ++digits;
      ++i;
    }
  }
  if (digits == 0) return 0.0;
  std::size_t end = i;
  long long exponent = 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    std::size_t j = i + 1;
    bool expNegative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) expNegative = s[j++] == '-';
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) {
        if (exponent < 1'000'000'000) exponent = exponent * 10 + (s[j] - '0');
        ++j;
      }
      if (expNegative) exponent = -exponent;
      end = j;
    }
  }
  if (!seenNonzero) return 0.0;

  const std::string_view number = s.substr(mantissaStart, end - mantissaStart);
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // Too small to tell from zero is zero; too large does not fit.
    if (leadPosition + exponent < 0) return 0.0;
    return std::nullopt;
  }
  if (result.ec != std::errc{}) return 0.0;
  return negative ? -value : value;
}

}  // namespace

std::optional<double> ParseLeadingNumber(std::string_view text) {
  const std::string s = Compact(text);
  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return ParseRadix(std::string_view(s).substr(2), 16);
    if (s[1] == 'O' || s[1] == 'o') return ParseRadix(std::string_view(s).substr(2), 8);
  }
  return ParseDecimal(s);
}

double RoundHalfEven(double v) {
  const double below = std::floor(v);
  const double fraction = v - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1.0;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::optional<std::int64_t> RoundInto(double v, std::int64_t lo, std::int64_t hi) {
  if (!std::isfinite(v)) return std::nullopt;
  const double r = RoundHalfEven(v);
  // 2^63 bounds the values a 64-bit integer can take; outside them no range can hold r.
  constexpr double kLimit = 9223372036854775808.0;
  if (r >= kLimit || r < -kLimit) return std::nullopt;
  const auto whole = static_cast<std::int64_t>(r);
  if (whole < lo || whole > hi) return std::nullopt;
  return whole;
}

std::optional<std::uint8_t> ToByte(double v) {
  const auto whole = RoundInto(v, 0, 255);
  if (!whole) return std::nullopt;
  return static_cast<std::uint8_t>(*whole);
}

std::optional<std::uint8_t> TextToByte(std::string_view text, double scale, double offset) {
  const auto v = ParseLeadingNumber(text);
  if (!v) return std::nullopt;
  return ToByte(*v * scale + offset);
}

}  // namespace kestrova
