// console_platform.h -- what the shared parts of the console layer (the
// writing and the answer reader) and each platform's part ask of each other.
#pragma once

#include "console/screen_rows.h"

#include <string_view>

// Given by each platform: the low eight bits of `attribute` become the colours
// of the text written from now on.
void set_attribute(int attribute);

// Given by each platform: writes up to `size` bytes to standard output,
// waiting while it cannot take them; the count written, or -1 with errno set.
long write_output(const char* bytes, unsigned long size);

// Given by each platform: reads up to `size` bytes of standard input, waiting
// for them and acting on signals meanwhile; 0 at end of input.
long read_input(char* buffer, unsigned long size);

// Given by each platform: whether more input comes within `milliseconds`.
bool input_within(int milliseconds);

// Given by each platform: whether answers are typed into the program's own
// editor, the terminal's input raw (on a POSIX terminal, both ways).
bool edits_answers();

// Given by each platform: whether a pause is the console's own PAUSE, which
// draws its key prompt row itself; pause_by_console runs it.
bool pauses_by_console();
void pause_by_console();

// Given by the shared half: the rows of what the terminal shows.
ScreenRows& screen_rows();

// Given by the shared half: bytes that move the cursor within what the
// screen rows already hold (an answer being edited), which they do not follow.
void console_write_unfollowed(std::string_view bytes);

// Given by each platform, for a terminal: blanks the cursor's row and the
// `rows` rows above it, the cursor left at the start of the first of them
// (the screen rows have forgotten the erased lines).
void erase_rows_above(int rows);

// Given by each platform, for a terminal: a blank screen, the cursor at its top left.
void clear_terminal_screen();
