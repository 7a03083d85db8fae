// options_menu_test.cpp -- the menu's answers, refusals and the Quick Export question.
#include "menu/options_menu.h"
#include "../dialogs/typed_answers.h"

#include <cstdint>

namespace {

struct MenuCase {
    const char* typed;
    std::int16_t first_choice, prefix_method, mode, export_answer, quick_answer;
    int refusals;     // "False " markers
    bool quick_asked; // the Quick Export row was shown
};

const MenuCase MENU_CASES[] = {
    { "1 3 9 N\n", 1, 3, 9, 1, 1, 0, false },
    { "65537\n8\n65545\nyes\nYellow\n", 1, 8, 9, 0, 0, 0, true },
    { "3abc 2x\n4\n10\nY\n", 2, 4, 10, 0, 1, 1, false },
    { "abc 0 01\n11 9 2 7\n9\n1 0 ok nope\n", 1, 7, 9, 1, 1, 8, false },
    { "+1 5 9 y 1 no\n", 1, 5, 9, 0, 1, 1, true },
    { "2 6 65546 y\n", 2, 6, 10, 0, 1, 0, false },
};

TEST(OptionsMenu, AnswersLandInTheirFields)
{
    for (const auto& row : MENU_CASES) {
        SCOPED_TRACE(row.typed);
        std::int16_t first_choice = 7, prefix_method = 7, mode = 7, export_answer = 7, quick_answer = 7;
        const std::string screen = run_dialog(row.typed,
            [&] { options_menu(first_choice, prefix_method, mode, export_answer, quick_answer); });
        EXPECT_EQ(first_choice, row.first_choice);
        EXPECT_EQ(prefix_method, row.prefix_method);
        EXPECT_EQ(mode, row.mode);
        EXPECT_EQ(export_answer, row.export_answer);
        EXPECT_EQ(quick_answer, row.quick_answer);
        EXPECT_EQ(occurrences(screen, "False "), row.refusals);
        EXPECT_EQ(occurrences(screen, "# Quick Export         : Press 'Y/N'  >> Direct export full IP Range"),
            row.quick_asked ? 1 : 0);
    }
}

}
