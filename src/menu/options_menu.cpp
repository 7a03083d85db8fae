// options_menu.cpp -- the five questions that open every calculation.
#include "menu/options_menu.h"

#include "dialogs/choice_entry.h"
#include "console/console.h"
#include "text_line.h"

namespace {

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

// The opening rule spans 80 columns, and the title is centred in it.
constexpr std::size_t MENU_COLUMNS = 80;
constexpr auto MENU_RULE = rule_line<MENU_COLUMNS>();
constexpr auto MENU_TITLE = centred<MENU_COLUMNS>("<< IPv4 OPTIONS MENU >>");

Answer yes_or_no(std::string_view option_line)
{
    return read_yes_no(option_line) ? YES : NO;
}

}

void options_menu(Answer& first_choice, Answer& prefix_method, Answer& mode, Answer& export_answer, Answer& quick_answer)
{
    console_write(MENU_RULE);
    setfgcolor(COLOR_GREEN);
    console_write(MENU_TITLE);
    console_write("\n");
    setfgcolor(COLOR_WHITE);
    console_write(MENU_RULE);
    console_write("\n");
    setfgcolor(COLOR_GREEN);
    console_write("To insert:");
    setfgcolor(COLOR_WHITE);
    console_write(INPUT_FORM_ROWS);
    read_choice({ "input form" }, first_choice, { DECIMAL_FORM, BINARY_FORM });
    ClearLines(1);
    console_write(PREFIX_METHOD_ROWS);
    read_choice({ "prefix method" }, prefix_method,
        { DEFAULT_PREFIX, TYPED_PREFIX, PREFIX_FROM_HOSTS, PREFIX_FROM_SUBNETS, MASK_DECIMAL, MASK_BINARY });
    ClearLines(1);
    console_write(MODE_ROWS);
    read_choice({ "mode" }, mode, { STANDARD_MODE, VLSM_MODE });
    ClearLines(1);
    export_answer = yes_or_no(EXPORT_OPTION);
    ClearLines(1);
    if (mode == STANDARD_MODE && export_answer == YES)
        quick_answer = yes_or_no(QUICK_OPTION);
    else
        quick_answer = NO;
    ClearScreen();
}
