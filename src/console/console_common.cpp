// console_common.cpp -- the console layer every platform shares: writing,
// colour arithmetic on the attribute, erase lines and the program's key prompt.
#include "console/console.h"

#include "console/answer_reader.h"
#include "console/console_platform.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// "\r" and 80 blanks: with the 81-column window it blanks a row without wrapping.
constexpr std::string_view ERASE_LINE = "\r                                                                                \n";

constexpr std::string_view PAUSE_PROMPT = "Press any key to continue . . . ";

}

void console_write(std::string_view text)
{
    // An empty view may hold no buffer at all, which fwrite must not be given.
    if (!text.empty())
        std::fwrite(text.data(), 1, text.size(), stdout);
}

void console_write_int(int value)
{
    console_write(std::to_string(value));
}

void console_flush()
{
    std::fflush(stdout);
}

int getfgcolor()
{
    return getcolors() & 15;
}

int getbgcolor()
{
    return getcolors() >> 4;
}

void setfgcolor(int colour)
{
    set_attribute((getcolors() & 0xF0) | (colour & 15));
}

void setbgcolor(int colour)
{
    set_attribute(((colour << 4) & 0xFF) | (getcolors() & 15));
}

void setcolors(int foreground, int background)
{
    set_attribute(((background << 4) & 0xFF) | (foreground & 15));
}

void end_program()
{
    console_flush();
    std::exit(0);
}

void write_erase_lines(int n)
{
    for (int row = 0; row < n; ++row)
        console_write(ERASE_LINE);
}

void pause_with_own_prompt()
{
    console_write(PAUSE_PROMPT);
    read_pause_key();
    console_write("\n");
}
