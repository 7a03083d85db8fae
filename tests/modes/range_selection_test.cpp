// range_selection_test.cpp -- which subnets the standard mode lists for each range answer.
#include "console/answer_reader.h"
#include "console/console.h"
#include "modes/standard_mode.h"
#include "modes/subnet_lines.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Answers typed in the SUBNET SELECTION dialog, one per line, and the subnets
// then listed in the file, in order. Refused answers are asked again; the
// session range_refusals checks how the refusals look.
struct RangeCase {
    std::string answers;
    std::vector<int> listed;
};

// 192.168.1.77 with prefix 27: eight subnets of 32 addresses.
const std::vector<RangeCase> RANGES {
    { "0 0", { 1, 2, 3, 4, 5, 6, 7, 8 } },
    { "3 0", { 3, 4, 5, 6, 7, 8 } },
    { "0 3", { 1, 2, 3 } },
    { "1 3", { 1, 2, 3 } },
    { "8 0", { 8 } },
    { "8 8", { 8 } },
    { "5 3", {} },
    { "9 1\n-1 0\n0 9\n5 x\n  6   7  ", { 6, 7 } },
};

// Each subnet heading of an export file followed by the address of its Network IP line.
std::string listed_subnets(std::FILE* file)
{
    std::rewind(file);
    std::string listed;
    for (char row[128]; std::fgets(row, sizeof row, file) != nullptr;) {
        const std::string_view line(row);
        if (line.starts_with("Sub Network "))
            listed += line;
        if (line.starts_with("# Network IP"))
            listed += line.substr(line.rfind(' '));
    }
    return listed;
}

// The program ends when its input runs out. Inside the mode that means the
// dialog refused an answer it should have taken: a failure, not a clean exit.
const char* answers_in_mode = nullptr;

void fail_if_ended_in_mode()
{
    if (answers_in_mode != nullptr) {
        std::fprintf(stderr, "the range dialog never took \"%s\"\n", answers_in_mode);
        std::_Exit(1);
    }
}

TEST(StandardMode, ListsTheChosenRangeFromTheClassfulNetwork)
{
    std::atexit(fail_if_ended_in_mode);
    for (const RangeCase& range : RANGES) {
        SCOPED_TRACE(range.answers);
        Calculation c { .class_letter = 'C', .prefix = 27, .subnets = 8, .hosts = 30,
            .net_octets = { 192, 168, 1, 64 }, .quick_answer = 1, .export_file = std::tmpfile() };
        ASSERT_NE(c.export_file, nullptr);
        net_bits_from_octets(c);
        // An empty line for each pause; the reader keeps only a view of the text.
        const std::string input = range.answers + "\n" + std::string(8, '\n');
        use_text_as_input(input);
        testing::internal::CaptureStdout(); // the screen is not looked at here
        answers_in_mode = range.answers.c_str();
        standard_mode(c);
        answers_in_mode = nullptr;
        console_flush();
        testing::internal::GetCapturedStdout();

        std::string expected;
        for (int n : range.listed)
            expected += "Sub Network " + std::to_string(n) + "/8\n 192.168.1." + std::to_string(32 * (n - 1)) + "/27\n";
        EXPECT_EQ(listed_subnets(c.export_file), expected);
        std::fclose(c.export_file);
    }
}

}
