// run_program.cpp -- runs the built subnetter over pipes in a temporary folder.
#include "run_program.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

long long now_ms()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

// More output than any session writes means a runaway program: reading stops
// there rather than filling the test's memory until the time bound.
constexpr std::size_t MOST_OUTPUT_BYTES = std::size_t { 256 } << 20;

// Feeds the input and drains the output together, so neither side can block the other.
void exchange(int to_child, int from_child, std::string_view input, std::string& output, long long deadline)
{
    std::size_t sent = 0;
    if (input.empty()) {
        close(to_child);
        to_child = -1;
    }
    char chunk[65536];
    while (from_child >= 0 && now_ms() < deadline) {
        pollfd fds[2] = { { from_child, POLLIN, 0 }, { to_child, POLLOUT, 0 } };
        const int waiting = poll(fds, to_child >= 0 ? 2 : 1, 100);
        if (waiting < 0 && errno != EINTR)
            break;
        if (to_child >= 0 && (fds[1].revents & (POLLOUT | POLLERR | POLLHUP))) {
            const ssize_t n = write(to_child, input.data() + sent, input.size() - sent);
            if (n > 0)
                sent += static_cast<std::size_t>(n);
            if ((n < 0 && errno != EAGAIN) || sent == input.size()) {
                close(to_child);
                to_child = -1;
            }
        }
        if (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) {
            const ssize_t n = read(from_child, chunk, sizeof chunk);
            if (n <= 0) {
                close(from_child);
                from_child = -1;
            } else {
                output.append(chunk, static_cast<std::size_t>(n));
                if (output.size() > MOST_OUTPUT_BYTES)
                    break;
            }
        }
    }
    if (to_child >= 0)
        close(to_child);
    if (from_child >= 0)
        close(from_child);
}

}

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "subnetter-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::permissions(path, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path, ignored);
}

ProgramRun run_subnetter(std::string_view input, const std::filesystem::path& folder, int seconds)
{
    int in_pipe[2];
    int out_pipe[2];
    if (pipe(in_pipe) != 0 || pipe(out_pipe) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t child = fork();
    if (child == 0) {
        dup2(in_pipe[0], STDIN_FILENO);
        dup2(out_pipe[1], STDOUT_FILENO);
        close(in_pipe[0]);
        close(in_pipe[1]);
        close(out_pipe[0]);
        close(out_pipe[1]);
        if (chdir(folder.c_str()) != 0)
            _exit(126);
        execl(SUBNETTER_BINARY, "subnetter", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in_pipe[0]);
    close(out_pipe[1]);
    std::signal(SIGPIPE, SIG_IGN);
    // A program that stops reading must not block the feeding past the time bound.
    fcntl(in_pipe[1], F_SETFL, O_NONBLOCK);

    ProgramRun run;
    const long long deadline = now_ms() + seconds * 1000LL;
    exchange(in_pipe[1], out_pipe[0], input, run.output, deadline);

    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (now_ms() >= deadline) {
            run.timed_out = true;
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
        usleep(1000);
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    // Links (such as one to /dev/full) are set up by the test, not written by the program.
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && !entry.is_symlink())
            run.files[entry.path().filename().string()] = read_file(entry.path());
    return run;
}

ProgramRun run_subnetter(std::string_view input, int seconds)
{
    TemporaryFolder folder;
    return run_subnetter(input, folder.path, seconds);
}
