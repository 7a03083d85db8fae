// options_menu_test.cpp -- the menu's answers, refusals and the Quick Export question.
#include "menu/options_menu.h"
#include "../dialogs/typed_answers.h"

#include <cstdint>
#include <tuple>

namespace {

using Answers = std::array<std::int16_t, 5>; // input form, prefix method, mode, export, quick export

// Typed text, the answers it leaves, the "False " markers shown, and whether the Quick Export row was.
const std::tuple<const char*, Answers, int, bool> MENU_CASES[] = {
    { "1 3 9 N\n", { 1, 3, 9, 1, 1 }, 0, false },
    { "65537\n8\n65545\nyes\nYellow\n", { 1, 8, 9, 0, 0 }, 0, true },
    { "3abc 2x\n4\n10\nY\n", { 2, 4, 10, 0, 1 }, 1, false },
    { "abc 0 01\n11 9 2 7\n9\n1 0 ok nope\n", { 1, 7, 9, 1, 1 }, 8, false },
    { "+1 5 9 y 1 no\n", { 1, 5, 9, 0, 1 }, 1, true },
    { "2 6 65546 y\n", { 2, 6, 10, 0, 1 }, 0, false },
};

TEST(OptionsMenu, AnswersLandInTheirFields)
{
    for (const auto& [typed, answers, refusals, quick_asked] : MENU_CASES) {
        SCOPED_TRACE(typed);
        Answers got { 7, 7, 7, 7, 7 };
        const std::string screen = run_dialog(typed, [&] { options_menu(got[0], got[1], got[2], got[3], got[4]); });
        EXPECT_EQ(got, answers);
        EXPECT_EQ(occurrences(screen, "False "), refusals);
        EXPECT_EQ(occurrences(screen, "# Quick Export         : Press 'Y/N'  >> Direct export full IP Range"), quick_asked ? 1 : 0);
    }
}

}
