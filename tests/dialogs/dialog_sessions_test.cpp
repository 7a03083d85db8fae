// dialog_sessions_test.cpp -- whole runs through a pipe: every refusal shown, garbage answers ending cleanly.
#include "run_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

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
