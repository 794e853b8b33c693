#include "values/tr.h"

#include <initializer_list>

namespace kestrova {
namespace {
TranslateHook installedHook = nullptr;
}

void SetTranslateHook(TranslateHook hook) { installedHook = hook; }

std::string Tr(const char* context, const char* source) {
  return installedHook ? installedHook(context, source) : std::string(source);
}

std::string Tr(const char* context, std::string_view source) { return Tr(context, std::string(source).c_str()); }

std::string Arg(std::string text, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const std::size_t n = static_cast<std::size_t>(text[i + 1] - '1');
      if (n < args.size()) {
        out += *(args.begin() + n);
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace kestrova
