// signals_posix.cpp -- signals turned into flags, and the waits that look at
// them: a termination, Ctrl-Z, a continue and a resize.
#include "console/signals_posix.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <poll.h>
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

void note_nothing(int)
{
}

struct Caught {
    int signal_number;
    void (*note)(int);
};

// A closed pipe and a file size limit fail the write that meets them, which
// the writer handles; ending by SIGPIPE waits until the export is saved.
constexpr std::array<Caught, 5> CAUGHT { {
    { SIGTSTP, note_stop },
    { SIGCONT, note_continue },
    { SIGWINCH, note_resize },
    { SIGPIPE, note_nothing },
    { SIGXFSZ, note_nothing },
} };

// Every asynchronous signal whose default ends the process, the real-time
// ones besides, ends the program the same way: export saved, terminal back.
constexpr int TERMINATIONS[] {
    SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU,
#if SUBNETTER_HAVE_SYSTEM_V_SIGNALS
    SIGIO, SIGPWR,
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
#endif
};

// The caught signals, blocked but for the waits themselves, so that none comes
// between looking at the flags and starting to wait.
sigset_t caught_set;

bool any_flag()
{
    return termination_signal != 0 || stop_requested != 0 || continued != 0 || width_changed != 0;
}

// Restarting interrupted calls keeps writes whole; the waits are never restarted.
void set_catcher(int signal_number, void (*note)(int))
{
    struct sigaction action {};
    action.sa_handler = note;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(signal_number, &action, nullptr);
}

void catch_unless_ignored(int signal_number, void (*note)(int))
{
    struct sigaction current {};
    if (sigaction(signal_number, nullptr, &current) != 0 || current.sa_handler == SIG_IGN)
        return;
    set_catcher(signal_number, note);
    sigaddset(&caught_set, signal_number);
}

// Waits for `watched` with the signal mask `during` in force only meanwhile.
int wait_with_mask(pollfd& watched, const timespec* limit, const sigset_t* during)
{
#if SUBNETTER_HAVE_PPOLL
    return ppoll(&watched, 1, limit, during);
#else
    // Only writability is waited for here; the program's descriptors are few
    // and low, within what an fd_set holds.
    fd_set writable;
    FD_ZERO(&writable);
    if (watched.fd >= 0)
        FD_SET(watched.fd, &writable);
    return pselect(watched.fd + 1, nullptr, &writable, nullptr, limit, during);
#endif
}

timespec as_timespec(int milliseconds)
{
    return { milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L };
}

// Waits until `descriptor` is ready for `events` or reports a failure (a
// negative descriptor never is), at most `limit` when given, with the caught
// signals let in only meanwhile. Once a termination is pending it only looks:
// what is not ready at once is not waited for.
bool wait_for_descriptor(int descriptor, short events, const timespec* limit)
{
    pollfd watched { descriptor, events, 0 };
    // Ready at once, as a pipe whose reader keeps up mostly is: no signal can
    // be missed by a wait that does not happen.
    if (poll(&watched, 1, 0) > 0)
        return true;
    sigset_t outside;
    sigprocmask(SIG_BLOCK, &caught_set, &outside);
    constexpr timespec NO_TIME {};
    int ready = 0;
    do
        ready = wait_with_mask(watched, termination_signal != 0 ? &NO_TIME : limit, &outside);
    while (ready < 0 && errno == EINTR && termination_signal == 0);
    const int error = errno;
    sigprocmask(SIG_SETMASK, &outside, nullptr);
    // Any failure but an interruption is left for the write to report.
    return ready > 0 || (ready < 0 && error != EINTR);
}

}

void catch_signals()
{
    sigemptyset(&caught_set);
    for (const Caught& caught : CAUGHT)
        catch_unless_ignored(caught.signal_number, caught.note);
    for (int signal_number : TERMINATIONS)
        catch_unless_ignored(signal_number, note_termination);
#if SUBNETTER_HAVE_REALTIME_SIGNALS
    for (int signal_number = SIGRTMIN; signal_number <= SIGRTMAX; ++signal_number)
        catch_unless_ignored(signal_number, note_termination);
#endif
}

bool ends_by_broken_pipe()
{
    return sigismember(&caught_set, SIGPIPE) == 1;
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

bool wait_until_writable(int descriptor)
{
    return wait_for_descriptor(descriptor, POLLOUT, nullptr);
}

void sleep_watching_signals(int milliseconds)
{
    const timespec limit = as_timespec(milliseconds);
    wait_for_descriptor(-1, 0, &limit);
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
