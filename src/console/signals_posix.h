// signals_posix.h -- signals kept as flags, and the waits that none of them
// can slip past. Acting on them is left to the console layer above.
#pragma once

// The signals that came in since they were last taken; 0 or false for none.
struct Signals {
    int termination = 0; // the number of a signal that ends the program
    bool stop = false;   // Ctrl-Z
    bool resumed = false; // continued after a stop, whoever stopped the program
    bool resized = false; // the window's size changed
};

// Turns the caught signals into flags: every one whose default ends the
// process, Ctrl-Z, a continue and a resize; SIGPIPE and SIGXFSZ only fail the
// write that meets them. A signal ignored when the program started stays ignored.
void catch_signals();

// Whether SIGPIPE was at its default when the program started, so that a
// reader gone should end the program by it.
bool ends_by_broken_pipe();

// The flags set since the last call, cleared.
Signals take_signals();

// Waits until standard input has something to read (or its end), at most
// `milliseconds` when not negative. Returns early, false, when a signal came
// in (take_signals tells which) or the time ran out.
bool wait_for_input(int milliseconds);

// Waits until `descriptor` takes more bytes (or reports a failure); false
// once a termination came and it takes nothing at once.
bool wait_until_writable(int descriptor);

// Waits `milliseconds`, less when a termination comes meanwhile.
void sleep_watching_signals(int milliseconds);

// The default action of `signal_number` taken now: a stop returns once the
// program is continued; a termination does not return.
void take_default_action(int signal_number);
