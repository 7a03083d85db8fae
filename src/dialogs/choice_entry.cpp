// choice_entry.cpp -- questions answered by one of a few numbers, or by yes or
// no, and the key pause.
#include "dialogs/choice_entry.h"

#include "console/console.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view PAUSE_PROMPT = "Press any key to continue . . . ";

void write_input_prompt()
{
    setfgcolor(COLOR_GREEN);
    console_write("Input: ");
    setfgcolor(COLOR_WHITE);
}

// The refused answer's row is blanked and "False " starts the new prompt on it.
void mark_refused_answer()
{
    ClearLines(1);
    setfgcolor(COLOR_RED);
    console_write("False ");
    setfgcolor(COLOR_WHITE);
}

}

void read_choice(const Question& question, std::int16_t& field, std::initializer_list<int> accepted)
{
    for (;;) {
        write_input_prompt();
        field = keep_low_16_bits(read_token(question).value);
        if (std::find(accepted.begin(), accepted.end(), field) != accepted.end())
            return;
        mark_refused_answer();
    }
}

bool read_yes_no(std::string_view option_line)
{
    setfgcolor(COLOR_GREY);
    console_write(option_line);
    console_write("\n");
    setfgcolor(COLOR_WHITE);
    for (;;) {
        write_input_prompt();
        const int answer = std::tolower(static_cast<unsigned char>(read_token({ option_line }).first));
        if (answer == 'y' || answer == 'n')
            return answer == 'y';
        mark_refused_answer();
    }
}

void SystemPause()
{
    pause_for_key(PAUSE_PROMPT);
}
