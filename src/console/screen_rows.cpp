// screen_rows.cpp -- the cursor followed over every byte shown on the terminal,
// and the rows of the most recent lines.
#include "console/screen_rows.h"

#include <algorithm>
#include <array>

namespace {

constexpr char ESCAPE = '\x1b';
constexpr int TAB_STOP = 8;

// More lines than any caller erases at once.
constexpr std::size_t KEPT_LINES = 16;

enum class Escape { NONE, STARTED, CONTROL_SEQUENCE };

int width = 80;
LastColumn last_column_rule = LastColumn::WRAP_DEFERRED;

int column = 0;
bool wrap_pending = false;  // a character filled the last column; the next one starts a row
Escape escape = Escape::NONE;

int current_rows = 0;       // rows the current line has moved down since it began
bool current_begun = false; // something was drawn or echoed on the current line
bool echo_ended = false;    // the last echoed byte was a line end

std::array<int, KEPT_LINES> line_rows {}; // rows of the finished lines, a ring
std::size_t newest = 0;
std::size_t kept = 0;

void start_line()
{
    column = 0;
    wrap_pending = false;
    current_rows = 0;
    current_begun = false;
    echo_ended = false;
}

void finish_line(int rows)
{
    newest = (newest + 1) % KEPT_LINES;
    line_rows[newest] = rows;
    kept = std::min(kept + 1, KEPT_LINES);
    start_line();
}

// An answer's echo ends with its line end, but the next answer may be typed
// on the rows below before anything else is drawn (Enter alone, then the
// value): the line is finished only when the program draws again.
void settle_echo()
{
    if (echo_ended)
        finish_line(current_rows);
}

void move_down()
{
    ++current_rows;
    column = 0;
    wrap_pending = false;
}

void put_character()
{
    if (wrap_pending)
        move_down();
    current_begun = true;
    if (column < width - 1) {
        ++column;
    } else if (last_column_rule == LastColumn::WRAP_AT_ONCE) {
        move_down();
    } else {
        wrap_pending = true;
    }
}

void put_tab()
{
    if (!wrap_pending)
        column = std::min((column / TAB_STOP + 1) * TAB_STOP, width - 1);
    current_begun = true;
}

bool is_continuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

bool is_control(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7F;
}

// Escape sequences take no room: ESC and one byte, or ESC [ up to its final byte.
bool inside_escape(unsigned char byte)
{
    switch (escape) {
    case Escape::STARTED:
        escape = byte == '[' ? Escape::CONTROL_SEQUENCE : Escape::NONE;
        return true;
    case Escape::CONTROL_SEQUENCE:
        if (byte >= 0x40 && byte <= 0x7E)
            escape = Escape::NONE;
        return true;
    case Escape::NONE:
        if (byte == ESCAPE)
            escape = Escape::STARTED;
        return byte == ESCAPE;
    }
    return false;
}

void track_control(unsigned char byte)
{
    switch (byte) {
    case '\r':
        column = 0;
        wrap_pending = false;
        break;
    case '\b':
        if (wrap_pending)
            wrap_pending = false;
        else if (column > 0)
            --column;
        break;
    case '\t':
        put_tab();
        break;
    default: // the bell and the like show nothing
        break;
    }
}

}

void set_screen_width(int columns, LastColumn last_column)
{
    width = std::max(columns, 1);
    last_column_rule = last_column;
    column = std::min(column, width - 1);
}

void track_drawn(std::string_view bytes)
{
    settle_echo();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (inside_escape(byte) || is_continuation(byte))
            continue;
        if (byte == '\n')
            finish_line(current_rows + 1);
        else if (is_control(byte))
            track_control(byte);
        else
            put_character();
    }
}

void track_echoed(std::string_view bytes, bool controls_as_carets)
{
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        echo_ended = byte == '\n';
        current_begun = true;
        if (byte == '\n') {
            move_down();
        } else if (byte == '\t') {
            put_tab();
        } else if (is_control(byte)) {
            if (controls_as_carets) {
                put_character();
                put_character();
            }
        } else if (!is_continuation(byte)) {
            put_character();
        }
    }
}

void track_moved_by_others(int rows, int moved_to_column)
{
    current_rows += std::max(rows, 0);
    column = std::clamp(moved_to_column, 0, width - 1);
    wrap_pending = false;
    current_begun = true;
    echo_ended = rows > 0 && moved_to_column == 0;
}

void track_cleared_screen()
{
    kept = 0;
    escape = Escape::NONE;
    start_line();
}

int rows_up_to_recent_lines(int n)
{
    settle_echo();
    int rows = 0;
    // A line not yet ended (its answer came from text typed earlier, so no
    // line end was echoed) is the most recent one.
    if (current_begun && n > 0) {
        rows += current_rows;
        --n;
    }
    for (; n > 0 && kept > 0; --n, --kept) {
        rows += line_rows[newest];
        newest = (newest + KEPT_LINES - 1) % KEPT_LINES;
    }
    // Lines drawn before anything was followed: one row each, as the callers count.
    rows += n;
    start_line();
    return rows;
}
