#pragma once
// The interface language: Chinese, the console's own, unless the operator's locale or the
// command line asks for English.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kestrova {

enum class Language { kChinese, kEnglish };

// The language of the locale as gettext reads it: the first of LANGUAGE (a colon-separated
// list, its first entry counts), LC_ALL, LC_MESSAGES, LANG that is set and not empty. English
// when that value starts with "en", Chinese otherwise and when none is set.
Language LanguageFromEnvironment(const std::function<const char*(const char*)>& getenv);

// "zh" or "en" from --language; nothing for any other word.
std::optional<Language> ParseLanguage(std::string_view word);

}  // namespace kestrova
