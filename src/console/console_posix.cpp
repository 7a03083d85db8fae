// console_posix.cpp -- the console operations on a POSIX terminal: ANSI
// escapes in place of the Windows console calls, the terminal's modes, and
// the acting on the signals that the signal layer keeps.
#include "console/console.h"

#include "console/ansi_escapes.h"
#include "console/console_layers.h"
#include "console/signals_posix.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Windows colour numbers 0..15 as ANSI foreground and background codes.
constexpr std::array<int, 16> ANSI_FOREGROUND { 30, 34, 32, 36, 31, 35, 33, 37, 90, 94, 92, 96, 91, 95, 93, 97 };
constexpr std::array<int, 16> ANSI_BACKGROUND { 40, 44, 42, 46, 41, 45, 43, 47, 100, 104, 102, 106, 101, 105, 103, 107 };

int current_attribute = START_ATTRIBUTE;

constexpr int WINDOW_ROWS = 60;
constexpr int WINDOW_COLUMNS = 81;

// The window's size as the terminal told it at start, when the program asked
// for another: given back when the program ends.
struct winsize size_to_give_back {};
int rows_scrolled = 0; // rows the screen scrolled up since its last clear, as last known

// The terminal's modes from before the program, put back on every way out
// and while the program is stopped; its own are the same, raw.
struct termios original_mode;
bool modes_taken = false;

std::string colours(int attribute)
{
    return std::string(CSI)
        .append(std::to_string(ANSI_FOREGROUND[static_cast<std::size_t>(attribute & 15)]))
        .append(";")
        .append(std::to_string(ANSI_BACKGROUND[static_cast<std::size_t>(attribute >> 4)]))
        .append(1, SELECT_COLOURS);
}

// Another process group has the terminal (a terminal that is not the
// program's own has none).
bool in_background()
{
    const pid_t group = tcgetpgrp(STDIN_FILENO);
    return group != -1 && group != getpgrp();
}

// Keys come one at a time and unseen, the program drawing what it takes;
// the signal keys still send their signals.
void apply_raw_input()
{
    struct termios raw = original_mode;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
}

bool ignores_or_blocks(int signal_number)
{
    struct sigaction action {};
    sigset_t blocked;
    sigaction(signal_number, nullptr, &action);
    sigprocmask(SIG_BLOCK, nullptr, &blocked);
    return action.sa_handler == SIG_IGN || sigismember(&blocked, signal_number) == 1;
}

// Started in the background, the program leaves the terminal to the shell's
// line editor until it is in the foreground: setting the modes from the
// background stops it (SIGTTOU) until then, so their change waits there.
void wait_for_foreground(struct termios& mode)
{
    if (ignores_or_blocks(SIGTTOU))
        return;
    while (in_background() && tcsetattr(STDIN_FILENO, TCSANOW, &mode) != 0 && errno == EINTR) { }
}

void take_terminal()
{
    struct termios mode;
    if (!edits_answers() || tcgetattr(STDIN_FILENO, &mode) != 0)
        return;
    wait_for_foreground(mode);
    if (tcgetattr(STDIN_FILENO, &original_mode) != 0)
        return;
    modes_taken = true;
    apply_raw_input();
}

// The terminal as it was before the program: its modes (unless another
// process group has it now) and colours, with the screen's text written first.
void restore_terminal()
{
    if (output_is_terminal())
        console_write_unfollowed(COLOURS_RESET);
    console_flush();
    if (modes_taken && !in_background())
        tcsetattr(STDIN_FILENO, TCSANOW, &original_mode);
}

// On the way out of the program, unlike at a stop, the window's size too.
void leave_terminal()
{
    if (size_to_give_back.ws_col != 0 && output_is_terminal())
        console_write_unfollowed(window_size(size_to_give_back.ws_row, size_to_give_back.ws_col));
    restore_terminal();
}

// After a stop, however it came: the program's modes, and its screen drawn
// again over what the shell wrote meanwhile. From the background this waits
// for the foreground, as at start.
void resume_terminal()
{
    if (modes_taken)
        apply_raw_input();
    if (output_is_terminal())
        repaint_screen();
    console_flush();
}

// The size the terminal tells, all zero when it tells none.
struct winsize measure_screen()
{
    struct winsize size {};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0)
        return {};
    screen_rows().set_width(size.ws_col, LastColumn::WRAP_DEFERRED);
    screen_rows().set_height(std::max<int>(size.ws_row, 1));
    return size;
}

