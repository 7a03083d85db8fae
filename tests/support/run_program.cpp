// run_program.cpp -- runs the built subnetter over pipes in a temporary folder.
#include "run_program.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

// More output than any session writes means a runaway program: reading stops
// there rather than filling the test's memory until the time bound.
constexpr std::size_t MOST_OUTPUT_BYTES = std::size_t { 256 } << 20;

// Feeds the input and drains the output together, so neither side can block
// the other. poll() skips a closed (negative) descriptor; empty input closes at the first write.
void feed_and_drain(int to_child, int from_child, std::string_view input, std::string& output, Clock::time_point deadline)
{
    const auto close_once = [](int& fd) { close(std::exchange(fd, -1)); }; // closing -1 again is harmless
    char chunk[65536];
    while (from_child >= 0 && output.size() <= MOST_OUTPUT_BYTES && Clock::now() < deadline) {
        pollfd fds[2] = { { from_child, POLLIN, 0 }, { to_child, POLLOUT, 0 } };
        if (poll(fds, 2, 100) < 0 && errno != EINTR)
            break;
        if (fds[1].revents != 0) {
            const ssize_t n = write(to_child, input.data(), input.size());
            input.remove_prefix(n > 0 ? static_cast<std::size_t>(n) : 0);
            if ((n < 0 && errno != EAGAIN) || input.empty())
                close_once(to_child);
        }
        if (fds[0].revents != 0) {
            const ssize_t n = read(from_child, chunk, sizeof chunk);
            if (n > 0)
                output.append(chunk, static_cast<std::size_t>(n));
            else
                close_once(from_child);
        }
    }
    close_once(to_child);
    close_once(from_child);
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
    int in_pipe[2], out_pipe[2];
    // Close-on-exec keeps the child from holding its own pipe ends open; dup2 clears it.
    if (pipe2(in_pipe, O_CLOEXEC) != 0 || pipe2(out_pipe, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t child = fork();
    if (child == 0) {
        dup2(in_pipe[0], STDIN_FILENO);
        dup2(out_pipe[1], STDOUT_FILENO);
        if (chdir(folder.c_str()) == 0)
            execl(SUBNETTER_BINARY, "subnetter", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in_pipe[0]);
    close(out_pipe[1]);
    std::signal(SIGPIPE, SIG_IGN);
    // A program that stops reading must not block the feeding past the time bound.
    fcntl(in_pipe[1], F_SETFL, O_NONBLOCK);
    ProgramRun run;
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(seconds);
    feed_and_drain(in_pipe[1], out_pipe[0], input, run.output, deadline);

    int status = 0;
    pid_t ended = 0;
    while ((ended = waitpid(child, &status, WNOHANG)) == 0 && Clock::now() < deadline)
        usleep(1000);
    if (ended == 0) {
        run.timed_out = true;
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
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
