// console_test.cpp -- the console layer when standard output is not a terminal.
#include "console/answer_reader.h"
#include "console/console.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

std::string output_of(const std::function<void()>& action)
{
    testing::internal::CaptureStdout();
    action();
    console_flush();
    return testing::internal::GetCapturedStdout();
}

TEST(Console, ErasingAndClearingWritePlainText)
{
    const std::string erase_line = "\r" + std::string(80, ' ') + "\n";
    EXPECT_EQ(output_of([] { ClearLines(1); }), erase_line);
    EXPECT_EQ(output_of([] { ClearLines(3); }), erase_line + erase_line + erase_line);
    EXPECT_EQ(output_of([] { ClearScreen(); }), "\f");
    EXPECT_EQ(output_of([] { cursor_reposition(2, 3); }), "");
}

TEST(Console, PauseTakesOneLineOfItsOwn)
{
    use_text_as_input("1 rest of line\nany key\n\nZ\n");
    EXPECT_EQ(read_token().value, 1);
    for (int pause = 0; pause < 2; ++pause)
        EXPECT_EQ(output_of([] { SystemPause(); }), "Press any key to continue . . . \n");
    EXPECT_EQ(read_token().first, 'Z');
}

TEST(Console, ColourSettersKeepTheOtherHalfOfTheAttribute)
{
    const std::pair<std::function<void()>, int> steps[] {
        { [] { setcolors(15, 0); }, 0x0F }, { [] { setfgcolor(COLOR_GREEN); }, 0x0A },
        { [] { setfgcolor(COLOR_WHITE); }, 0x0F }, { [] { setfgcolor(0x1C); }, 0x0C },
        { [] { setbgcolor(1); }, 0x1C }, { [] { setbgcolor(0x12); }, 0x2C },
        { [] { setfgcolor(-1); }, 0x2F }, { [] { setcolors(0x1A, 0x13); }, 0x3A },
    };
    for (const auto& [step, attribute] : steps) {
        EXPECT_EQ(output_of(step), "");
        EXPECT_EQ(getcolors(), attribute);
        EXPECT_EQ(getfgcolor(), attribute & 15);
        EXPECT_EQ(getbgcolor(), attribute >> 4);
    }
}

}
