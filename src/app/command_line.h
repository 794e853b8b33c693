#pragma once
// The console's command line, looked at before any window or display is touched.
#include <functional>
#include <iostream>
#include <optional>
#include <string>

#include "values/language.h"

namespace kestrova {

struct CommandLine {
  enum class Action { kRun, kHelp, kVersion, kUnknownOption };
  Action action = Action::kRun;
  Language language = Language::kChinese;  // --language, else the locale's
  std::string unknown;                     // the rejected argument
};

// Reads the arguments; the locale (through getenv) gives the language unless --language does.
CommandLine ParseCommandLine(int argc, const char* const* argv,
                             const std::function<const char*(const char*)>& getenv);

// Prints what --help, --version or a rejected argument ask for (in English, as the option
// names themselves). Returns the exit code, nothing for kRun.
std::optional<int> AnswerCommandLine(const CommandLine& line, std::ostream& out = std::cout,
                                     std::ostream& err = std::cerr);

}  // namespace kestrova
