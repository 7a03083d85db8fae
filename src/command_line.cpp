// command_line.cpp -- --help, --version and the usage line for any other argument.
#include "command_line.h"

#include "console/console.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view USAGE = "usage: subnetter [--help | --version]\n";

#ifdef _WIN32
constexpr std::string_view MANUAL = "More in README.txt beside subnetter.exe.\n";
#else
constexpr std::string_view MANUAL = "The manual: man subnetter\n";
#endif

constexpr std::string_view ABOUT =
    "An interactive calculator for IPv4 subnetting in the classful address plan.\n"
    "Started without arguments it asks on the terminal for the options, an address\n"
    "and a prefix, then lists the subnets, and on request exports them to\n"
    "Result_1.txt, Result_2.txt, ... in the current folder.\n"
    "\n"
    "Every answer is one word on standard input, so a session can be scripted:\n"
    "  printf '\\n1 4 9 Y Y\\n192.168.1.77\\n26\\n2\\n\\n' | subnetter > /dev/null\n"
    "exports the four subnets of 192.168.1.77/26 to Result_1.txt.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n";

constexpr std::string_view VERSION = "subnetter " SUBNETTER_VERSION "\n";

// Plain stdio rather than the console layer: the console is not set up yet,
// and an answer to an argument must not resize or colour the terminal.
void print(std::FILE* stream, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

// The answer on standard output: 0, or 1 with the reason on standard error,
// as a session tells a refused output.
int answer(std::string_view text)
{
    errno = 0;
    print(stdout, text);
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0)
        return 0;
    tell_output_refused(errno != 0 ? errno : EIO);
    return 1;
}

}

std::optional<int> answer_command_line(int argc, char* argv[])
{
    if (argc <= 1)
        return std::nullopt;
    const std::string_view argument = argv[1];
    if (argc == 2 && argument == "--version")
        return answer(VERSION);
    // One write for the whole help: a reader that stops at the usage line
    // (`subnetter --help | head -1`) must not leave later pieces to a closed pipe.
    if (argc == 2 && argument == "--help") {
        std::string help(USAGE);
        help += ABOUT;
        help += MANUAL;
        return answer(help);
    }
    print(stderr, USAGE);
    return 2;
}
