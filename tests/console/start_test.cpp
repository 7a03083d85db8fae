// start_test.cpp -- the splash screen and the ends of a run, through pipes.
#include "run_program.h"

#include <gtest/gtest.h>

namespace {

// Only an answer whose value is exactly 1 starts a new calculation; the end of
// input at the splash or at the closing question ends the run cleanly.
TEST(Start, SplashAndClosingAnswerEndOrRestartTheRun)
{
    // The splash takes the x; the rest of its line answers the first question.
    const std::string calculation = "x1\n3\n9\nN\n192.168.1.77\n\n\n";
    const std::string closing = "\nPress any 'Char' to EXIT/SAVE or '1' to RESET: ";
    const std::pair<std::string, std::string> cases[] {
        { "", read_test_data("console/splash.txt") + "\n" }, { calculation, closing + "\n" },
        { calculation + "10\n", closing + "\f" }, { calculation + "1x\n", "Input: \n" },
    };
    for (const auto& [typed, ending] : cases) {
        const ProgramRun run = run_subnetter(typed);
        EXPECT_EQ(run.status, 0) << typed;
        EXPECT_TRUE(run.output.ends_with(ending)) << typed;
    }
}

}
