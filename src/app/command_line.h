#pragma once
// The console's command line, looked at before any window or display is touched.
#include <iostream>
#include <optional>

namespace kestrova {

// Handles --version and --help (printed to out) and rejects anything else with the help on
// err. Returns the exit code when the program should stop here, nothing when the console
// should start (no arguments).
std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::ostream& out = std::cout,
                                     std::ostream& err = std::cerr);

}  // namespace kestrova
