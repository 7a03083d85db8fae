// choice_reader.cpp -- questions answered by one of a few numbers, or by yes or no.
#include "console/choice_reader.h"

#include "console/answer_reader.h"
#include "console/console.h"

#include <algorithm>
#include <cctype>

namespace {

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

void read_choice(std::int16_t& field, std::initializer_list<int> accepted)
{
    for (;;) {
        write_input_prompt();
        field = keep_low_16_bits(read_token().value);
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
        const int answer = std::tolower(static_cast<unsigned char>(read_token().first));
        if (answer == 'y' || answer == 'n')
            return answer == 'y';
        mark_refused_answer();
    }
}
