// signals_posix.h -- signals kept as flags, and the wait for input that none
// of them can slip past. Acting on them is left to the console layer above.
#pragma once

// The signals that came in since they were last taken; 0 or false for none.
struct Signals {
    int termination = 0; // the number of a signal that ends the program
    bool stop = false;   // Ctrl-Z
    bool resumed = false; // continued after a stop, whoever stopped the program
    bool resized = false; // the window's size changed
};

// Turns the caught signals into flags; a signal ignored when the program
// started stays ignored.
void catch_signals();

// The flags set since the last call, cleared.
Signals take_signals();

// Waits until standard input has something to read (or its end), at most
// `milliseconds` when not negative. Returns early, false, when a signal came
// in (take_signals tells which) or the time ran out.
bool wait_for_input(int milliseconds);

// The default action of `signal_number` taken now: a stop returns once the
// program is continued; a termination does not return.
void take_default_action(int signal_number);
