// terminal_windows.cpp -- the bottom of the console layer on Windows:
// standard output's bytes, and whether standard input and output are consoles.
#include "console/console.h"

#include "console/console_layers.h"

#include <cstdio>
#include <io.h>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

bool is_console(DWORD standard_handle)
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(standard_handle), &mode) != 0;
}

}

bool input_is_terminal()
{
    static const bool console = is_console(STD_INPUT_HANDLE);
    return console;
}

bool output_is_terminal()
{
    static const bool console = is_console(STD_OUTPUT_HANDLE);
    return console;
}

// Text mode turns each "\n" into the CR LF of Windows text.
long write_output(const char* bytes, unsigned long size)
{
    return _write(_fileno(stdout), bytes, static_cast<unsigned>(size));
}

// The console's own line input edits and recalls answers.
bool edits_answers()
{
    return false;
}

// Asked only while the program edits answers itself.
bool input_within(int)
{
    return false;
}

// The CRT keeps descriptors 0 to 2 for the standard streams whether or not
// they have a handle, so no file the program opens can take their place.
void open_missing_standard_descriptors()
{
}
