#pragma once
// The interface language: Chinese, the console's own, unless the operator's locale or the
// command line asks for a language the console has a translation into.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kestrova {

// A language by its two-letter code: "zh", "en", "de".
struct Language {
  std::string code;
  static const Language kChinese;  // the texts as written in the sources
  static const Language kEnglish;
  bool operator==(const Language&) const = default;
};
inline const Language Language::kChinese{"zh"};
inline const Language Language::kEnglish{"en"};

// Whether a translation into the language of this code comes with the console.
using LanguageOffered = std::function<bool(std::string_view code)>;

// The language of the locale as gettext reads it: the first of LANGUAGE (a colon-separated
// list, its first entry counts), LC_ALL, LC_MESSAGES, LANG that is set and not empty. The
// language of that value when a translation into it is offered, Chinese otherwise and when
// none is set.
Language LanguageFromEnvironment(const std::function<const char*(const char*)>& getenv, const LanguageOffered& offered);

// The word of --language: "zh" or the code of an offered translation; nothing for any other.
std::optional<Language> ParseLanguage(std::string_view word, const LanguageOffered& offered);

}  // namespace kestrova
