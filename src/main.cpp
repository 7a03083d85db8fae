// main.cpp -- entry point, splash screen and the calculation loop.
#include "address/address_classes.h"
#include "address/subnet_math.h"
#include "calculation.h"
#include "command_line.h"
#include "console/answer_reader.h"
#include "console/console.h"
#include "dialogs/address_entry.h"
#include "dialogs/choice_entry.h"
#include "dialogs/mask_entry.h"
#include "dialogs/prefix_derivation.h"
#include "menu/options_menu.h"
#include "modes/standard_mode.h"
#include "modes/vlsm_mode.h"
#include "report/export_file.h"
#include "report/report_lines.h"
#include "report/report_output.h"
#include "report/screen_output.h"

#include <array>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view SPLASH_ART =
    "\n\n"
    " 0  011000    010100 010101 0     101001 1   0 1     010101 01010 010101 01010\n"
    " 0  0    0    1    0 1    8 1     1    1 1   0 0     0    0   1   1    1 1   1\n"
    " 0  100010    10     010101 01    01     01  1 01    010101   01  1    0 010101\n"
    " 01 10        11     01   8 01    01     01  0 10    01   1   00  0    0 10   1\n"
    " 01 00        01   1 11   8 01    10   1 01  1 11    01   1   11  0    0 01   1\n"
    " 10 01        010100 10   8 10101 010101 01010 01011 01   1   01  101010 01   1\n"
    " \n";

// The credits banner: "SUBNETTER" drawn in the same digit style.
constexpr std::string_view SPLASH_CREDITS =
    "                010101 1    0 101001 10   1 010101 010101 010101 010101 01010\n"
    "                0      0    1 1    1 0 1  0 1        11     10   1      1   1\n"
    "                010101 1    0 101010 1  0 1 010101   01     01   010101 01010\n"
    "                     1 0    1 1    0 0   11 1        10     10   1      1  0\n"
    "                010101 101010 101001 1    0 010101   01     01   010101 1   0\n";

constexpr std::string_view SPLASH_EDITION = "\n                      classful IPv4 subnetting, standard & VLSM\n";

void start_menu_graphics()
{
    print_title_bar(TITLE_CALCULATOR);
    setfgcolor(COLOR_GREEN);
    console_write(SPLASH_ART);
    console_write(SPLASH_CREDITS);
    console_write(SPLASH_EDITION);
    setfgcolor(COLOR_WHITE);
    console_write(FILE_RULE);
    console_write("\n");
    setfgcolor(COLOR_GREEN);
    console_write("                        PRESS ANY KEY TO ENTER IN PROGRAM:");
    setfgcolor(COLOR_WHITE);
    read_one_character();
    ClearScreen();
}

void enter_address(Calculation& c)
{
    auto& [o1, o2, o3, o4] = c.ip_octets;
    auto& [b1, b2, b3, b4] = c.ip_bits;
    if (c.first_choice == DECIMAL_FORM)
        ip_decimal_input(o1, o2, o3, o4, b1, b2, b3, b4);
    else
        ip_binary_input(o1, o2, o3, o4, b1, b2, b3, b4);
}

// The dialogs of the prefix methods DEFAULT_PREFIX to PREFIX_FROM_SUBNETS, in
// that order; the mask follows from the prefix they leave.
using PrefixDialog = void (*)(int& subnets, int& hosts, int& class_host_bits, int& host_bits, int& prefix,
    char& class_letter);
constexpr std::array<PrefixDialog, 4> PREFIX_DIALOGS { default_prefix, prefix_input, prefix_from_hosts,
    prefix_from_subnets };
static_assert(PREFIX_FROM_SUBNETS - DEFAULT_PREFIX + 1 == PREFIX_DIALOGS.size());

void derive_prefix(Calculation& c)
{
    auto& [m1, m2, m3, m4] = c.mask_octets;
    auto& [b1, b2, b3, b4] = c.mask_bits;
    if (c.prefix_method == MASK_DECIMAL || c.prefix_method == MASK_BINARY) {
        const auto mask_dialog = c.prefix_method == MASK_DECIMAL ? prefix_from_mask_decimal : prefix_from_mask_binary;
        mask_dialog(c.subnets, c.hosts, c.class_host_bits, c.host_bits, c.prefix, c.class_letter,
            m1, m2, m3, m4, b1, b2, b3, b4);
        return;
    }
    PREFIX_DIALOGS[static_cast<std::size_t>(c.prefix_method - DEFAULT_PREFIX)](c.subnets, c.hosts,
        c.class_host_bits, c.host_bits, c.prefix, c.class_letter);
    network_mask_finder(b1, b2, b3, b4, c.prefix);
    for (std::size_t k = 0; k < 4; ++k)
        c.mask_octets[k] = BinaryArrayToDecimalInteger(c.mask_bits[k]);
}

void show_report_title(Calculation& c)
{
    if (c.quick_answer == YES) {
        print_title_bar(TITLE_QUICK_PRINT);
        console_write("Exporting Results...\n");
    } else {
        print_title_bar(TITLE_INFORMATION);
    }
}

// An export file that cannot be created turns the calculation into one
// without export, so its results are at least shown on the screen.
void start_export(Calculation& c)
{
    open_export_file(c.export_count, c.file_name, c.export_file, c.quick_answer == YES);
    if (c.export_file == nullptr)
        c.export_answer = c.quick_answer = NO;
}

void finish_calculation(Calculation& c)
{
    if (c.quick_answer == YES) {
        ClearLines(2);
        console_write("\a");
    }
    setfgcolor(COLOR_GREEN);
    console_write("\nPress any 'Char' to EXIT/SAVE or '1' to RESET: ");
    setfgcolor(COLOR_WHITE);
    c.first_choice = keep_low_16_bits(read_token({ "closing" }).value);
    if (c.export_answer == YES) {
        close_export_file(c.export_file, c.file_name);
        setfgcolor(COLOR_WHITE);
        console_write("\n");
        SystemPause();
        setfgcolor(COLOR_WHITE);
    }
    ClearScreen();
}

void run_calculation(Calculation& c)
{
    options_menu(c.first_choice, c.prefix_method, c.mode, c.export_answer, c.quick_answer);
    enter_address(c);
    c.class_letter = NetworkClassFinder(c.ip_octets[0], c.class_host_bits);
    c.class_ok = static_cast<std::uint8_t>(NetClassValidation(c.class_letter));
    // A refused class leaves its line on the screen and the next calculation
    // starts below it.
    if (c.class_ok != 1) {
        c.first_choice = RESET;
        return;
    }
    derive_prefix(c);
    ClearScreen();
    // The file is tried before the title, so a calculation that loses its
    // export is titled as the on-screen report it becomes.
    if (c.export_answer == YES)
        start_export(c);
    show_report_title(c);
    report_information_block(c);
    if (c.mode == STANDARD_MODE)
        standard_mode(c);
    else
        vlsm_mode(c);
    finish_calculation(c);
}

}

int main(int argc, char* argv[])
{
    open_missing_standard_descriptors();
    if (const std::optional<int> status = answer_command_line(argc, argv))
        return *status;
    set_way_out(save_export_on_way_out);
    setup_window();
    start_menu_graphics();
    Calculation calculation;
    do {
        reset_calculation(calculation);
        run_calculation(calculation);
    } while (calculation.first_choice == RESET);
    console_flush();
    return export_status();
}
