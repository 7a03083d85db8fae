// run_program.cpp -- runs the built subnetter in a temporary folder, its input and output in unnamed files.
#include "run_program.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// More output than any session writes means a runaway program: the file size
// limit stops it there rather than filling the disk until the time bound.
constexpr rlim_t MOST_OUTPUT_BYTES = rlim_t { 64 } << 20;

// Unnamed files rather than pipes: neither side can block the other, the input
// is all there from the start, and nothing is left in the program's folder.
using UnnamedFile = std::unique_ptr<std::FILE, decltype([](std::FILE* file) { std::fclose(file); })>;

// A fresh empty folder under the system's temporary folder, removed by the destructor.
struct TemporaryFolder {
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "subnetter-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path = pattern;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    std::filesystem::path path;
};

}

ProgramRun run_subnetter(std::string_view input, int seconds)
{
    const TemporaryFolder folder;
    const UnnamedFile in { std::tmpfile() }, out { std::tmpfile() };
    if (!in || !out)
        throw std::runtime_error("tmpfile failed");
    std::fwrite(input.data(), 1, input.size(), in.get());
    std::rewind(in.get()); // the child shares the file offset: it starts reading at the beginning
    const pid_t child = fork();
    if (child == 0) {
        const rlimit most { MOST_OUTPUT_BYTES, MOST_OUTPUT_BYTES };
        setrlimit(RLIMIT_FSIZE, &most);
        dup2(fileno(in.get()), STDIN_FILENO);
        dup2(fileno(out.get()), STDOUT_FILENO);
        if (chdir(folder.path.c_str()) == 0)
            execl(SUBNETTER_BINARY, "subnetter", static_cast<char*>(nullptr));
        _exit(127);
    }
    ProgramRun run;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    pid_t ended = 0;
    while ((ended = waitpid(child, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
        usleep(1000);
    if (ended == 0) {
        run.timed_out = true;
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::rewind(out.get());
    char chunk[65536];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, out.get())) > 0;)
        run.output.append(chunk, n);
    run.files = files_in(folder.path);
    return run;
}
