// console_posix.cpp -- the console layer on a POSIX terminal: ANSI escapes in
// place of the Windows console calls, raw input around each key read.
#include "console/console.h"

#include "console/ansi_escapes.h"
#include "console/console_platform.h"
#include "console/key_press.h"
#include "console/screen_rows.h"
#include "console/terminal_posix.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Windows colour numbers 0..15 as ANSI foreground and background codes.
constexpr std::array<int, 16> ANSI_FOREGROUND { 30, 34, 32, 36, 31, 35, 33, 37, 90, 94, 92, 96, 91, 95, 93, 97 };
constexpr std::array<int, 16> ANSI_BACKGROUND { 40, 44, 42, 46, 41, 45, 43, 47, 100, 104, 102, 106, 101, 105, 103, 107 };

constexpr int START_ATTRIBUTE = 0x07;
constexpr int WINDOW_ATTRIBUTE = 0x0F;

// The bytes of one key arrive together; a lone ESC is told from the start of
// a sequence by nothing following it within this time.
constexpr int KEY_REST_MILLISECONDS = 100;

int current_attribute = START_ATTRIBUTE;

struct termios original_input_mode;
bool raw_input_active = false;
bool restore_registered = false;

// Bytes read in raw mode beyond the key taken: the next keys, held down or
// typed quickly, for the next pauses.
std::array<char, 64> pending_keys;
std::size_t pending_length = 0;

void write_cursor_move(int count, char direction)
{
    console_write(CSI);
    console_write_int(count);
    console_write(std::string_view(&direction, 1));
}

void write_colours(int attribute)
{
    console_write(CSI);
    console_write_int(ANSI_FOREGROUND[static_cast<std::size_t>(attribute & 15)]);
    console_write(";");
    console_write_int(ANSI_BACKGROUND[static_cast<std::size_t>(attribute >> 4)]);
    console_write(std::string_view(&SELECT_COLOURS, 1));
}

void apply_raw_input()
{
    struct termios raw = original_input_mode;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
}

void start_raw_input()
{
    if (tcgetattr(STDIN_FILENO, &original_input_mode) != 0)
        return;
    raw_input_active = true;
    apply_raw_input();
}

void end_raw_input()
{
    if (!raw_input_active)
        return;
    tcsetattr(STDIN_FILENO, TCSANOW, &original_input_mode);
    raw_input_active = false;
}

void register_restore()
{
    if (restore_registered)
        return;
    restore_registered = true;
    std::atexit(restore_terminal);
    catch_signals();
}

// Reads what standard input has, waiting for it; 0 at its end or on a failure.
long read_waiting(char* buffer, std::size_t size)
{
    for (;;) {
        wait_for_input(-1);
        const ssize_t got = read(STDIN_FILENO, buffer, size);
        if (got >= 0)
            return static_cast<long>(got);
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return 0;
    }
}

// What a terminal in line mode showed of the line it handed over.
void track_echo(std::string_view line)
{
    struct termios mode;
    if (!output_is_terminal() || tcgetattr(STDIN_FILENO, &mode) != 0 || (mode.c_lflag & ECHO) == 0)
        return;
    track_echoed(line, (mode.c_lflag & ECHOCTL) != 0);
}

void drop_pending_keys(std::size_t count)
{
    std::copy(pending_keys.begin() + static_cast<long>(count), pending_keys.begin() + static_cast<long>(pending_length),
        pending_keys.begin());
    pending_length -= count;
}

// Bytes that make no whole key, with nothing more to come, are one key.
bool take_pending_bytes()
{
    const bool any = pending_length != 0;
    pending_length = 0;
    return any;
}

