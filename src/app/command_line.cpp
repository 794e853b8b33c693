#include "app/command_line.h"

#include <string_view>

#include "kestrova_version.h"
#include "qt/translations.h"

namespace kestrova {
namespace {

// "zh|en": Chinese and every translation that comes with the console.
std::string LanguageWords() {
  std::string words(Language::kChinese.code);
  for (const std::string& code : OfferedLanguages()) words += "|" + code;
  return words;
}

void PrintHelp(std::ostream& out) {
  const std::string words = LanguageWords();
  out << "Usage: kestrova [--language " << words << "] [--version | --help]";
  out << R"(

The monitoring and configuration console of the climate-control board. Without an option it
opens the main window.

Options:
  --language )" << words << R"(   the interface language: Chinese (zh), English (en), ...; without it
                     the locale's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) when the console has a
                     translation into it, else Chinese
  --version          print the version and exit
  -h, --help         print this text and exit

Environment:
  KESTROVA_PORTS   comma-separated serial devices offered as COM1, COM2, ... instead of the
                   system's serial ports, e.g. KESTROVA_PORTS=/dev/serial/by-id/usb-...-port0
)";
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv,
                             const std::function<const char*(const char*)>& getenv) {
  CommandLine line;
  line.language = LanguageFromEnvironment(getenv, TranslationOffered);
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--language" && i + 1 < argc) {
      if (const auto chosen = ParseLanguage(argv[i + 1], TranslationOffered)) {
        line.language = *chosen;
        ++i;
        continue;
      }
      line.action = CommandLine::Action::kUnknownOption;
      line.unknown = std::string(arg) + " " + argv[i + 1];
      return line;
    }
    if (line.action != CommandLine::Action::kRun) continue;
    if (arg == "--version") {
      line.action = CommandLine::Action::kVersion;
    } else if (arg == "--help" || arg == "-h") {
      line.action = CommandLine::Action::kHelp;
    } else {
      line.action = CommandLine::Action::kUnknownOption;
      line.unknown = arg;
      return line;
    }
  }
  return line;
}

std::optional<int> AnswerCommandLine(const CommandLine& line, std::ostream& out, std::ostream& err) {
  switch (line.action) {
    case CommandLine::Action::kRun:
      return std::nullopt;
    case CommandLine::Action::kVersion:
      out << "kestrova " << kVersion << " (built " << kBuildDate << ")\n";
      return 0;
    case CommandLine::Action::kHelp:
      PrintHelp(out);
      return 0;
    case CommandLine::Action::kUnknownOption:
      break;
  }
  err << "kestrova: " << "unknown option '" << line.unknown << "'" << "\n\n";
  PrintHelp(err);
  return 2;
}

}  // namespace kestrova
