// screen_rows.h -- how many rows each recent line took on the terminal, so that
// erasing removes exactly what was drawn.
//
// A line is what the program's callers count as one: the text up to a line
// end, where a prompt and everything echoed for its answer (empty lines before
// it, a value spread over two lines, rows wrapped at the width) make one line.
#pragma once

#include <string_view>

// Whether a character written in the last column leaves the cursor there
// until the next character (most terminals) or moves it on at once (the
// Windows console).
enum class LastColumn { WRAP_DEFERRED, WRAP_AT_ONCE };

void set_screen_width(int columns, LastColumn last_column);

// Bytes the program drew: printable characters, UTF-8 continuation bytes (no
// room), "\n", "\r", "\b", tabs, and escape sequences (no room).
void track_drawn(std::string_view bytes);

// Bytes the terminal echoed as they were typed; control characters show as
// two, ^ and a letter, when `controls_as_carets`.
void track_echoed(std::string_view bytes, bool controls_as_carets);

// The cursor moved `rows` rows down to `column` by something the program did
// not draw itself: a console's echo or its key prompt.
void track_moved_by_others(int rows, int column);

void track_cleared_screen();

// The number of rows from the cursor's row up to the first row of the n-th
// most recent line. Those lines are forgotten: the caller erases them and
// starts the next line at column 0 of that first row.
int rows_up_to_recent_lines(int n);
