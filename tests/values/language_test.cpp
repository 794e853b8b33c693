// The interface language from the locale and the command line, and the texts' placeholders.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "values/language.h"
#include "values/tr.h"

namespace kestrova {
namespace {

// The console comes with English and German translations here.
bool Offered(std::string_view code) { return code == "en" || code == "de"; }

Language FromEnvironment(const std::map<std::string, std::string>& env) {
  return LanguageFromEnvironment(
      [&](const char* name) -> const char* {
        const auto it = env.find(name);
        return it == env.end() ? nullptr : it->second.c_str();
      },
      Offered);
}

TEST(Language, TheFirstSetVariableInGettextOrderDecides) {
  EXPECT_EQ(FromEnvironment({}), Language::kChinese);
  EXPECT_EQ(FromEnvironment({{"LANG", "de_DE@euro"}}), Language{"de"});
  EXPECT_EQ(FromEnvironment({{"LANG", "fr_FR.UTF-8"}}), Language::kChinese);  // no French translation
  EXPECT_EQ(FromEnvironment({{"LC_ALL", "zh_CN.UTF-8"}, {"LC_MESSAGES", "en_GB"}, {"LANG", "en_US"}}),
            Language::kChinese);
  EXPECT_EQ(FromEnvironment({{"LANGUAGE", "en_US:zh_CN"}, {"LC_ALL", "zh_CN.UTF-8"}}), Language::kEnglish);
  // A variable set but empty does not count.
  EXPECT_EQ(FromEnvironment({{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LANG", "en_US.UTF-8"}}), Language::kEnglish);
  EXPECT_EQ(ParseLanguage("en", Offered), Language::kEnglish);
}

TEST(Translate, PlaceholdersTakeTheirArgumentWhereverTheTranslationPutsThem) {
  EXPECT_EQ(Arg("%1 写入 %2，读回 %3", {"高温报警", "45", "44"}), "高温报警 写入 45，读回 44");
  EXPECT_EQ(Arg("%2 then %1", {"a", "b"}), "b then a");
  // A number without an argument, and a percent sign of the text itself, stay as written.
  EXPECT_EQ(Arg("%1 at 50% %3", {"x"}), "x at 50% %3");
  EXPECT_EQ(Arg("ends with %", {}), "ends with %");
}

}  // namespace
}  // namespace kestrova
