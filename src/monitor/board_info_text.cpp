#include "monitor/board_info_text.h"

namespace kestrova {

namespace {

// Length of s without its last UTF-8 character (continuation bytes are 10xxxxxx).
std::size_t WithoutLastCharacter(std::string_view s) {
  if (s.empty()) return 0;
  std::size_t end = s.size() - 1;
  while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) --end;
  return end;
}

}  // namespace

BoardInfoFields SplitBoardInfo(std::string_view text) {
  // "/" is ASCII and never occurs inside a multi-byte UTF-8 character, so byte positions of
  // "/" are character boundaries.
  const std::string_view body = text.substr(0, WithoutLastCharacter(text));
  BoardInfoFields fields;
  const std::size_t first = body.find('/');
  fields.model = std::string(body.substr(0, first));
  if (first == std::string_view::npos) return fields;
  const std::string_view rest = body.substr(first + 1);
  const std::size_t second = rest.find('/');
  fields.pcb = std::string(rest.substr(0, second));
  if (second != std::string_view::npos) fields.software = std::string(rest.substr(second + 1));
  return fields;
}

bool IsThermoelectricVersion(std::string_view software) { return software.starts_with("VA2"); }

}  // namespace kestrova
