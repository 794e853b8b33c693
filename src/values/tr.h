#pragma once
// The console's texts in the operator's language. The Chinese texts in the sources are the
// console's own; the windows install a hook that looks up their translation. Without a hook
// (the core's tests, the agent) every text stays as written.
//
// A text used where it is written:        Tr("Context", "文本")
// A text kept in a table, looked up later: KTR_NOOP("Context", "文本") in the table, Tr("Context", entry)
// where it is shown. lupdate reads both forms (see CMakeLists.txt, -tr-function-alias).
#include <string>
#include <initializer_list>
#include <string_view>

#define KTR_NOOP(context, text) text

namespace kestrova {

using TranslateHook = std::string (*)(const char* context, const char* source);

// Installs the hook (nullptr: back to the texts as written).
void SetTranslateHook(TranslateHook hook);
std::string Tr(const char* context, const char* source);
// For a text kept in a table (a setting's caption, a reason): the entry as a view.
std::string Tr(const char* context, std::string_view source);

// Replaces %1, %2, ... in a translated text by the arguments, in order; the translation may
// put them anywhere.
std::string Arg(std::string text, std::initializer_list<std::string_view> args);

}  // namespace kestrova
