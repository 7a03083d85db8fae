// screen_rows.cpp -- the lines shown since the last clear, and the places and
// rows their texts take at a width.
#include "console/screen_rows.h"

#include "console/ansi_escapes.h"
#include "console/key_press.h"

#include <algorithm>
#include <array>

namespace {

constexpr int TAB_STOP = 8;

// Past this many bytes since the clear, the oldest lines go: they have long
// scrolled away, and no caller erases that far back.
constexpr std::size_t MOST_KEPT_BYTES = 1 << 20;

struct Range {
    char32_t first, last;
};

// Combining marks and other characters that take no column.
constexpr std::array<Range, 22> ZERO_WIDTH { {
    { 0x0300, 0x036F }, { 0x0483, 0x0489 }, { 0x0591, 0x05BD }, { 0x0610, 0x061A }, { 0x064B, 0x065F },
    { 0x0670, 0x0670 }, { 0x06D6, 0x06DC }, { 0x0E31, 0x0E31 }, { 0x0E34, 0x0E3A }, { 0x0E47, 0x0E4E },
    { 0x1AB0, 0x1AFF }, { 0x1DC0, 0x1DFF }, { 0x200B, 0x200F }, { 0x202A, 0x202E }, { 0x2060, 0x2064 },
    { 0x20D0, 0x20FF }, { 0x302A, 0x302D }, { 0x3099, 0x309A }, { 0xFE00, 0xFE0F }, { 0xFE20, 0xFE2F },
    { 0xFEFF, 0xFEFF }, { 0xE0100, 0xE01EF },
} };

// East Asian wide and full-width characters, and the emoji blocks shown wide.
constexpr std::array<Range, 18> WIDE { {
    { 0x1100, 0x115F }, { 0x231A, 0x231B }, { 0x2329, 0x232A }, { 0x2E80, 0x303E }, { 0x3041, 0x33FF },
    { 0x3400, 0x4DBF }, { 0x4E00, 0x9FFF }, { 0xA000, 0xA4CF }, { 0xA960, 0xA97F }, { 0xAC00, 0xD7A3 },
    { 0xF900, 0xFAFF }, { 0xFE30, 0xFE4F }, { 0xFF00, 0xFF60 }, { 0xFFE0, 0xFFE6 }, { 0x1F300, 0x1F64F },
    { 0x1F900, 0x1F9FF }, { 0x20000, 0x2FFFD }, { 0x30000, 0x3FFFD },
} };

template <std::size_t N> bool in_ranges(const std::array<Range, N>& ranges, char32_t code)
{
    return std::any_of(ranges.begin(), ranges.end(), [code](Range r) { return code >= r.first && code <= r.last; });
}

char32_t decode(std::string_view character)
{
    constexpr unsigned char LEAD_BITS[] { 0, 0x7F, 0x1F, 0x0F, 0x07 };
    char32_t code = static_cast<unsigned char>(character[0]) & LEAD_BITS[character.size()];
    for (std::size_t k = 1; k < character.size(); ++k)
        code = (code << 6) | (static_cast<unsigned char>(character[k]) & 0x3Fu);
    return code;
}

// The columns of the first character; `length` receives its bytes.
int character_width(std::string_view bytes, std::size_t& length)
{
    length = std::max<std::size_t>(key_length(bytes), 1);
    if (length == 1)
        return 1;
    const char32_t code = decode(bytes.substr(0, length));
    if (in_ranges(ZERO_WIDTH, code))
        return 0;
    return in_ranges(WIDE, code) ? 2 : 1;
}

void put(Place& at, int columns, int width, LastColumn last_column)
{
    at.begun = true;
    if (columns == 0)
        return;
    if (at.column + columns > width) {
        ++at.row;
        at.column = 0;
    }
    at.column += columns;
    if (last_column == LastColumn::WRAP_AT_ONCE && at.column >= width) {
        ++at.row;
        at.column = 0;
    }
}

void put_control(Place& at, char byte, int width)
{
    switch (byte) {
    case '\n': // within a line, the end of an answer
        ++at.row;
        at.column = 0;
        at.begun = true;
        break;
    case '\r':
        at.column = 0;
        break;
    case '\b': // in the last column it only cancels the wrap to come
        at.column = at.column >= width ? width - 1 : std::max(at.column - 1, 0);
        break;
    case '\t':
        if (at.column < width)
            at.column = std::min((at.column / TAB_STOP + 1) * TAB_STOP, width - 1);
        at.begun = true;
        break;
    default: // the bell and the like show nothing
        break;
    }
}

// An escape sequence cut short by the end of the bytes takes all of them.
std::size_t escape_length(std::string_view bytes)
{
    const std::size_t length = key_length(bytes);
    return length == 0 ? bytes.size() : length;
}

// The last colour setting in `bytes`, which what follows them is drawn in.
std::string_view last_colours(std::string_view bytes)
{
    std::string_view last;
    for (std::size_t at = bytes.find(ESCAPE); at != std::string_view::npos; at = bytes.find(ESCAPE, at + 1)) {
        const std::string_view sequence = bytes.substr(at, escape_length(bytes.substr(at)));
        if (sequence.back() == SELECT_COLOURS)
            last = sequence;
    }
    return last;
}

}

