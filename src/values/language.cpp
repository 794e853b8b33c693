#include "values/language.h"

namespace kestrova {
namespace {

std::string_view Value(const std::function<const char*(const char*)>& getenv, const char* name) {
  const char* value = getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

Language FromLocaleName(std::string_view name) {
  return name.substr(0, 2) == "en" ? Language::kEnglish : Language::kChinese;
}

}  // namespace

Language LanguageFromEnvironment(const std::function<const char*(const char*)>& getenv) {
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const std::string_view value = Value(getenv, name);
    // LANGUAGE is a list of preferences, the first one counts.
    if (!value.empty()) return FromLocaleName(value.substr(0, value.find(':')));
  }
  return Language::kChinese;
}

std::optional<Language> ParseLanguage(std::string_view word) {
  if (word == "zh") return Language::kChinese;
  if (word == "en") return Language::kEnglish;
  return std::nullopt;
}

}  // namespace kestrova
