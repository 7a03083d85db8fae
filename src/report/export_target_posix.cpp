// export_target_posix.cpp -- the export file's file operations on a POSIX
// system; a device or FIFO under the name is written where it is, waiting
// while it takes nothing with the signals seen meanwhile.
#include "report/export_target_platform.h"

#include "console/console.h"
#include "console/signals_posix.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#if SUBNETTER_HAVE_LIBBSD
#include <bsd/stdio.h>
#endif

namespace {

// A FIFO without a reader is tried again after this long, so that a signal
// meanwhile is acted on.
constexpr int READER_WAIT_MILLISECONDS = 50;

// As many links as the system follows in one name at most (Linux's 40).
constexpr int MOST_LINKS_FOLLOWED = 40;

// Non-blocking, so that neither the open (a FIFO waits for its reader) nor a
// write can keep a signal waiting.
int open_named(const char* name)
{
    for (;;) {
        const int descriptor = open(name, O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != ENXIO)
            return descriptor;
        sleep_watching_signals(READER_WAIT_MILLISECONDS);
        act_on_signals();
    }
}

int descriptor_of(void* cookie)
{
    return static_cast<int>(reinterpret_cast<std::intptr_t>(cookie));
}

bool is_pipe(int descriptor)
{
    struct stat status {};
    return fstat(descriptor, &status) == 0 && (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode));
}

// A pipe gets whole lines, at most PIPE_BUF bytes at a time, which it takes
// whole or not at all: its reader never meets a cut line, even when a signal
// ends the program while the pipe is full.
std::size_t piece_length(bool pipe, const char* bytes, std::size_t size)
{
    if (!pipe || size <= PIPE_BUF)
        return size;
    for (std::size_t length = PIPE_BUF; length > 0; --length)
        if (bytes[length - 1] == '\n')
            return length;
    return PIPE_BUF;
}

// Why a write to the named file fell short, told again by the stream's close:
// musl's stream takes a short count for no failure at all, where glibc's and
// the BSDs' mark the stream failed.
int short_write_error = 0;

// The stream's writes to the named file: each waits while the file takes
// nothing, and fails (EINTR) once a termination came.
ssize_t write_waiting(void* cookie, const char* bytes, std::size_t size)
{
    const int descriptor = descriptor_of(cookie);
    const bool pipe = is_pipe(descriptor);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t written = write(descriptor, bytes + done, piece_length(pipe, bytes + done, size - done));
        if (written > 0) {
            done += static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            break;
        if (!wait_until_writable(descriptor)) {
            errno = EINTR;
            break;
        }
    }
    if (done < size && short_write_error == 0)
        short_write_error = errno;
    return static_cast<ssize_t>(done);
}

int close_descriptor(void* cookie)
{
    const int closed = close(descriptor_of(cookie));
    if (short_write_error == 0)
        return closed;
    errno = std::exchange(short_write_error, 0);
    return -1;
}

#if SUBNETTER_HAVE_FOPENCOOKIE
std::FILE* stream_over(void* cookie)
{
    const cookie_io_functions_t functions { nullptr, write_waiting, nullptr, close_descriptor };
    return fopencookie(cookie, "w", functions);
}
#else
// funopen, of macOS and the BSDs, counts the bytes in an int.
int write_waiting_counted(void* cookie, const char* bytes, int size)
{
    return static_cast<int>(write_waiting(cookie, bytes, static_cast<std::size_t>(size)));
}

std::FILE* stream_over(void* cookie)
{
    return funopen(cookie, nullptr, write_waiting_counted, nullptr, close_descriptor);
}
#endif

std::FILE* stream_of_named(int descriptor)
{
    std::FILE* stream = stream_over(reinterpret_cast<void*>(static_cast<std::intptr_t>(descriptor)));
    if (stream == nullptr)
        close(descriptor);
    return stream;
}

}

NameHolder what_has(const char* name)
{
    struct stat status {};
    if (stat(name, &status) != 0)
        return errno == ENOENT ? NameHolder::NOTHING : NameHolder::OTHER;
    return S_ISREG(status.st_mode) ? NameHolder::REGULAR_FILE : NameHolder::OTHER;
}

bool may_write(const char* name)
{
    const int descriptor = open(name, O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    close(descriptor);
    return true;
}

// Each link's target, a relative one taken from the link's own folder, until a
// name that is no link; a loop of links ends where the system gives up on it.
std::string real_destination(const char* name)
{
    std::string path = name;
    std::string target(PATH_MAX, '\0');
    for (int hop = 0; hop < MOST_LINKS_FOLLOWED; ++hop) {
        const ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) == target.size())
            return path;
        const std::string_view followed(target.data(), static_cast<std::size_t>(length));
        const std::size_t folder_end = followed.front() == '/' ? 0 : path.rfind('/') + 1;
        path = path.substr(0, folder_end) + std::string(followed);
    }
    return path;
}

int process_number()
{
    return static_cast<int>(getpid());
}

int create_new_file(const std::string& name)
{
    return open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

std::FILE* stream_of(int descriptor)
{
    return fdopen(descriptor, "w");
}

std::FILE* open_named_stream(const char* name)
{
    const int descriptor = open_named(name);
    return descriptor >= 0 ? stream_of_named(descriptor) : nullptr;
}

int open_for_cutting(const std::string& name)
{
    return open(name.c_str(), O_RDWR | O_CLOEXEC);
}

long long file_size(int descriptor)
{
    struct stat status {};
    return fstat(descriptor, &status) == 0 ? static_cast<long long>(status.st_size) : -1;
}

long read_at(int descriptor, char* bytes, std::size_t size, long long offset)
{
    return static_cast<long>(pread(descriptor, bytes, size, static_cast<off_t>(offset)));
}

bool cut_at(int descriptor, long long length)
{
    return ftruncate(descriptor, static_cast<off_t>(length)) == 0;
}

bool sync_to_disk(int descriptor)
{
    return fsync(descriptor) == 0;
}

bool close_file(int descriptor)
{
    return close(descriptor) == 0;
}

bool replace_file(const std::string& from, const std::string& to)
{
    return rename(from.c_str(), to.c_str()) == 0;
}

void remove_file(const std::string& name)
{
    unlink(name.c_str());
}
