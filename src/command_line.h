// command_line.h -- the few arguments the program takes, answered before the console is touched.
#pragma once

#include <optional>

// Started without arguments, returns nothing and the session goes on.
// Otherwise prints the help, the version or a usage line and returns the exit
// status: 0 for --help and --version (1 when standard output refuses the
// text, with the reason on standard error), 2 for anything else. Nothing else
// is written and the terminal is left as it is.
std::optional<int> answer_command_line(int argc, char* argv[]);