bool leaving = false; // a termination is being acted on

// Screen text that cannot be delivered by then is dropped, not waited for.
[[noreturn]] void end_by_signal(int signal_number)
{
    leaving = true;
    if (output_is_terminal())
        start_closing_row();
    save_on_way_out();
    leave_terminal();
    take_default_action(signal_number);
    // Only a signal that does not end a process by default gets here.
    std::_Exit(128 + signal_number);
}

void end_if_reader_gone(int error)
{
    if (error == EPIPE && ends_by_broken_pipe())
        end_by_signal(SIGPIPE);
}

}

// Lines that took rows no longer on the screen come after blank rows, so that
// the cursor's row stays where the lines below it are known to be.
void repaint_screen()
{
    const int rows_above = screen_rows().rows_since_clear();
    const int last_row = screen_rows().height() - 1;
    const ScreenRows::Tail tail = screen_rows().shown_within(last_row);
    const int blank_rows = std::max(std::min(rows_above - tail.rows, last_row - tail.rows), 0);
    console_write_unfollowed(CURSOR_HOME);
    console_write_unfollowed(ERASE_SCREEN);
    if (blank_rows > 0)
        console_write_unfollowed(cursor_move(blank_rows, CURSOR_DOWN));
    console_write_unfollowed(tail.colours);
    console_write_unfollowed(tail.text);
    rows_scrolled = std::max(rows_above - last_row, 0);
    draw_answer_again();
}

void set_terminal_attribute(int attribute)
{
    current_attribute = attribute;
    console_write(colours(current_attribute));
}

int terminal_attribute()
{
    return current_attribute;
}

void take_console()
{
    std::atexit(leave_terminal);
    set_output_actions(act_on_signals, end_if_reader_gone);
    catch_signals();
    take_terminal();
}

void shape_window()
{
    const struct winsize told = measure_screen();
    if (told.ws_row != WINDOW_ROWS || told.ws_col != WINDOW_COLUMNS)
        size_to_give_back = told;
    console_write(window_size(WINDOW_ROWS, WINDOW_COLUMNS));
    set_terminal_attribute(WINDOW_ATTRIBUTE);
    clear_terminal_screen();
}

// Rows that scrolled off the top cannot be erased in place: the screen is
// drawn again without them, so that what is above them shows again.
void erase_rows_above(int rows)
{
    const int cursor_row = screen_rows().rows_since_clear() + rows;
    rows_scrolled = std::max(rows_scrolled, cursor_row - (screen_rows().height() - 1));
    if (rows_scrolled > 0 && rows > cursor_row - rows_scrolled) {
        repaint_screen();
        return;
    }
    if (rows > 0)
        console_write_unfollowed(cursor_move(rows, CURSOR_UP));
    console_write_unfollowed("\r");
    console_write_unfollowed(ERASE_TO_SCREEN_END);
}

void clear_terminal_screen()
{
    console_write(CURSOR_HOME);
    console_write(ERASE_SCREEN);
    rows_scrolled = 0;
    screen_rows().clear();
    // Not written again: what is drawn from here on starts in these colours.
    screen_rows().draw(colours(current_attribute));
}

bool pauses_by_console()
{
    return false;
}

// Never asked for: pauses_by_console() says no.
void pause_by_console()
{
}

long read_input(char* buffer, unsigned long size)
{
    for (;;) {
        // What acting on a continue drew again is shown before the wait.
        console_flush();
        if (!wait_for_input(-1))
            continue;
        const ssize_t got = read(STDIN_FILENO, buffer, size);
        const int error = errno;
        // A wait can end with keys and a signal at once: a resize that came
        // with the keys is measured before they are drawn.
        act_on_signals();
        if (got >= 0)
            return static_cast<long>(got);
        if (error != EAGAIN && error != EWOULDBLOCK && error != EINTR)
            return 0;
    }
}

void act_on_signals()
{
    if (leaving)
        return;
    Signals signals = take_signals();
    if (signals.stop && signals.termination == 0) {
        restore_terminal();
        take_default_action(SIGTSTP);
        // Continued: what came in while stopped, and the terminal to take back.
        const Signals after = take_signals();
        signals = { after.termination, false, true, signals.resized || after.resized };
    }
    if (signals.termination != 0)
        end_by_signal(signals.termination);
    if (signals.resized)
        measure_screen();
    if (signals.resumed)
        resume_terminal();
}
