// hostile_sessions_test.cpp -- random, malformed and cut-short sessions all end cleanly.
#include "run_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr unsigned WORKERS = 4;
constexpr int SESSIONS_PER_WORKER = 125;
constexpr int SECONDS_PER_RUN = 10;

// Answers some question accepts. No Y or y appears outside the yes/no pairs:
// a yes answered twice in a row could start the quick export of a whole class
// A network, which is a matter of disk speed, not of hostile input.
const std::vector<std::string> ANSWERS { "1", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "N", "n",
    "192.168.1.77", "10.0.0.1", "172.16.5.9", "223.255.255.254", "0.1.2.3", "127.0.0.1", "224.1.1.1",
    "255.255.255.255", "11000000.10101000.00000001.01001101", "00001010.00000000.00000000.00000001",
    "255.255.255.0", "255.255.255.192", "255.255.0.0", "11111111.11111111.11111111.11000000",
    "24", "26", "30", "8", "16", "20", "1000", "62", "4", "64", "0 0", "2 3", "5 3", "4 5" };

const std::vector<std::string> MALFORMED { "99999999999999999999", "-99999999999999999999", "2147483648",
    "-2147483649", "65537", "65545", "4294967297", "+", "-", "+-1", "--2", "+3abc", "2x", "01", "-0", "0x1F",
    "11000000.10101002.00000001.00000001", "1111111111.0.0.0", "-1.-1.-1.-1", "1..2", "...", ".", "1.2.3",
    "300.1.1.1", "255.0.255.0", "255.255.255.253", "9 1", "-1 0", "0 99999999999", "1 x", "31", "-5" };

// Whole menus, so that sessions reach the dialogs and listings behind them.
const std::vector<std::string> MENUS { "1 4 9 N", "1 3 9 N", "2 5 9 N", "1 6 10 N", "1 7 9 Y N", "2 8 10 N",
    "1 4 10 N", "1 5 9 Y N", "2 4 9 y no", "1 7 10 N", "1 8 9 N", "2 6 9 N" };

const std::vector<std::string> YES { "Y", "y", "yes", "Yellow" };
const std::vector<std::string> NO { "N", "n", "no", "nope" };
const std::vector<std::string> SEPARATORS { " ", " ", "\n", "\n", "\n\n", "\t", "\r\n", "\v\f", "" };

// Complete sessions through every dialog; each is also run cut after every line.
const std::vector<std::string> VALID_SESSIONS {
    "\n1 4 9 N\n192.168.1.77\n26\n0 0\n\n\n\n\n1\n"
    "2 5 10 Y\n11000000.10101000.00000001.00000000\n200\n1\n26\n0\n2\n20\n0\n3\n1\n2\n\n",
    "\n1\n7\n9\nY\nY\n192.168.1.77\n255.0.255.0\n255.255.255.224\n\n1\n\n"
    "1 8 9 N\n224.0.0.1\n1 6 9 Y N\n172.16.5.9\n4\n2 3\n\n\n1\n\n"
    "2 8 9 N\n10101100.00010000.00000101.00001001\n11111111.11111111.11111111.11111100\n\n16384 16384\n\n2\n",
    "x\n1 3 9 Y Y\n10.0.0.1\n\n2\n\n",
};

const std::string& pick(std::mt19937& random, const std::vector<std::string>& choices)
{
    return choices[random() % choices.size()];
}

std::string random_bytes(std::mt19937& random, std::size_t count)
{
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() % 256);
    std::replace_if(bytes.begin(), bytes.end(), [](char c) { return c == 'y' || c == 'Y'; }, 'x');
    return bytes;
}

std::string random_chunk(std::mt19937& random)
{
    const auto roll = random() % 100;
    if (roll < 20)
        return pick(random, MENUS);
    if (roll < 60)
        return pick(random, ANSWERS);
    if (roll < 65)
        return pick(random, YES) + " " + pick(random, NO);
    if (roll < 80)
        return pick(random, MALFORMED);
    if (roll < 98)
        return random_bytes(random, 1 + random() % 8);
    // Longer than the reader's buffer, so a token spans two refills.
    return std::string(70000, roll % 2 == 0 ? '7' : 'x');
}

std::string random_session(std::mt19937& random)
{
    std::string session;
    for (auto chunks = 5 + random() % 60; chunks > 0; --chunks)
        session += random_chunk(random) + pick(random, SEPARATORS);
    return session;
}

// The program ends by itself with status 0 and leaves no file but its exports.
testing::AssertionResult ends_cleanly(const std::string& input)
{
    static const std::regex export_name("Result_[1-9][0-9]*\\.txt");
    const ProgramRun run = run_subnetter(input, SECONDS_PER_RUN);
    auto result = run.status == 0 && !run.timed_out ? testing::AssertionSuccess() : testing::AssertionFailure();
    for (const auto& [name, contents] : run.files)
        if (!std::regex_match(name, export_name))
            result = testing::AssertionFailure() << "left the file " << name << "; ";
    return result << "status " << run.status << (run.timed_out ? ", timed out" : "") << ", input "
                  << testing::PrintToString(input.substr(0, 2000));
}

// One worker's share of the random sessions; 0 when all ended cleanly.
int run_random_sessions(unsigned seed)
{
    std::mt19937 random(seed);
    for (int session = 0; session < SESSIONS_PER_WORKER; ++session) {
        const testing::AssertionResult result = ends_cleanly(random_session(random));
        if (!result) {
            std::fprintf(stderr, "seed %u, session %d: %s\n", seed, session, result.message());
            return 1;
        }
    }
    return 0;
}

class RandomSessions : public testing::TestWithParam<unsigned> { };

// Most of a run under the sanitizers is spent starting and ending the process,
// not computing, so several workers run sessions at once. A leak check at each
// of those exits would cost more than the session; the cut sessions keep it.
TEST_P(RandomSessions, EndCleanly)
{
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    std::vector<pid_t> workers;
    for (unsigned worker = 0; worker < WORKERS; ++worker) {
        const pid_t pid = fork();
        if (pid == 0)
            _exit(run_random_sessions(GetParam() * WORKERS + worker));
        workers.push_back(pid);
    }
    for (const pid_t pid : workers) {
        int status = -1;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a worker found a session that did not end cleanly";
    }
    unsetenv("ASAN_OPTIONS");
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSessions, testing::Range(0u, 6u));

TEST(CutSessions, EndCleanlyAtEveryLineBoundary)
{
    for (const std::string& session : VALID_SESSIONS)
        for (std::size_t cut = 0; cut <= session.size(); ++cut)
            if (cut == 0 || session[cut - 1] == '\n') {
                ASSERT_TRUE(ends_cleanly(session.substr(0, cut)));
            }
}

}
