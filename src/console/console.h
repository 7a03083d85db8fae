// console.h -- colours, in-place erasing, screen clearing and the ways out.
//
// Every byte the program shows goes through this layer, so that a terminal
// gets its escape sequences and a pipe or file gets plain text.
#pragma once

#include <string_view>

// Colours in the Windows console numbering; an attribute holds the foreground
// in bits 0-3 and the background in bits 4-7.
inline constexpr int COLOR_GREY = 7;
inline constexpr int COLOR_GREEN = 10;
inline constexpr int COLOR_RED = 12;
inline constexpr int COLOR_WHITE = 15;

// Opens the null device on whichever of standard input, output and error is
// closed, before anything else, so that no file the program opens takes its
// descriptor and receives the screen's text.
void open_missing_standard_descriptors();

// Prepares the console once at start: window of 81 by 60, bright white on
// black over a cleared screen. Registers the restoring of the terminal for
// every way out of the program.
void setup_window();

// The screen's text is kept in a large block and written when the block is
// full, before every wait for input and at the end. When standard output is
// not a terminal and refuses the text, the program saves the export, says so
// on standard error and ends with status 1; when its reader went away and
// SIGPIPE was at its default, it ends by SIGPIPE instead, saying nothing.
void console_write(std::string_view text);
void console_write_int(int value);
void console_flush();

int getcolors();
void setfgcolor(int colour);

// Erases the n rows above the cursor and leaves it at the first of them.
void ClearLines(int n);

void ClearScreen();

// Set once at start: what every unplanned way out (end of input, "Error!!!",
// a termination signal) does first, such as saving an open export file. It
// returns the exit status the run has earned, 0 or 1.
void set_way_out(int (*save_open_work)());
int save_on_way_out();

// Ends the program: what is open is saved, buffered output written, and the
// terminal put back as it was. The status is 0, or 1 when something the run
// wrote could not be saved.
[[noreturn]] void end_program();

// Tells on standard error, for a script that reads no screen, that standard
// output refused the program's text, and why.
void tell_output_refused(int error);

// Called by end_program with the status just before the process exits. A test
// that runs the program's code in its own process sets one that throws, so
// that the end of its input or "Error!!!" comes back to it as an exception.
void set_program_end(void (*before_exit)(int status));

// Acts on the signals that came in since the last wait: a termination saves
// what was written and ends the program by the same signal, a stop (Ctrl-Z)
// puts the terminal back until the program is continued, and after any
// continue the terminal is made the program's again. Every wait for input
// and every write of the screen's block does this; long work between them
// calls it from time to time.
void act_on_signals();

// Whether standard input and output are terminals (keys come one at a time;
// colours and cursor moves are understood), asked once.
bool input_is_terminal();
bool output_is_terminal();
