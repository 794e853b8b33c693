#include "values/language.h"

namespace kestrova {
namespace {

std::string_view Value(const std::function<const char*(const char*)>& getenv, const char* name) {
  const char* value = getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

// "en_US.UTF-8", "en", "de_DE@euro": the language is what comes before the territory, the
// encoding and the modifier.
Language FromLocaleName(std::string_view name, const LanguageOffered& offered) {
  return ParseLanguage(name.substr(0, name.find_first_of("_.@")), offered).value_or(Language::kChinese);
}

}  // namespace

Language LanguageFromEnvironment(const std::function<const char*(const char*)>& getenv, const LanguageOffered& offered) {
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const std::string_view value = Value(getenv, name);
    // LANGUAGE is a list of preferences, the first one counts.
    if (!value.empty()) return FromLocaleName(value.substr(0, value.find(':')), offered);
  }
  return Language::kChinese;
}

std::optional<Language> ParseLanguage(std::string_view word, const LanguageOffered& offered) {
  if (word == Language::kChinese.code) return Language::kChinese;
  const bool code = (word.size() == 2 || word.size() == 3) &&
                    word.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string_view::npos;
  if (code && offered(word)) return Language{std::string(word)};
  return std::nullopt;
}

}  // namespace kestrova
