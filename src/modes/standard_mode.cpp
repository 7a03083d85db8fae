// standard_mode.cpp -- the equal subnets of the classful network, all or a range.
#include "modes/standard_mode.h"

#include "address/subnet_math.h"
#include "console/answer_reader.h"
#include "console/console.h"
#include "dialogs/choice_entry.h"
#include "modes/quick_export.h"
#include "modes/subnet_walk.h"
#include "report/address_lines.h"
#include "report/report_lines.h"
#include "report/report_output.h"
#include "report/screen_output.h"
#include "text_line.h"

#include <array>

namespace {

constexpr std::string_view RANGE_INSTRUCTIONS =
    "# Please set the range of the Sub Networks: Press 'START' 'SPACE' 'END'\n"
    "  Decription:  To see all the Sub Networks: Press   '0'   'SPACE'  '0'\n\n";

// The range is typed over "_ _", the prompt stepping back to its first place.
constexpr std::string_view RANGE_PROMPT = "Input: _ _\b\b\b";
constexpr Question RANGE_QUESTION { "range", RANGE_PROMPT.substr(7, 3) };

// Title bar (3), total and its empty row (2), instructions (3), prompt row (1).
constexpr int SELECTION_DIALOG_ROWS = 9;

bool range_accepted(const Calculation& c, int numbers_read)
{
    return numbers_read == 2 && c.range_start >= 0 && c.range_start <= c.subnets
        && c.range_end >= 0 && c.range_end <= c.subnets;
}

void select_range(Calculation& c)
{
    print_title_bar(TITLE_SUBNET_SELECTION);
    setfgcolor(COLOR_GREEN);
    TextLine total;
    total << "                             Total Sub Networks: " << c.subnets << "\n\n";
    console_write(total.view());
    setfgcolor(COLOR_WHITE);
    console_write(RANGE_INSTRUCTIONS);
    for (;;) {
        setfgcolor(COLOR_WHITE);
        console_write(RANGE_PROMPT);
        setfgcolor(COLOR_WHITE);
        if (range_accepted(c, read_two_numbers(RANGE_QUESTION, c.range_start, c.range_end)))
            break;
        ClearLines(1);
        setfgcolor(COLOR_RED);
        console_write("False ");
    }
    ClearLines(SELECTION_DIALOG_ROWS);
}

void move_to_classful_network(Calculation& c)
{
    auto& [b1, b2, b3, b4] = c.net_bits;
    nullifying_sf(b1, b2, b3, b4, c.class_letter);
    net_octets_from_bits(c);
}

// Steps over whole subnets one address at a time, to the network address of
// subnet range_start.
void skip_to_range_start(Calculation& c)
{
    move_to_classful_network(c);
    auto& [d1, d2, d3, d4] = c.net_octets;
    for (c.skip_index = 1; c.skip_index < c.range_start; ++c.skip_index)
        for (c.step_count = 1; c.step_count <= c.hosts + 2; ++c.step_count)
            next_address(d1, d2, d3, d4);
}

void pause_after_subnet()
{
    setfgcolor(COLOR_WHITE);
    console_write("\n");
    SystemPause();
    setfgcolor(COLOR_WHITE);
    ClearLines(2);
}

// Each subnet after the first listed starts after the broadcast address of
// the one before. The first starts at the classful network, unless the skip
// walk has already brought the running address to a later one. Only the
// octets move: the walk through the subnet sets the bits from them.
void move_to_subnet(Calculation& c)
{
    if (c.listed_count > 0) {
        auto& [d1, d2, d3, d4] = c.net_octets;
        next_address(d1, d2, d3, d4);
    } else if (c.subnet_index == 1) {
        move_to_classful_network(c);
    }
}

void list_subnet(Calculation& c, const SectionForm& form, const SubnetNumber& number)
{
    move_to_subnet(c);
    ++c.listed_count;

    std::array<char, SECTION_ROOM> section;
    report_subnet_section(c, put_section(section.data(), form, number, walk_subnet(c)));
    pause_after_subnet();
}

// Every subnet of the range, shown one at a time.
void list_on_screen(Calculation& c)
{
    const SectionForm form = section_form(c, LABEL_LAST_HOST);
    SubnetNumber number = subnet_number(c.skip_index);
    for (c.subnet_index = c.skip_index; c.subnet_index <= c.range_end; ++c.subnet_index) {
        list_subnet(c, form, number);
        count_up(number);
    }
}

}

void standard_mode(Calculation& c)
{
    // The range is asked for a listing on screen of more than two subnets;
    // otherwise every subnet is listed. An end of 0 means the last subnet, a
    // start of 0 or 1 the first; a later start is reached by the skip walk.
    if (c.subnets > 2 && c.quick_answer == NO)
        select_range(c);
    else
        c.range_end = c.subnets;
    if (c.range_end == 0)
        c.range_end = c.subnets;
    if (c.range_start <= 1)
        c.skip_index = 1;
    else
        skip_to_range_start(c);

    report_title(c, TITLE_STANDARD_MODE);
    // A quick export lists every subnet and shows none, so the whole listing
    // can be formed in bulk for the file.
    if (!shows_on_screen(c)) {
        move_to_classful_network(c);
        export_every_subnet(c);
        return;
    }
    list_on_screen(c);
}
