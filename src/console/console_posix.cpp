// console_posix.cpp -- the console layer on a POSIX terminal, ANSI escapes in
// place of the Windows console calls.
#include "console/console.h"

#include "console/console_platform.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// CUU (Cursor Up): ESC [ n A. CUF (Cursor Forward): ESC [ n C.
// CUP (Cursor Home): ESC [ H. ED (Erase Display): ESC [ 2 J, and ESC [ 3 J for
// the scrollback. SGR (Select Graphic Rendition): ESC [ fg ; bg m, ESC [ 0 m resets.
// XTWINOPS resize: ESC [ 8 ; rows ; cols t.
constexpr std::string_view CURSOR_HOME_AND_ERASE = "\x1b[H\x1b[2J\x1b[3J";
constexpr std::string_view SGR_RESET = "\x1b[0m";
constexpr std::string_view WINDOW_81_BY_60 = "\x1b[8;60;81t";

// Windows colour numbers 0..15 as ANSI foreground and background codes.
constexpr std::array<int, 16> ANSI_FOREGROUND { 30, 34, 32, 36, 31, 35, 33, 37, 90, 94, 92, 96, 91, 95, 93, 97 };
constexpr std::array<int, 16> ANSI_BACKGROUND { 40, 44, 42, 46, 41, 45, 43, 47, 100, 104, 102, 106, 101, 105, 103, 107 };

constexpr int START_ATTRIBUTE = 0x07;
constexpr int WINDOW_ATTRIBUTE = 0x0F;

int current_attribute = START_ATTRIBUTE;

struct termios original_input_mode;
volatile std::sig_atomic_t raw_input_active = 0;
bool restore_registered = false;

void write_cursor_move(int rows, char direction)
{
    console_write("\x1b[");
    console_write_int(rows);
    console_write(std::string_view(&direction, 1));
}

// Async-signal-safe: only write(2) and tcsetattr.
void restore_terminal_now()
{
    if (raw_input_active) {
        tcsetattr(STDIN_FILENO, TCSANOW, &original_input_mode);
        raw_input_active = 0;
    }
    if (output_is_terminal()) {
        // The program is already on its way out: were this write to fail, there
        // would be nothing left to try, so its result is dropped.
        [[maybe_unused]] auto written = write(STDOUT_FILENO, SGR_RESET.data(), SGR_RESET.size());
    }
}

void restore_terminal_at_exit()
{
    console_flush();
    restore_terminal_now();
}

void restore_terminal_on_signal(int signal_number)
{
    restore_terminal_now();
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
}

void register_restore()
{
    if (restore_registered)
        return;
    restore_registered = true;
    std::atexit(restore_terminal_at_exit);
    for (int signal_number : { SIGINT, SIGTERM, SIGHUP })
        std::signal(signal_number, restore_terminal_on_signal);
}

}

void set_attribute(int attribute)
{
    current_attribute = attribute & 0xFF;
    if (!output_is_terminal())
        return;
    console_write("\x1b[");
    console_write_int(ANSI_FOREGROUND[static_cast<std::size_t>(current_attribute & 15)]);
    console_write(";");
    console_write_int(ANSI_BACKGROUND[static_cast<std::size_t>(current_attribute >> 4)]);
    console_write("m");
}

void setup_window()
{
    register_restore();
    if (output_is_terminal())
        console_write(WINDOW_81_BY_60);
    set_attribute(WINDOW_ATTRIBUTE);
    if (output_is_terminal())
        console_write(CURSOR_HOME_AND_ERASE);
}

int getcolors()
{
    return current_attribute;
}

void ClearLines(int n)
{
    if (output_is_terminal())
        write_cursor_move(n, 'A');
    write_erase_lines(n);
    if (output_is_terminal())
        write_cursor_move(n, 'A');
}

void cursor_reposition(int up, int right)
{
    if (!output_is_terminal())
        return;
    if (up != 0)
        write_cursor_move(up > 0 ? up : -up, up > 0 ? 'A' : 'B');
    if (right != 0)
        write_cursor_move(right > 0 ? right : -right, right > 0 ? 'C' : 'D');
}

void SystemPause()
{
    pause_with_own_prompt();
}

void ClearScreen()
{
    console_write(output_is_terminal() ? CURSOR_HOME_AND_ERASE : "\f");
}

bool input_is_terminal()
{
    static const bool terminal = isatty(STDIN_FILENO) == 1;
    return terminal;
}

bool output_is_terminal()
{
    static const bool terminal = isatty(STDOUT_FILENO) == 1;
    return terminal;
}

bool read_key()
{
    console_flush();
    if (tcgetattr(STDIN_FILENO, &original_input_mode) != 0)
        return false;
    struct termios raw = original_input_mode;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    raw_input_active = 1;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    char key = 0;
    ssize_t got;
    do
        got = read(STDIN_FILENO, &key, 1);
    while (got < 0 && errno == EINTR);
    tcsetattr(STDIN_FILENO, TCSANOW, &original_input_mode);
    raw_input_active = 0;
    return got == 1;
}

long write_output(const char* bytes, unsigned long size)
{
    for (;;) {
        const ssize_t written = write(STDOUT_FILENO, bytes, size);
        if (written >= 0)
            return static_cast<long>(written);
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // Output left non-blocking by whoever started us: wait until it takes more.
            pollfd writable { STDOUT_FILENO, POLLOUT, 0 };
            poll(&writable, 1, -1);
        } else if (errno != EINTR) {
            return -1;
        }
    }
}

long read_input(char* buffer, unsigned long size)
{
    ssize_t got;
    do
        got = read(STDIN_FILENO, buffer, size);
    while (got < 0 && errno == EINTR);
    return got > 0 ? static_cast<long>(got) : 0;
}
