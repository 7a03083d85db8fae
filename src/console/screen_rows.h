// screen_rows.h -- what the terminal shows since its last clear, line by line,
// and the rows each line takes at the terminal's present width.
//
// A line is what the program's callers count as one: the text up to a line
// end, where a prompt and the answer drawn after it (rows wrapped at the
// width, an empty answer before the value) make one line. Rows come from the
// lines' texts at the width of the moment, so that after a resize they count
// as a reflowing terminal shows them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Whether a character written in the last column leaves the cursor there
// until the next character (most terminals) or moves it on at once (the
// Windows console).
enum class LastColumn { WRAP_DEFERRED, WRAP_AT_ONCE };

// Where drawing leaves the cursor: its row below the line's first, and the
// columns filled before it on that row. `column` equal to the width is a full
// row whose next character starts the row below.
struct Place {
    int row = 0;
    int column = 0;
    bool begun = false; // something took room or moved the cursor down
    bool operator==(const Place&) const = default;
};

// Where drawing `bytes` from `from` leaves the cursor: printable UTF-8 (wide
// East Asian characters take 2 columns, combining marks none, a byte that
// starts no valid character 1), "\n", "\r", "\b", tabs, escape sequences (no room).
Place place_after(std::string_view bytes, int width, LastColumn last_column, Place from = {});

class ScreenRows {
public:
    void set_width(int columns, LastColumn last_column);
    int width() const { return columns; }
    void set_height(int rows) { screen_height = rows; }
    int height() const { return screen_height; }

    // Bytes the program drew.
    void draw(std::string_view bytes);
    // An answer typed on the current line, and its line end. The next answer
    // may still be typed on the row below as part of the same line (after an
    // empty one), which ends when the program draws again.
    void typed(std::string_view answer);
    // The same for what a console drew itself, its echo of a typed line or
    // its key prompt: the cursor moved `rows` rows down to `column`.
    void moved_down(int rows, int column);
    void clear();

    // The number of rows from the cursor's row up to the first row of the
    // n-th most recent line; lines drawn before the clear count one row each.
    int rows_up_to(int n) const;
    // The n most recent lines are erased: the next line starts at column 0
    // of the first row of the n-th.
    void forget(int n);
    // The cursor's row below the first row since the clear.
    int rows_since_clear() const;

    std::string_view current_line() const;
    int cursor_column() const;
    // The most recent lines that fit in `rows` rows up to the cursor's, to
    // draw them again from their start: the colours they start in, their
    // bytes and the rows from their first to the cursor's. The current line
    // comes whole even when taller.
    struct Tail {
        std::string_view colours, text;
        int rows;
    };
    Tail shown_within(int rows) const;
    // Everything drawn since the clear that is still shown, to draw it again.
    std::string_view shown() const { return drawn; }

private:
    std::string_view line(std::size_t index) const;
    int rows_of(std::size_t index) const;
    std::size_t counted_end() const;
    void drop_oldest_lines();

    int columns = 80;
    int screen_height = 24;
    LastColumn last_column_rule = LastColumn::WRAP_DEFERRED;
    std::string drawn;                         // every byte drawn since the clear and not erased
    std::vector<std::size_t> line_starts { 0 }; // where each line begins in `drawn`, the current one last
    int rows_dropped = 0;                      // rows of the oldest lines, dropped to keep `drawn` small
};
