// signals_posix.cpp -- signals turned into flags, and the one wait for input
// that looks at them: a termination, Ctrl-Z, a continue and a resize.
#include "console/signals_posix.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/select.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t termination_signal = 0;
volatile std::sig_atomic_t stop_requested = 0;
volatile std::sig_atomic_t continued = 0;
volatile std::sig_atomic_t width_changed = 0;

void note_termination(int signal_number)
{
    termination_signal = signal_number;
}

void note_stop(int)
{
    stop_requested = 1;
}

void note_continue(int)
{
    continued = 1;
}

void note_resize(int)
{
    width_changed = 1;
}

struct Caught {
    int signal_number;
    void (*note)(int);
};

constexpr std::array<Caught, 7> CAUGHT { {
    { SIGINT, note_termination },
    { SIGTERM, note_termination },
    { SIGHUP, note_termination },
    { SIGQUIT, note_termination },
    { SIGTSTP, note_stop },
    { SIGCONT, note_continue },
    { SIGWINCH, note_resize },
} };

// The caught signals, blocked but for the wait itself, so that none comes
// between looking at the flags and starting to wait.
sigset_t caught_set;

bool any_flag()
{
    return termination_signal != 0 || stop_requested != 0 || continued != 0 || width_changed != 0;
}

// Restarting interrupted calls keeps writes whole; the wait is never restarted.
void set_catcher(int signal_number, void (*note)(int))
{
    struct sigaction action {};
    action.sa_handler = note;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(signal_number, &action, nullptr);
}

timespec as_timespec(int milliseconds)
{
    return { milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L };
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
        set_catcher(caught.signal_number, caught.note);
        sigaddset(&caught_set, caught.signal_number);
    }
}

Signals take_signals()
{
    Signals taken { termination_signal, stop_requested != 0, continued != 0, width_changed != 0 };
    stop_requested = 0;
    continued = 0;
    width_changed = 0;
    return taken;
}

bool wait_for_input(int milliseconds)
{
    sigset_t outside;
    sigprocmask(SIG_BLOCK, &caught_set, &outside);
    if (any_flag()) {
        sigprocmask(SIG_SETMASK, &outside, nullptr);
        return false;
    }
    fd_set input;
    FD_ZERO(&input);
    FD_SET(STDIN_FILENO, &input);
    const timespec limit = as_timespec(milliseconds);
    const int ready = pselect(STDIN_FILENO + 1, &input, nullptr, nullptr, milliseconds < 0 ? nullptr : &limit, &outside);
    const int error = errno;
    sigprocmask(SIG_SETMASK, &outside, nullptr);
    // Any failure but an interruption is left for the read to report.
    return ready > 0 || (ready < 0 && error != EINTR);
}

void take_default_action(int signal_number)
{
    const auto note = signal_number == SIGTSTP ? note_stop : note_termination;
    std::signal(signal_number, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal_number);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    std::raise(signal_number);
    set_catcher(signal_number, note);
}
