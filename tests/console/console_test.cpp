// console_test.cpp -- the answer reader, keys, screen rows and the line editor.
#include "console/answer_reader.h"
#include "console/key_press.h"
#include "console/line_editor.h"
#include "console/screen_rows.h"
#include "test_data.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <tuple>
#include <vector>

namespace {

constexpr Question ANY { "any" };

TEST(AnswerReader, EachTokenAnswersOneQuestionWithItsAtoiValue)
{
    use_text_as_input("01 2x\t+1 -7 3abc abc - 99999999999 -99999999999 -2147483648 -2147483649 2147483648\r\n"
                      "65537 65545\r\nno\r\n");
    for (int expected : { 1, 2, 1, -7, 3, 0, 0, INT_MAX, INT_MIN, INT_MIN, INT_MIN, INT_MAX })
        EXPECT_EQ(read_token(ANY).value, expected);
    for (int expected : { 1, 9 }) // menu fields keep the low 16 bits
        EXPECT_EQ(keep_low_16_bits(read_token(ANY).value), expected);
    EXPECT_EQ(read_token(ANY).first, 'n');
    testing::internal::CaptureStdout();
    EXPECT_THROW(read_token(ANY), ProgramEnded); // the end of input ends the program
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n");
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
        EXPECT_EQ(fields == 1 ? read_number(ANY, read[0]) : fields == 2 ? read_two_numbers(ANY, read[0], read[1])
                                                                    : read_dotted_numbers(ANY, read[0], read[1], read[2], read[3]),
            converted) << text;
        EXPECT_EQ(read, values) << text;
        EXPECT_EQ(read_token(ANY).first, 'Z') << "left over from " << text;
    }
}

