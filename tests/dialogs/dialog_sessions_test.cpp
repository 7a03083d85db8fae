// dialog_sessions_test.cpp -- whole runs through a pipe: exact screens, every refusal, garbage answers.
#include "run_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// Each folder under sessions/ holds input.txt, the exact screen.txt and any
// Result_N.txt the run must leave; no other file may be left.
TEST(DialogSessions, ScreensAndFilesMatchByteForByte)
{
    int sessions = 0;
    for (const auto& folder : fs::directory_iterator(fs::path(SUBNETTER_TEST_DATA) / "dialogs" / "sessions")) {
        if (!folder.is_directory())
            continue;
        SCOPED_TRACE(folder.path().filename().string());
        ++sessions;
        const ProgramRun run = run_subnetter(read_file(folder.path() / "input.txt"));
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.output, read_file(folder.path() / "screen.txt"));
        std::map<std::string, std::string> expected_files;
        for (const auto& file : fs::directory_iterator(folder.path()))
            if (file.path().filename().string().starts_with("Result_"))
                expected_files[file.path().filename().string()] = read_file(file.path());
        EXPECT_EQ(run.files, expected_files);
    }
    EXPECT_EQ(sessions, 4);
}

// refusals.txt holds one case per question in two lines, | standing for Enter:
// answers up to a refused one (text that is not a number reads as 0), and the
// refusal shown. Garbage follows: the run must wait for it, never re-prompting
// on its own, and end cleanly at the end of input.
TEST(DialogSessions, EveryRefusalIsShownAndGarbageEndsAtEndOfInput)
{
    const std::string text = read_test_data("dialogs/refusals.txt");
    ASSERT_FALSE(text.empty());
    std::istringstream cases(text);
    for (std::string typed, shown; std::getline(cases, typed) && std::getline(cases, shown);) {
        std::ranges::replace(typed, '|', '\n');
        std::ranges::replace(shown, '|', '\n');
        SCOPED_TRACE(typed);
        const ProgramRun run = run_subnetter(typed + "#?!\n%%\n", 5);
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.output.find(shown), std::string::npos) << run.output;
        EXPECT_LT(run.output.size(), 20000u);
    }
}

}