// Takes one key press, all of its bytes; false at end of input.
bool take_key()
{
    for (;;) {
        const std::size_t length = key_length({ pending_keys.data(), pending_length });
        if (length != 0) {
            drop_pending_keys(length);
            return true;
        }
        const bool key_begun = pending_length != 0;
        if (key_begun && (pending_length == pending_keys.size() || !wait_for_input(KEY_REST_MILLISECONDS)))
            return take_pending_bytes();
        const long got = read_waiting(pending_keys.data() + pending_length, pending_keys.size() - pending_length);
        if (got == 0)
            return take_pending_bytes();
        pending_length += static_cast<std::size_t>(got);
    }
}

// Keys typed ahead are read while input is still raw, so that none of them
// reaches the next question as a line nobody saw typed; they wait for the
// next pauses. What does not fit is a paste, not keys, and is dropped.
void keep_keys_typed_ahead()
{
    std::array<char, 256> dropped;
    while (wait_for_input(0)) {
        const std::size_t room = pending_keys.size() - pending_length;
        const ssize_t got = room != 0 ? read(STDIN_FILENO, pending_keys.data() + pending_length, room)
                                      : read(STDIN_FILENO, dropped.data(), dropped.size());
        if (got <= 0)
            return;
        if (room != 0)
            pending_length += static_cast<std::size_t>(got);
    }
}

}

void set_attribute(int attribute)
{
    current_attribute = attribute & 0xFF;
    if (output_is_terminal())
        write_colours(current_attribute);
}

void open_missing_standard_descriptors()
{
    // open takes the lowest free descriptor, which is the missing one, as those
    // below it are open by then.
    for (int descriptor : { STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO })
        if (fcntl(descriptor, F_GETFD) == -1 && errno == EBADF)
            open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
}

void setup_window()
{
    register_restore();
    if (output_is_terminal()) {
        measure_screen_width();
        console_write(WINDOW_81_BY_60);
    }
    set_attribute(WINDOW_ATTRIBUTE);
    if (output_is_terminal())
        ClearScreen();
}

int getcolors()
{
    return current_attribute;
}

void ClearLines(int n)
{
    if (!output_is_terminal()) {
        write_erase_lines(n);
        return;
    }
    const int rows = rows_up_to_recent_lines(n);
    if (rows > 0)
        write_cursor_move(rows, CURSOR_UP);
    console_write("\r");
    console_write(ERASE_TO_SCREEN_END);
}

void cursor_reposition(int up, int right)
{
    if (!output_is_terminal())
        return;
    if (up != 0)
        write_cursor_move(up > 0 ? up : -up, up > 0 ? CURSOR_UP : CURSOR_DOWN);
    if (right != 0)
        write_cursor_move(right > 0 ? right : -right, right > 0 ? CURSOR_FORWARD : CURSOR_BACK);
}

void SystemPause()
{
    pause_with_own_prompt();
}

void ClearScreen()
{
    if (!output_is_terminal()) {
        console_write("\f");
        return;
    }
    console_write(CURSOR_HOME);
    console_write(ERASE_SCREEN);
    track_cleared_screen();
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

bool reads_single_keys()
{
    return input_is_terminal();
}

bool read_key()
{
    console_flush();
    start_raw_input();
    const bool got = take_key();
    keep_keys_typed_ahead();
    end_raw_input();
    return got;
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

// Keys left over from the pauses were typed for them, not for a question.
long read_input(char* buffer, unsigned long size)
{
    pending_length = 0;
    const long got = read_waiting(buffer, size);
    if (got > 0 && input_is_terminal())
        track_echo({ buffer, static_cast<std::size_t>(got) });
    return got;
}

void restore_terminal()
{
    console_flush();
    if (raw_input_active)
        tcsetattr(STDIN_FILENO, TCSANOW, &original_input_mode);
    if (output_is_terminal()) {
        console_write(COLOURS_RESET);
        console_flush();
    }
}

void resume_terminal()
{
    if (raw_input_active)
        apply_raw_input();
    set_attribute(current_attribute);
    console_flush();
}

void measure_screen_width()
{
    struct winsize size {};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        set_screen_width(size.ws_col, LastColumn::WRAP_DEFERRED);
}
