// hostile_sessions_test.cpp -- random, malformed and cut-short sessions all end cleanly.
#include "run_program.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace {

// Valid answers, whole menus so that sessions reach the dialogs and listings behind them, and malformed answers.
// No Y or y appears outside the yes/no pairs: a yes answered twice in a row could start the quick export of a
// whole class A network, which is a matter of disk speed, not of hostile input.
const std::vector<std::string> PIECES { "1", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "N", "n",
    "Y N", "y no", "yes nope", "Yellow n", "192.168.1.77", "10.0.0.1", "172.16.5.9", "223.255.255.254", "0.1.2.3",
    "127.0.0.1", "224.1.1.1", "255.255.255.255", "11000000.10101000.00000001.01001101",
    "00001010.00000000.00000000.00000001", "255.255.255.0", "255.255.255.192", "255.255.0.0",
    "11111111.11111111.11111111.11000000", "24", "26", "30", "8", "16", "20", "1000", "62", "4", "64", "0 0", "2 3",
    "5 3", "4 5", "1 4 9 N", "1 3 9 N", "2 5 9 N", "1 6 10 N", "1 7 9 Y N", "2 8 10 N", "1 4 10 N", "1 5 9 Y N",
    "2 4 9 y no", "1 7 10 N", "1 8 9 N", "2 6 9 N", "99999999999999999999", "-99999999999999999999", "2147483648",
    "-2147483649", "65537", "65545", "4294967297", "+", "-", "+-1", "--2", "+3abc", "2x", "01", "-0", "0x1F",
    "11000000.10101002.00000001.00000001", "1111111111.0.0.0", "-1.-1.-1.-1", "1..2", "...", ".", "1.2.3",
    "300.1.1.1", "255.0.255.0", "255.255.255.253", "9 1", "-1 0", "0 99999999999", "1 x", "31", "-5" };
const std::vector<std::string> SEPARATORS { " ", " ", "\n", "\n", "\n\n", "\t", "\r\n", "\v\f", "" };

// Complete sessions through every dialog; each is also run cut after every line.
const std::string VALID_SESSIONS[] {
    "\n1 4 9 N\n192.168.1.77\n26\n0 0\n\n\n\n\n1\n"
    "2 5 10 Y\n11000000.10101000.00000001.00000000\n200\n1\n26\n0\n2\n20\n0\n3\n1\n2\n\n",
    "\n1\n7\n9\nY\nY\n192.168.1.77\n255.0.255.0\n255.255.255.224\n\n1\n\n"
    "1 8 9 N\n224.0.0.1\n1 6 9 Y N\n172.16.5.9\n4\n2 3\n\n\n1\n\n"
    "2 8 9 N\n10101100.00010000.00000101.00001001\n11111111.11111111.11111111.11111100\n\n16384 16384\n\n2\n",
    "x\n1 3 9 Y Y\n10.0.0.1\n\n2\n\n",
};

std::string random_session(std::mt19937& random)
{
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
void check_ends_cleanly(const std::string& input)
{
    SCOPED_TRACE("input " + testing::PrintToString(input.substr(0, 2000)));
    const ProgramRun run = run_subnetter(input, 10);
    ASSERT_FALSE(run.timed_out);
    ASSERT_EQ(run.status, 0);
    for (const auto& [name, contents] : run.files)
        ASSERT_TRUE(std::regex_match(name, std::regex("Result_[1-9][0-9]*\\.txt"))) << "left the file " << name;
}

class RandomSessions : public testing::TestWithParam<unsigned> { };

// Under the sanitizers a leak check at each exit would cost more than the session; the cut sessions keep it.
TEST_P(RandomSessions, EndCleanly)
{
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    std::mt19937 random(GetParam());
    for (int session = 0; session < 125; ++session)
        ASSERT_NO_FATAL_FAILURE(check_ends_cleanly(random_session(random))) << "session " << session;
    unsetenv("ASAN_OPTIONS");
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSessions, testing::Range(0u, 24u));

TEST(CutSessions, EndCleanlyAtEveryLineBoundary)
{
    for (const std::string& session : VALID_SESSIONS)
        for (std::size_t cut = 0; cut <= session.size(); ++cut)
            if (cut == 0 || session[cut - 1] == '\n') {
                ASSERT_NO_FATAL_FAILURE(check_ends_cleanly(session.substr(0, cut)));
            }
}

}
