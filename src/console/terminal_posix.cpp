// terminal_posix.cpp -- the bottom of the console layer on POSIX: standard
// input's and output's bytes, and whether they are terminals.
#include "console/console.h"

#include "console/console_layers.h"
#include "console/signals_posix.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A file on a disk and a device that is not a terminal (such as /dev/null)
// never keep a write waiting; a pipe, a terminal or a socket may.
enum class OutputKind { NEVER_WAITS, PIPE, OTHER };

OutputKind output_kind()
{
    struct stat status {};
    if (fstat(STDOUT_FILENO, &status) != 0)
        return OutputKind::OTHER;
    if (S_ISREG(status.st_mode) || S_ISBLK(status.st_mode) || (S_ISCHR(status.st_mode) && !output_is_terminal()))
        return OutputKind::NEVER_WAITS;
    return S_ISFIFO(status.st_mode) ? OutputKind::PIPE : OutputKind::OTHER;
}

#if SUBNETTER_HAVE_PIPE_SIZE
// What a pipe takes without making the writer wait: its pages that the bytes
// not yet read cannot be in, counting them as if each page held only half a
// page of them (writes of uneven sizes leave pages partly filled), less two
// for the partly read first page and the partly filled last one. At least
// PIPE_BUF, which a wait for room always lets through whole.
std::size_t pipe_room()
{
    static const long page = sysconf(_SC_PAGESIZE);
    const int capacity = fcntl(STDOUT_FILENO, F_GETPIPE_SZ);
    int unread = 0;
    if (page <= 0 || capacity <= 0 || ioctl(STDOUT_FILENO, FIONREAD, &unread) != 0)
        return PIPE_BUF;
    const long free_pages = capacity / page - 2 * ((unread + page - 1) / page) - 2;
    return free_pages > 0 ? std::max<std::size_t>(static_cast<std::size_t>(free_pages * page), PIPE_BUF) : PIPE_BUF;
}
#else
// Where a pipe cannot be asked its size, PIPE_BUF bytes, which a wait for room
// always lets through whole.
std::size_t pipe_room()
{
    return PIPE_BUF;
}
#endif

}

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

// What may keep a write waiting is written only once it takes more, and no
// more than it takes then: what a pipe has room for, PIPE_BUF bytes on a
// terminal or socket; so a signal is seen while it takes nothing.
long write_output(const char* bytes, unsigned long size)
{
    static const OutputKind kind = output_kind();
    for (;;) {
        if (kind != OutputKind::NEVER_WAITS && !wait_until_writable(STDOUT_FILENO)) {
            errno = EINTR;
            return -1;
        }
        const std::size_t most = kind == OutputKind::NEVER_WAITS ? size : kind == OutputKind::PIPE ? pipe_room() : PIPE_BUF;
        const ssize_t written = write(STDOUT_FILENO, bytes, std::min<std::size_t>(size, most));
        if (written >= 0)
            return static_cast<long>(written);
        // Output left non-blocking by whoever started us is waited for too.
        if (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)
            return -1;
    }
}

bool input_within(int milliseconds)
{
    return wait_for_input(milliseconds);
}
