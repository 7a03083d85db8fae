// console_layers.h -- what the console files give each other, the lowest
// layer first; each file calls only the layers below its own.
#pragma once

#include "console/screen_rows.h"

#include <string_view>

// 1. Each platform's standard input and output (terminal_*.cpp).

// Writes up to `size` bytes to standard output, waiting while it cannot take
// them; the count written, or -1 with errno set, EINTR when a termination
// came while it waited.
long write_output(const char* bytes, unsigned long size);

// Whether more input comes within `milliseconds`.
bool input_within(int milliseconds);

// Whether answers are typed into the program's own editor, the terminal's
// input raw (on a POSIX terminal, both ways).
bool edits_answers();

// 2. Shared: the screen's text on its way out and the rows it takes
// (console_output.cpp), with console_write and the ways out of console.h.

ScreenRows& screen_rows();

// Given once by the platform's console operations: how the signals that came
// in are acted on, done as the screen's text goes out, and what else a write
// that standard output refused with `error` calls for before the program is on
// its way out (a reader gone ends it by SIGPIPE); either may be null.
void set_output_actions(void (*act_on_signals)(), void (*act_on_refusal)(int error));

// Bytes that move the cursor within what the screen rows already hold (an
// answer being edited), which they do not follow.
void console_write_unfollowed(std::string_view bytes);

// Given by the answer reader while an answer is edited: the answer drawn
// again once the screen was, and the answer left as drawn with the cursor
// after it, on a way out.
void set_answer_drawing(void (*draw_again)(), void (*leave)());
void draw_answer_again();

// On a way out at a terminal: the answer being typed left as drawn, and the
// closing words, if any, on a row of their own.
void start_closing_row();

// 3. Each platform's console operations (console_posix.cpp, console_windows.cpp);
// those that draw are asked only where standard output is a terminal.

// Grey on black until the window is set up, bright white on black from then on.
inline constexpr int START_ATTRIBUTE = 0x07;
inline constexpr int WINDOW_ATTRIBUTE = 0x0F;

// The colours of the text written from now on, in the low eight bits.
void set_terminal_attribute(int attribute);
int terminal_attribute();

// Blanks the cursor's row and the `rows` rows above it, the cursor left at the
// start of the first of them (the screen rows have forgotten the erased lines).
void erase_rows_above(int rows);

// A blank screen, the cursor at its top left, the screen rows cleared.
void clear_terminal_screen();

// The screen since its last clear drawn again, as much of it as the screen
// holds, then the answer being edited.
void repaint_screen();

// Puts the terminal back on every way out of the program, and takes it where
// the program edits answers itself; then the window of 81 by 60, cleared.
void take_console();
void shape_window();

// Reads up to `size` bytes of standard input, waiting for them and acting on
// signals meanwhile; 0 at end of input.
long read_input(char* buffer, unsigned long size);

// Whether a pause is the console's own PAUSE, which draws its key prompt row
// itself; pause_by_console runs it.
bool pauses_by_console();
void pause_by_console();

// 4. Shared above them: colours, erasing and the window (console_common.cpp),
// then the answer reader and its line editor.
