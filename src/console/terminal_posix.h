// terminal_posix.h -- what the POSIX halves of the console layer ask of each other.
#pragma once

// Turns the caught signals into flags; a signal ignored when the program
// started stays ignored.
void catch_signals();

// Waits until standard input has something to read (or its end), at most
// `milliseconds` when not negative, acting on the signals that came in the
// meantime. False when the time ran out.
bool wait_for_input(int milliseconds);

// The terminal as it was before the program: its modes and colours, with the
// screen's text written out first. The program's own modes stay remembered.
void restore_terminal();

// After a stop: raw input again when a key was being read, and the program's colour.
void resume_terminal();

// Reads the terminal's width again after a resize.
void measure_screen_width();
