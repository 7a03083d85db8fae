// terminal_posix.cpp -- the bottom of the console layer on POSIX: standard
// input's and output's bytes, and whether they are terminals.
#include "console/console.h"

#include "console/console_layers.h"
#include "console/signals_posix.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

void open_missing_standard_descriptors()
{
    // open takes the lowest free descriptor, which is the missing one, as those
    // below it are open by then.
    for (int descriptor : { STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO })
        if (fcntl(descriptor, F_GETFD) == -1 && errno == EBADF)
            open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
}

bool input_is_terminal()
{
    static const bool terminal = isatty(STDIN_FILENO) == 1;
    return terminal;
}

bool output_is_terminal()
{
    static const bool terminal = isatty(STDOUT_FILENO) == 1;
    return terminal;
}

bool edits_answers()
{
    return input_is_terminal() && output_is_terminal();
}

long write_output(const char* bytes, unsigned long size)
{
    for (;;) {
        const ssize_t written = write(STDOUT_FILENO, bytes, size);
        if (written >= 0)
            return static_cast<long>(written);
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // Output left non-blocking by whoever started us: wait until it takes more.
            pollfd writable { STDOUT_FILENO, POLLOUT, 0 };
            poll(&writable, 1, -1);
        } else if (errno != EINTR) {
            return -1;
        }
    }
}

bool input_within(int milliseconds)
{
    return wait_for_input(milliseconds);
}