Place place_after(std::string_view bytes, int width, LastColumn last_column, Place at)
{
    for (std::size_t k = 0; k < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[k]);
        std::size_t length = 1;
        if (byte == ESCAPE)
            length = escape_length(bytes.substr(k));
        else if (is_control(byte))
            put_control(at, bytes[k], width);
        else
            put(at, character_width(bytes.substr(k), length), width, last_column);
        k += length;
    }
    return at;
}

void ScreenRows::set_width(int new_columns, LastColumn last_column)
{
    columns = std::max(new_columns, 2);
    last_column_rule = last_column;
}

void ScreenRows::draw(std::string_view bytes)
{
    if (!current_line().empty() && current_line().back() == '\n')
        line_starts.push_back(drawn.size());
    for (std::size_t end = bytes.find('\n'); end != std::string_view::npos; end = bytes.find('\n')) {
        drawn.append(bytes.substr(0, end + 1));
        line_starts.push_back(drawn.size());
        bytes.remove_prefix(end + 1);
    }
    drawn.append(bytes);
    if (drawn.size() > MOST_KEPT_BYTES)
        drop_oldest_lines();
}

void ScreenRows::typed(std::string_view answer)
{
    drawn.append(answer).push_back('\n');
}

void ScreenRows::moved_down(int rows, int column)
{
    drawn.append(rows > 0 ? std::string(static_cast<std::size_t>(rows), '\n') : "\r");
    drawn.append(static_cast<std::size_t>(std::clamp(column, 0, columns - 1)), ' ');
}

void ScreenRows::clear()
{
    drawn.clear();
    line_starts = { 0 };
    rows_dropped = 0;
}

std::string_view ScreenRows::line(std::size_t index) const
{
    const std::size_t end = index + 1 < line_starts.size() ? line_starts[index + 1] : drawn.size();
    return std::string_view(drawn).substr(line_starts[index], end - line_starts[index]);
}

int ScreenRows::rows_of(std::size_t index) const
{
    return place_after(line(index), columns, last_column_rule).row;
}

// The index past the newest line an erase counts: the current one when something is on it.
std::size_t ScreenRows::counted_end() const
{
    const bool current_begun = place_after(current_line(), columns, last_column_rule).begun;
    return line_starts.size() - (current_begun ? 0 : 1);
}

int ScreenRows::rows_up_to(int n) const
{
    const std::size_t end = counted_end();
    const std::size_t kept = std::min(static_cast<std::size_t>(n), end);
    int rows = n - static_cast<int>(kept);
    for (std::size_t k = end - kept; k < end; ++k)
        rows += rows_of(k);
    return rows;
}

void ScreenRows::forget(int n)
{
    const std::size_t end = counted_end();
    const std::size_t first = end - std::min(static_cast<std::size_t>(n), end);
    drawn.resize(line_starts[first]);
    line_starts.resize(first + 1);
}

int ScreenRows::rows_since_clear() const
{
    int rows = rows_dropped;
    for (std::size_t k = 0; k < line_starts.size(); ++k)
        rows += rows_of(k);
    return rows;
}

std::string_view ScreenRows::current_line() const
{
    return line(line_starts.size() - 1);
}

int ScreenRows::cursor_column() const
{
    return place_after(current_line(), columns, last_column_rule).column;
}

ScreenRows::Tail ScreenRows::shown_within(int rows) const
{
    std::size_t first = line_starts.size() - 1;
    int taken = rows_of(first);
    while (first > 0 && taken + rows_of(first - 1) <= rows)
        taken += rows_of(--first);
    const std::string_view before = std::string_view(drawn).substr(0, line_starts[first]);
    return { last_colours(before), std::string_view(drawn).substr(line_starts[first]), taken };
}

void ScreenRows::drop_oldest_lines()
{
    const auto first_kept = std::upper_bound(line_starts.begin(), line_starts.end() - 1, drawn.size() / 2);
    const std::size_t dropped = *(first_kept - 1);
    rows_dropped += place_after(std::string_view(drawn).substr(0, dropped), columns, last_column_rule).row;
    drawn.erase(0, dropped);
    line_starts.erase(line_starts.begin(), first_kept - 1);
    for (std::size_t& start : line_starts)
        start -= dropped;
}
