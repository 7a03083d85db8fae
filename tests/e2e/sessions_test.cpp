// sessions_test.cpp -- whole sessions of the built program: screen and export files byte for byte.
#include "run_program.h"

#include <gtest/gtest.h>

#include <map>

namespace fs = std::filesystem;

namespace {

const fs::path TEST_DATA = SUBNETTER_TEST_DATA;

class Session : public testing::TestWithParam<std::string> { };

TEST_P(Session, ShowsAndWritesExactlyWhatIsExpected)
{
    const fs::path folder = TEST_DATA / GetParam();
    const ProgramRun run = run_subnetter(read_file(folder / "input.txt"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, read_file(folder / "screen.txt"));
    // Besides its input, screen and the bytes of the same session typed on a terminal
    // (tests/terminal/typed_sessions.py), a session folder holds exactly the files the run must leave.
    std::map<std::string, std::string> expected = files_in(folder);
    for (const char* not_left : { "input.txt", "screen.txt", "terminal.bytes" })
        expected.erase(not_left);
    EXPECT_EQ(run.files, expected);
}

INSTANTIATE_TEST_SUITE_P(Sessions, Session, testing::ValuesIn(session_folders()));

}
