#pragma once
// The interface language: the console's translations (embedded, one per file in translations/)
// and Qt's own texts (message-box buttons, file dialogs) in the chosen language.
#include <QTranslator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "values/language.h"

namespace kestrova {

// The codes of the translations that come with the console ("en"), in order.
std::vector<std::string> OfferedLanguages();
bool TranslationOffered(std::string_view code);

// While it lives, the windows and the core speak the language asked for.
// Chinese: the texts as written, and Qt's own Chinese texts when the system has them (Debian:
// qt6-translations-l10n); without them the console starts all the same, with Qt's English
// buttons. Another language: the console's translation, and Qt's own texts in that language
// when the system has them.
class InterfaceLanguage {
 public:
  explicit InterfaceLanguage(const Language& language);
  ~InterfaceLanguage();
  InterfaceLanguage(const InterfaceLanguage&) = delete;
  InterfaceLanguage& operator=(const InterfaceLanguage&) = delete;

  // Whether the translation asked for was found.
  bool Loaded() const { return loaded_; }

 private:
  std::unique_ptr<QTranslator> console_, toolkit_;
  bool loaded_ = false;
};

}  // namespace kestrova
