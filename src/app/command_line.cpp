#include "app/command_line.h"

#include <string_view>

#include "kestrova_version.h"

namespace kestrova {
namespace {

void PrintHelp(std::ostream& out) {
  out << R"(Usage: kestrova [--version | --help]

The monitoring and configuration console of the climate-control board. Without an option it
opens the main window.

Options:
  --version    print the version and exit
  -h, --help   print this text and exit

Environment:
  KESTROVA_PORTS   comma-separated serial devices offered as COM1, COM2, ... instead of the
                   system's serial ports, e.g. KESTROVA_PORTS=/dev/serial/by-id/usb-...-port0
)";
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--version") {
      out << "kestrova " << kVersion << " (built " << kBuildDate << ")\n";
      return 0;
    }
    if (arg == "--help" || arg == "-h") {
      PrintHelp(out);
      return 0;
    }
    err << "kestrova: unknown option '" << arg << "'\n\n";
    PrintHelp(err);
    return 2;
  }
  return std::nullopt;
}

}  // namespace kestrova
