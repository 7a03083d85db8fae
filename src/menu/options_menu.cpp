// options_menu.cpp -- the five questions that open every calculation.
#include "menu/options_menu.h"

#include "console/answer_reader.h"
#include "console/console.h"

#include <algorithm>

namespace {

constexpr std::string_view MENU_RULE = "________________________________________________________________________________\n";
constexpr std::string_view MENU_TITLE = "                            << IPv4 OPTIONS MENU >>\n";

constexpr std::string_view INPUT_FORM_ROWS =
    " # IPv4 in decimal Form : Press '1'    >> 192.168.1.1\n"
    "           # IPv4 in binary  Form : Press '2'    >> 8bit.8bit.8bit.8bit\n";

constexpr std::string_view PREFIX_METHOD_ROWS =
    "\n"
    "           # Default Prefix       : Press '3'    >> A=8 B=16 C=24\n"
    "           # Prefix               : Press '4'    >> 8 to 30\n"
    "           # Max Hosts            : Press '5'    >> Hosts   > 2\n"
    "           # Max Subnets          : Press '6'    >> Subnets > 0\n"
    "           # Network Mask Decimal : Press '7'    >> 255.255.255.0\n"
    "           # Network Mask Binary  : Press '8'    >> 8bit.8bit.8bit.8bit\n";

constexpr std::string_view MODE_ROWS =
    "\n"
    "           # Standard Mode        : Press '9'    >> Calculates IPs in sequence \n"
    "           # VLSM Mode            : Press '10'   >> Variable Lengh Subnet Mask\n";

constexpr std::string_view EXPORT_OPTION = "\n           # Results Export       : Press 'Y/N'  >> Export to file";
constexpr std::string_view QUICK_OPTION = "           # Quick Export         : Press 'Y/N'  >> Direct export full IP Range";

constexpr std::int16_t YES = 0;
constexpr std::int16_t NO = 1;
constexpr std::int16_t UNDECIDED = 2;

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

std::int16_t yes_no_value(char first)
{
    switch (first) {
    case 'Y':
    case 'y':
        return YES;
    case 'N':
    case 'n':
        return NO;
    default:
        return UNDECIDED;
    }
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

void read_yes_no(std::string_view option_line, std::int16_t& field)
{
    setfgcolor(COLOR_GREY);
    console_write(option_line);
    console_write("\n");
    setfgcolor(COLOR_WHITE);
    for (;;) {
        write_input_prompt();
        field = yes_no_value(read_token().first);
        if (field != UNDECIDED)
            return;
        mark_refused_answer();
    }
}

void options_menu(std::int16_t& first_choice, std::int16_t& prefix_method, std::int16_t& mode,
    std::int16_t& export_answer, std::int16_t& quick_answer)
{
    console_write(MENU_RULE);
    setfgcolor(COLOR_GREEN);
    console_write(MENU_TITLE);
    setfgcolor(COLOR_WHITE);
    console_write(MENU_RULE);
    console_write("\n");
    setfgcolor(COLOR_GREEN);
    console_write("To insert:");
    setfgcolor(COLOR_WHITE);
    console_write(INPUT_FORM_ROWS);
    read_choice(first_choice, { 1, 2 });
    ClearLines(1);
    console_write(PREFIX_METHOD_ROWS);
    read_choice(prefix_method, { 3, 4, 5, 6, 7, 8 });
    ClearLines(1);
    console_write(MODE_ROWS);
    read_choice(mode, { 9, 10 });
    ClearLines(1);
    read_yes_no(EXPORT_OPTION, export_answer);
    ClearLines(1);
    if (mode == 9 && export_answer == YES)
        read_yes_no(QUICK_OPTION, quick_answer);
    else
        quick_answer = NO;
    ClearScreen();
}
