// console_common.cpp -- the console operations every platform shares above
// its own: colour arithmetic on the attribute, erasing and clearing, the
// window, each with its plain text where standard output is not a terminal.
#include "console/console.h"

#include "console/console_layers.h"

#include <string_view>

namespace {

// Redirected output shows no colours, but the attribute is kept so that it
// reads back as it would on a terminal.
int redirected_attribute = START_ATTRIBUTE;

// An erased row as a pipe or file gets it: "\r" and 80 blanks, a blank row of
// the 81-column window.
constexpr std::string_view ERASE_LINE = "\r                                                                                \n";

void set_attribute(int attribute)
{
    if (output_is_terminal())
        set_terminal_attribute(attribute & 0xFF);
    else
        redirected_attribute = attribute & 0xFF;
}

}

void setup_window()
{
    take_console();
    if (output_is_terminal())
        shape_window();
    else
        set_attribute(WINDOW_ATTRIBUTE);
}

int getcolors()
{
    return output_is_terminal() ? terminal_attribute() : redirected_attribute;
}

void setfgcolor(int colour)
{
    set_attribute((getcolors() & 0xF0) | (colour & 15));
}

void ClearLines(int n)
{
    if (!output_is_terminal()) {
        for (int row = 0; row < n; ++row)
            console_write(ERASE_LINE);
        return;
    }
    const int rows = screen_rows().rows_up_to(n);
    screen_rows().forget(n);
    erase_rows_above(rows);
}

void ClearScreen()
{
    if (output_is_terminal())
        clear_terminal_screen();
    else
        console_write("\f");
}
