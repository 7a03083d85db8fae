// start_test.cpp -- the splash screen and the ends of a run, through pipes.
#include "run_program.h"

#include <gtest/gtest.h>

namespace {

TEST(Start, SplashWaitsForOneCharacter)
{
    const ProgramRun run = run_subnetter("");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, read_test_data("console/splash.txt") + "\n");
}

TEST(Start, ClosingAnswerDecidesBetweenNewCalculationAndEnd)
{
    // The splash takes the x; the rest of its line answers the first question.
    const std::string calculation = "x1\n3\n9\nN\n192.168.1.77\n\n\n";
    const std::string closing = "\nPress any 'Char' to EXIT/SAVE or '1' to RESET: ";
    const std::pair<const char*, std::string> cases[] {
        { "", closing + "\n" }, { "x\n", closing + "\f" }, { "10\n", closing + "\f" },
        { "1x\n", "Input: \n" }, { "65537\n", "Input: \n" },
    };
    for (const auto& [answer, ending] : cases) {
        const ProgramRun run = run_subnetter(calculation + answer);
        EXPECT_EQ(run.status, 0) << answer;
        EXPECT_TRUE(run.output.ends_with(ending)) << answer;
    }
}

}
