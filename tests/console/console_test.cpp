// console_test.cpp -- the answer reader and the colour attribute.
#include "console/answer_reader.h"
#include "console/console.h"
#include "console/key_press.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <tuple>

namespace {

TEST(AnswerReader, EachTokenAnswersOneQuestionWithItsAtoiValue)
{
    use_text_as_input("01 2x\t+1 -7 3abc abc - 99999999999 -99999999999 -2147483648 -2147483649 2147483648\r\n"
                      "65537 65545\r\nno\r\n");
    for (int expected : { 1, 2, 1, -7, 3, 0, 0, INT_MAX, INT_MIN, INT_MIN, INT_MIN, INT_MAX })
        EXPECT_EQ(read_token().value, expected);
    for (int expected : { 1, 9 }) // menu fields keep the low 16 bits
        EXPECT_EQ(keep_low_16_bits(read_token().value), expected);
    EXPECT_EQ(read_token().first, 'n');
}

TEST(AnswerReader, PatternsStopEarlyAndDiscardTheirLine)
{
    constexpr int K = 7; // a field the read did not reach keeps its value
    const std::tuple<int, const char*, int, std::array<int, 4>> cases[] { // fields, text, converted, values
        { 4, "10.1.2.3\n", 4, { 10, 1, 2, 3 } }, { 4, "10.1\n", 2, { 10, 1, K, K } },
        { 4, "10.1.2.3.4\n", 4, { 10, 1, 2, 3 } }, { 4, "abc\n", 0, { K, K, K, K } },
        { 4, "-1.2.3.4\n", 4, { -1, 2, 3, 4 } }, { 4, "10 .1.2.3\n", 1, { 10, K, K, K } },
        { 4, "10.x.2.3 more\r\n", 1, { 10, K, K, K } }, { 4, "\n\n 3000000000.1.2.3\n", 4, { INT_MAX, 1, 2, 3 } },
        { 2, "5 6 junk\n", 2, { 5, 6, K, K } }, { 2, "5\n\n6\n", 2, { 5, 6, K, K } },
        { 2, "5\nword\n", 1, { 5, K, K, K } }, { 2, "-99999999999 x\n", 1, { INT_MIN, K, K, K } },
        { 1, "word\n", 0, { K, K, K, K } }, { 1, "5 junk\n", 1, { 5, K, K, K } }, { 1, "+x\n", 0, { K, K, K, K } },
    };
    for (const auto& [fields, text, converted, values] : cases) {
        const std::string input = std::string(text) + "Z\n";
        use_text_as_input(input);
        std::array<int, 4> read { K, K, K, K };
        // fields 1: "%d", 2: "%d %d", 4: "%d.%d.%d.%d".
        EXPECT_EQ(fields == 1 ? read_number(read[0]) : fields == 2 ? read_two_numbers(read[0], read[1])
                                                                    : read_dotted_numbers(read[0], read[1], read[2], read[3]),
            converted) << text;
        EXPECT_EQ(read, values) << text;
        EXPECT_EQ(read_token().first, 'Z') << "left over from " << text;
    }
}

TEST(AnswerReader, PauseTakesTheRestOfABegunLineThenOneOfItsOwn)
{
    use_text_as_input("1 rest of line\n\nany key\nZ\n"); // the first key is Enter alone
    EXPECT_EQ(read_token().value, 1);
    read_pause_key();
    read_pause_key();
    EXPECT_EQ(read_token().first, 'Z');
}

// Bytes as a terminal sends them, and how many the first key takes; 0 while it is incomplete.
TEST(KeyPress, TakesAllTheBytesOfOneKeyAndNoMore)
{
    const std::pair<std::string_view, std::size_t> cases[] {
        { "x\x1b[A", 1 }, { "\x1b[Ax", 3 }, { "\x1b[15~\x1b[15~", 5 }, { "\x1b[1;5A", 6 }, { "\x1bOPx", 3 },
        { "\x1bx", 2 }, { "\x1b\x1b[A", 4 }, { "\xc3\xa9x", 2 }, { "\xe2\x82\xac", 3 }, { "\xc3x", 1 },
        { "\x1b[1\x1b[A", 3 }, { "", 0 }, { "\x1b", 0 }, { "\x1b[1;", 0 }, { "\x1bO", 0 }, { "\xe2\x82", 0 },
    };
    for (const auto& [bytes, length] : cases)
        EXPECT_EQ(key_length(bytes), length) << testing::PrintToString(std::string(bytes));
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
        step();
        EXPECT_EQ(getcolors(), attribute);
    }
}

}
