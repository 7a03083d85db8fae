// range_selection_test.cpp -- which subnets the standard mode lists for each range answer.
#include "console/answer_reader.h"
#include "console/console.h"
#include "modes/standard_mode.h"
#include "modes/subnet_lines.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <vector>

namespace {

struct RangeCase {
    std::string answers;     // typed in the SUBNET SELECTION dialog, one per line
    std::vector<int> listed; // subnets expected in the file, in order
    int refusals;            // "False " markers expected on screen
};

// 192.168.1.77 with prefix 27: eight subnets of 32 addresses.
const std::vector<RangeCase> RANGES {
    { "0 0", { 1, 2, 3, 4, 5, 6, 7, 8 }, 0 },
    { "3 0", { 3, 4, 5, 6, 7, 8 }, 0 },
    { "0 3", { 1, 2, 3 }, 0 },
    { "1 3", { 1, 2, 3 }, 0 },
    { "8 0", { 8 }, 0 },
    { "8 8", { 8 }, 0 },
    { "5 3", {}, 0 },
    { "9 1\n-1 0\n0 9\n5 x\n  6   7  ", { 6, 7 }, 4 },
};

// The subnet headings and network addresses of an export file, one subnet a line.
std::string listed_subnets(std::FILE* file)
{
    std::rewind(file);
    std::ostringstream listed;
    for (char row[128]; std::fgets(row, sizeof row, file) != nullptr;) {
        const std::string line(row);
        if (line.starts_with("Sub Network "))
            listed << line.substr(0, line.size() - 1);
        if (line.starts_with("# Network IP"))
            listed << line.substr(line.rfind(' '));
    }
    return listed.str();
}

TEST(StandardMode, ListsTheChosenRangeFromTheClassfulNetwork)
{
    for (const RangeCase& range : RANGES) {
        SCOPED_TRACE(range.answers);
        Calculation c;
        c.class_letter = 'C';
        c.prefix = 27;
        c.subnets = 8;
        c.hosts = 30;
        c.quick_answer = 1;
        c.net_octets = { 192, 168, 1, 64 };
        net_bits_from_octets(c);
        c.export_file = std::tmpfile();
        ASSERT_NE(c.export_file, nullptr);
        // An empty line for each pause; the reader keeps only a view of the text.
        const std::string input = range.answers + "\n" + std::string(8, '\n');
        use_text_as_input(input);

        testing::internal::CaptureStdout();
        standard_mode(c);
        console_flush();
        const std::string screen = testing::internal::GetCapturedStdout();

        std::ostringstream expected;
        for (int n : range.listed)
            expected << "Sub Network " << n << "/8 192.168.1." << 32 * (n - 1) << "/27\n";
        EXPECT_EQ(listed_subnets(c.export_file), expected.str());
        int refusals = 0;
        for (auto at = screen.find("False "); at != std::string::npos; at = screen.find("False ", at + 1))
            ++refusals;
        EXPECT_EQ(refusals, range.refusals);
        std::fclose(c.export_file);
    }
}

}