TEST(AnswerReader, PauseTakesTheRestOfABegunLineThenOneOfItsOwn)
{
    use_text_as_input("1 rest of line\n\nany key\nZ\n"); // the first key is Enter alone
    EXPECT_EQ(read_token(ANY).value, 1);
    read_pause_key();
    read_pause_key();
    EXPECT_EQ(read_token(ANY).first, 'Z');
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

// Bytes drawn on one line at a width, and the rows from the cursor's row up to the line's first.
TEST(ScreenRows, FollowWrapsTabsWideCharactersBackspacesAndTheLastColumn)
{
    constexpr auto DEFERRED = LastColumn::WRAP_DEFERRED;
    const std::tuple<int, LastColumn, std::string_view, int> cases[] { // width, last column, drawn, rows
        { 10, DEFERRED, "abcdefghij", 0 }, { 10, DEFERRED, "abcdefghijk", 1 },
        { 10, LastColumn::WRAP_AT_ONCE, "abcdefghij", 1 }, { 10, DEFERRED, "abcdefghij\bX", 0 },
        { 10, DEFERRED, "abcdefghij\b\bXYZ", 1 }, { 10, DEFERRED, "\tabc", 1 }, { 10, DEFERRED, "\tab", 0 },
        { 10, DEFERRED, "abcdefghi\t\tx", 0 }, { 10, DEFERRED, "123456789\u4e2d", 1 },
        { 10, DEFERRED, "1234\u4e2d\u4e2d\u4e2d", 0 }, { 10, DEFERRED, "abcde\u0301fghij", 0 },
        { 10, DEFERRED, "abcde\xff\xfe\xc3gh", 0 }, { 10, DEFERRED, "abcde\xff\xfe\xc3ghi", 1 },
        { 10, DEFERRED, "\x1b[97;40mabcdefghij\x1b[92;40m", 0 }, { 10, DEFERRED, "abcdefghijklmnop\rxy", 1 },
        { 4, DEFERRED, "a\nbcdefghi", 1 },
    };
    for (const auto& [width, last_column, drawn, rows] : cases) {
        ScreenRows screen;
        screen.set_width(width, last_column);
        screen.draw(drawn);
        EXPECT_EQ(screen.rows_up_to(1), rows) << testing::PrintToString(std::string(drawn));
    }
}

// An answer's line end keeps its line open for an answer typed on the row below (after an empty one) until the
// program draws again; lines from before the clear, or forgotten, count one row each; escapes alone start no line.
TEST(ScreenRows, CountTheRecentLinesAndForgetThem)
{
    ScreenRows screen;
    screen.set_width(10, LastColumn::WRAP_DEFERRED);
    screen.draw("title\nInput: ");
    screen.typed("");
    screen.typed("12345");
    EXPECT_EQ(screen.rows_up_to(1), 2);
    EXPECT_EQ(screen.rows_up_to(2), 3);
    screen.draw("\x1b[91;40m");
    EXPECT_EQ(screen.rows_up_to(2), 3);
    screen.draw("False ");
    EXPECT_EQ(screen.rows_up_to(3), 3);
    EXPECT_EQ(screen.rows_up_to(4), 4);
    screen.forget(2);
    EXPECT_EQ(screen.shown(), "title\n");
    EXPECT_EQ(screen.rows_since_clear(), 1);
    screen.set_width(3, LastColumn::WRAP_DEFERRED); // the title reflowed over two rows
    EXPECT_EQ(screen.rows_up_to(1), 2);
    screen.clear();
    EXPECT_EQ(screen.rows_up_to(2), 2);
}

struct EditCase {
    std::string_view prompt;
    int columns;
    std::vector<std::string_view> keys;
    std::string_view answer;
    std::string_view drawn; // by all the keys
    EditStep last;
};

// The keys of an answer, the answer they leave and every byte drawn on the way (CSI n A/C moves, CSI J erases).
TEST(LineEditor, KeysChangeTheAnswerAndDrawOnlyWhatChanged)
{
    const std::vector<std::string> earlier { "10.0.0.1", "192.168.1.77" };
    const EditCase cases[] {
        { "Input: ", 80, { "1", "2", "\n" }, "12", "12", EditStep::TAKEN },
        { "Input: ", 80, { "a", "b", "\x1b[D", "X" }, "aXb", "ab\r\x1b[7C\x1b[Jab\r\x1b[8C\r\x1b[7C\x1b[JaXb\r\x1b[9C", EditStep::GOING },
        { "Input: ", 80, { "ab", "\x01", "\x1b[3~", "\x05", "\n" }, "b", "ab\r\x1b[7C\x1b[Jab\r\x1b[7C\x1b[Jb\r\x1b[7C\x1b[Jb", EditStep::TAKEN },
        { "> ", 80, { "10.0.0.1 abc  ", "\x17" }, "10.0.0.1 ", "10.0.0.1 abc  \r\x1b[2C\x1b[J10.0.0.1 ", EditStep::GOING },
        { "> ", 80, { "abcd", "\x1b[D", "\x1b[D", "\x0b", "\x15" }, "", "abcd\r\x1b[2C\x1b[Jabcd\r\x1b[5C\r\x1b[2C\x1b[Jabcd\r\x1b[4C\r\x1b[2C\x1b[Jab\r\x1b[2C\x1b[J", EditStep::GOING },
        { "_ _\b\b\b", 80, { "0", "\x7f", "0", " ", "0" }, "0 0", "0\r\x1b[J_ _\r0 0", EditStep::GOING },
        { "abcdefgh", 10, { "1", "2", "3", "\x1b[H", "\x1b[F" }, "123", "123\x1b[1A\r\x1b[8C\x1b[J123\x1b[1A\r\x1b[8C\x1b[J123", EditStep::GOING },
        { "12345678", 10, { "\u4e2d", "\u4e2d", "\x1b[D", "\x1b[D", "\x7f" }, "\u4e2d\u4e2d",
            "\u4e2d\u4e2d\x1b[1A\r\x1b[8C\x1b[J\u4e2d\u4e2d\r\x1b[1A\r\x1b[8C\x1b[J\u4e2d\u4e2d\x1b[1A\r\x1b[8C", EditStep::GOING },
        { "> ", 80, { "x", "\x1b[A", "\x1b[A", "\x1b[A", "\x1b[B", "\x1b[B" }, "x", "x\r\x1b[2C\x1b[J192.168.1.77\r\x1b[2C\x1b[J10.0.0.1\r\x1b[2C\x1b[J192.168.1.77\r\x1b[2C\x1b[Jx", EditStep::GOING },
        { "> ", 80, { "\x04" }, "", "", EditStep::ENDED },
        { "> ", 80, { "a", "\x1bOP", "\x07", "\t", "b", "\x04" }, "a\tb", "a\tb", EditStep::GOING },
        { "> ", 80, { "ab cd  ef", "\x1b" "b", "\x1b[1;5D", "\x1b" "f", "\x1b[1;5C", "\x1b\x7f", "\x19", "\x19" }, "ab cd  efef",
            "ab cd  ef\r\x1b[2C\x1b[Jab cd  ef\r\x1b[9C\r\x1b[2C\x1b[Jab cd  ef\r\x1b[5C\r\x1b[2C\x1b[Jab cd  ef\r\x1b[7C\r\x1b[2C\x1b[Jab cd  ef\r\x1b[2C\x1b[Jab cd  \r\x1b[2C\x1b[Jab cd  ef\r\x1b[2C\x1b[Jab cd  efef", EditStep::GOING },
        { "> ", 80, { "ab cd", "\x01", "\x1b" "d", "\x19", "\x19", "\x15", "\x19", "\x0b", "\x0c" }, "abab",
            "ab cd\r\x1b[2C\x1b[Jab cd\r\x1b[2C\x1b[J cd\r\x1b[2C\x1b[Jab cd\r\x1b[4C\r\x1b[2C\x1b[Jabab cd\r\x1b[6C\r\x1b[2C\x1b[J cd\r\x1b[2C\x1b[Jabab cd\r\x1b[6C\r\x1b[2C\x1b[Jabab", EditStep::REPAINT },
        { "_ _\b\b\b", 80, { "0", "" }, "0", "0\x1b[J", EditStep::ENDED },
    };
    for (const auto& [prompt, columns, keys, answer, drawn, last] : cases) {
        LineEdit edit;
        edit.prompt = prompt;
        const std::size_t back = prompt.find('\b'); // a prompt steps back only over a template
        edit.answer_template = prompt.substr(0, back == std::string_view::npos ? 0 : back);
        edit.columns = columns;
        edit.history = &earlier;
        std::string all_drawn;
        EditStep step = EditStep::GOING;
        for (std::string_view key : keys) {
            step = edit_key(edit, key);
            all_drawn += edit.drawn;
        }
        EXPECT_EQ(edit.text, answer) << testing::PrintToString(keys);
        EXPECT_EQ(all_drawn, drawn) << testing::PrintToString(keys);
        EXPECT_EQ(step, last) << testing::PrintToString(keys);
    }
}

}
