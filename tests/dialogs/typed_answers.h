// typed_answers.h -- runs a dialog on typed text and keeps what it showed.
#pragma once

#include "console/answer_reader.h"
#include "console/console.h"
#include "run_program.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

inline bool dialog_running = false;

// Serves `typed` as the keyboard, runs `dialog` and returns its screen output.
// A dialog that asks for more than was typed ends the program with status 0,
// which would pass for success: that exit is turned into a failure.
template <typename Dialog>
std::string run_dialog(std::string_view typed, Dialog&& dialog)
{
    [[maybe_unused]] static const int registered = std::atexit([] {
        if (dialog_running) {
            std::fputs("the dialog asked for more than was typed\n", stderr);
            std::_Exit(1);
        }
    });
    use_text_as_input(typed);
    testing::internal::CaptureStdout();
    dialog_running = true;
    dialog();
    dialog_running = false;
    console_flush();
    return testing::internal::GetCapturedStdout();
}

inline int occurrences(std::string_view screen, std::string_view text)
{
    int count = 0;
    for (auto at = screen.find(text); at != std::string_view::npos; at = screen.find(text, at + 1))
        ++count;
    return count;
}

// Runs `check` on each row of a case table kept with the tests, one case a
// line; a table that is missing or empty fails.
template <typename Check>
void for_each_case(const std::string& table, Check&& check)
{
    std::istringstream cases(read_test_data(table));
    int count = 0;
    for (std::string line; std::getline(cases, line); ++count) {
        SCOPED_TRACE(line);
        std::istringstream row(line);
        check(row);
    }
    EXPECT_GT(count, 0);
}
