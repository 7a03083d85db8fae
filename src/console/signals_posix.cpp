// signals_posix.cpp -- signals turned into flags that the main path acts on:
// a termination keeps what was written and ends by the same signal, Ctrl-Z
// stops with the terminal as it was, a resize has the width read again.
#include "console/console.h"
#include "console/terminal_posix.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <sys/select.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t termination_signal = 0;
volatile std::sig_atomic_t stop_requested = 0;
volatile std::sig_atomic_t width_changed = 0;

void note_termination(int signal_number)
{
    termination_signal = signal_number;
}

void note_stop(int)
{
    stop_requested = 1;
}

void note_resize(int)
{
    width_changed = 1;
}

struct Caught {
    int signal_number;
    void (*note)(int);
};

constexpr Caught STOP { SIGTSTP, note_stop };

constexpr std::array<Caught, 6> CAUGHT { {
    { SIGINT, note_termination },
    { SIGTERM, note_termination },
    { SIGHUP, note_termination },
    { SIGQUIT, note_termination },
    STOP,
    { SIGWINCH, note_resize },
} };

// The caught signals, blocked but for the wait itself, so that none comes
// between looking at the flags and starting to wait.
sigset_t caught_set;

bool any_flag()
{
    return termination_signal != 0 || stop_requested != 0 || width_changed != 0;
}

// Restarting interrupted calls keeps writes whole; the wait is never restarted.
void set_catcher(const Caught& caught)
{
    struct sigaction action {};
    action.sa_handler = caught.note;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(caught.signal_number, &action, nullptr);
}

void raise_unblocked(int signal_number)
{
    std::signal(signal_number, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal_number);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    std::raise(signal_number);
}

[[noreturn]] void end_by_signal(int signal_number)
{
    save_on_way_out();
    restore_terminal();
    raise_unblocked(signal_number);
    // Only a signal that does not end a process by default gets here.
    std::_Exit(128 + signal_number);
}

// The default action of SIGTSTP stops the program inside raise; it returns once continued.
void stop_until_continued()
{
    restore_terminal();
    raise_unblocked(SIGTSTP);
    set_catcher(STOP);
    resume_terminal();
}

timespec as_timespec(int milliseconds)
{
    return { milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L };
}

}

void act_on_signals()
{
    if (termination_signal != 0)
        end_by_signal(termination_signal);
    if (stop_requested != 0) {
        stop_requested = 0;
        stop_until_continued();
    }
    if (width_changed != 0) {
        width_changed = 0;
        measure_screen_width();
    }
}

void catch_signals()
{
    sigemptyset(&caught_set);
    for (const Caught& caught : CAUGHT) {
        struct sigaction current {};
        sigaction(caught.signal_number, nullptr, &current);
        if (current.sa_handler == SIG_IGN)
            continue;
        set_catcher(caught);
        sigaddset(&caught_set, caught.signal_number);
    }
}

bool wait_for_input(int milliseconds)
{
    const timespec limit = as_timespec(milliseconds);
    for (;;) {
        act_on_signals();
        sigset_t outside;
        sigprocmask(SIG_BLOCK, &caught_set, &outside);
        if (any_flag()) {
            sigprocmask(SIG_SETMASK, &outside, nullptr);
            continue;
        }
        fd_set input;
        FD_ZERO(&input);
        FD_SET(STDIN_FILENO, &input);
        const int ready = pselect(STDIN_FILENO + 1, &input, nullptr, nullptr, milliseconds < 0 ? nullptr : &limit, &outside);
        const int error = errno;
        sigprocmask(SIG_SETMASK, &outside, nullptr);
        // Interrupted, the flags are acted on above; any other failure is left
        // for the read to report.
        if (ready >= 0 || error != EINTR)
            return ready != 0;
    }
}
