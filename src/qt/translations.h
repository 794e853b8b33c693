#pragma once
// The interface language: the console's English texts (embedded, from translations/) and Qt's
// own texts (message-box buttons, file dialogs) in the chosen language.
#include <QTranslator>
#include <memory>

#include "values/language.h"

namespace kestrova {

// While it lives, the windows and the core speak the language asked for.
// Chinese: Qt's own Chinese texts when the system has them (Debian: qt6-translations-l10n);
// without them the console starts all the same, with Qt's English buttons. English: the
// console's English translation and Qt's own English texts.
class InterfaceLanguage {
 public:
  explicit InterfaceLanguage(Language language);
  ~InterfaceLanguage();
  InterfaceLanguage(const InterfaceLanguage&) = delete;
  InterfaceLanguage& operator=(const InterfaceLanguage&) = delete;

  // Whether the translation asked for was found.
  bool Loaded() const { return loaded_; }

 private:
  std::unique_ptr<QTranslator> translator_;
  bool loaded_ = false;
};

}  // namespace kestrova
