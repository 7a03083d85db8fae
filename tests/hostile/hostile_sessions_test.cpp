// hostile_sessions_test.cpp -- random, malformed and cut-short sessions all end cleanly.
#include "run_program.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace {

// pieces.txt, one a line: valid answers, whole menus so that sessions reach the dialogs and listings behind them,
// and malformed answers. No Y or y appears outside the yes/no pairs: a yes answered twice in a row could start the
// quick export of a whole class A network, which is a matter of disk speed, not of hostile input.
const std::vector<std::string> SEPARATORS { " ", " ", "\n", "\n", "\n\n", "\t", "\r\n", "\v\f", "" };

std::string random_session(std::mt19937& random)
{
    static const std::vector<std::string> PIECES = lines_of("hostile/pieces.txt");
    std::string session;
    for (auto chunks = 5 + random() % 60; chunks > 0; --chunks) {
        const auto roll = random() % 100;
        if (roll < 80) {
            session += PIECES[random() % PIECES.size()];
        } else if (roll < 98) {
            for (auto bytes = 1 + random() % 8; bytes > 0; --bytes) {
                const auto byte = static_cast<char>(random() % 256);
                session += byte == 'y' || byte == 'Y' ? 'x' : byte;
            }
        } else {
            session += std::string(70000, roll % 2 == 0 ? '7' : 'x'); // a token spanning two refills of the reader
        }
        session += SEPARATORS[random() % SEPARATORS.size()];
    }
    return session;
}

// The program ends by itself with status 0 and leaves no file but its exports.
ProgramRun check_ends_cleanly(const std::string& input)
{
    SCOPED_TRACE("input " + testing::PrintToString(input.substr(0, 2000)));
    ProgramRun run = run_subnetter(input, 10);
    EXPECT_FALSE(run.timed_out);
    EXPECT_EQ(run.status, 0);
    for (const auto& [name, contents] : run.files)
        EXPECT_TRUE(std::regex_match(name, std::regex("Result_[1-9][0-9]*\\.txt"))) << "left the file " << name;
    return run;
}

class RandomSessions : public testing::TestWithParam<unsigned> { };

// Under the sanitizers a leak check at each exit would cost more than the session; the cut sessions keep it.
TEST_P(RandomSessions, EndCleanly)
{
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    std::mt19937 random(GetParam());
    for (int session = 0; session < 125 && !HasFailure(); ++session)
        check_ends_cleanly(random_session(random));
    unsetenv("ASAN_OPTIONS");
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSessions, testing::Range(0u, 24u));

// Every recorded session, cut after each of its lines.
TEST(CutSessions, EndCleanlyAtEveryLineBoundary)
{
    for (const std::string& folder : session_folders()) {
        const std::string session = read_test_data(folder + "/input.txt");
        for (std::size_t cut = 0; cut <= session.size() && !HasFailure(); ++cut)
            if (cut == 0 || session[cut - 1] == '\n')
                check_ends_cleanly(session.substr(0, cut));
    }
}

// refusals.txt holds one case per question in two lines: answers up to a refused
// one (text that is not a number reads as 0), and the refusal shown. Garbage
// follows: the run must wait for it, never re-prompting on its own.
TEST(Refusals, AreShownAndGarbageAfterThemEndsAtEndOfInput)
{
    const std::vector<std::string> lines = lines_of("dialogs/refusals.txt");
    for (std::size_t k = 0; k + 1 < lines.size(); k += 2) {
        const ProgramRun run = check_ends_cleanly(with_enters(lines[k]) + "#?!\n%%\n");
        EXPECT_NE(run.output.find(with_enters(lines[k + 1])), std::string::npos) << lines[k] << '\n' << run.output;
        EXPECT_LT(run.output.size(), 20000u);
    }
}

}
