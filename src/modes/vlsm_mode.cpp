// vlsm_mode.cpp -- carving subnets of non-increasing size from the current network.
#include "modes/vlsm_mode.h"

#include "address/subnet_math.h"
#include "console/answer_reader.h"
#include "dialogs/choice_entry.h"
#include "console/console.h"
#include "dialogs/prefix_derivation.h"
#include "modes/subnet_walk.h"
#include "report/address_lines.h"
#include "report/report_lines.h"
#include "report/report_output.h"
#include "text_line.h"

#include <array>

namespace {

// The answers of a pass, and of the prompt after it, kept in prefix_method.
constexpr Answer NEW_PREFIX = 1;
constexpr Answer MAX_HOSTS = 2;
constexpr Answer PREVIOUS_SETTINGS = 3;
constexpr Answer STOP = 1;

constexpr std::string_view PASS_MENU_ROWS =
    " # New Prefix          : Press '1'         Note: 0 to 30\n"
    "           # Max Hosts           : Press '2'         Note: >0\n";

void start(Calculation& c)
{
    c.initial_prefix = c.prefix;
    c.last_prefix = c.initial_prefix;
    c.vlsm_pass = 0;
    c.vlsm_hosts = 0;
    c.vlsm_subnets = 0;
    c.used_hosts = 0;
    c.remaining_hosts = 0;
    c.class_host_bits = c.initial_prefix;
}

void ask_pass_answer(Calculation& c)
{
    setfgcolor(COLOR_GREEN);
    console_write("To insert:");
    setfgcolor(COLOR_WHITE);
    console_write(PASS_MENU_ROWS);
    if (c.vlsm_pass == 1) {
        read_choice({ "first pass" }, c.prefix_method, { NEW_PREFIX, MAX_HOSTS });
        ClearLines(3);
        return;
    }
    TextLine previous;
    previous << "           # Previous Settings   : Press '3'         Note: Prefix " << c.last_prefix << '\n';
    console_write(previous.view());
    read_choice({ "later pass" }, c.prefix_method, { NEW_PREFIX, MAX_HOSTS, PREVIOUS_SETTINGS });
    ClearLines(4);
}

void ask_subnet_size(Calculation& c)
{
    if (c.prefix_method == NEW_PREFIX)
        prefix_input(c.vlsm_subnets, c.vlsm_hosts, c.class_host_bits, c.host_bits, c.prefix, c.class_letter);
    else if (c.prefix_method == MAX_HOSTS)
        prefix_from_hosts(c.vlsm_subnets, c.vlsm_hosts, c.class_host_bits, c.host_bits, c.prefix, c.class_letter);
}

// The red span that follows every size answer: the refusal when the subnet
// would be larger than the one before it, which stays on the screen; else empty.
bool refuse_if_larger(const Calculation& c)
{
    const bool refused = c.prefix < c.last_prefix;
    setfgcolor(COLOR_RED);
    if (refused) {
        TextLine refusal;
        refusal << "The new Prefix must be bigger or equal to the last : " << c.last_prefix << '\n';
        console_write(refusal.view());
    }
    setfgcolor(COLOR_WHITE);
    return refused;
}

// The same question until the subnet is no larger than the one before it.
void settle_prefix(Calculation& c)
{
    ask_subnet_size(c);
    while (refuse_if_larger(c))
        ask_subnet_size(c);
}

void count_and_mask(Calculation& c)
{
    c.last_prefix = c.prefix;
    c.used_hosts += c.vlsm_hosts + 2;
    c.remaining_hosts = c.hosts + 2 - c.used_hosts;
    auto& [m1, m2, m3, m4] = c.mask_bits;
    network_mask_finder(m1, m2, m3, m4, c.prefix);
    for (std::size_t k = 0; k < 4; ++k)
        c.mask_octets[k] = BinaryArrayToDecimalInteger(c.mask_bits[k]);
}

// The first subnet starts at the current network, so every subnet is aligned
// and inside the starting network; each later one follows the last broadcast.
void move_to_subnet(Calculation& c)
{
    if (c.vlsm_pass > 1) {
        auto& [d1, d2, d3, d4] = c.net_octets;
        next_address(d1, d2, d3, d4);
    }
}

void report_subnet(Calculation& c)
{
    TextLine screen_heading;
    screen_heading << "Sub Network " << c.vlsm_pass << "\n\n";
    TextLine file_heading;
    file_heading << '\n' << screen_heading.view();
    report_heading(c, screen_heading.view(), file_heading.view());

    TextLine new_hosts;
    new_hosts << "# New Hosts         : " << c.vlsm_hosts << "+2 (Network IP & Broadcast IP)\n";
    report_text(c, new_hosts.view(), new_hosts.view());
    report_address_line(c, LABEL_NEW_MASK, c.mask_octets);
    std::array<char, SECTION_ROOM> lines;
    report_address_lines(c, put_address_lines(lines.data(), section_form(c, LABEL_LAST_NETWORK), walk_subnet(c)));

    TextLine used;
    used << "# Used Hosts        : " << c.used_hosts << '/' << c.hosts + 2 << ":\n";
    TextLine file_used;
    file_used << '\n' << used.view();
    report_text(c, used.view(), file_used.view());
    TextLine remaining;
    remaining << "# Remaining Hosts   : " << c.remaining_hosts << '/' << c.hosts + 2 << ":\n";
    report_text(c, remaining.view(), remaining.view());
    report_text(c, SCREEN_RULE, FILE_RULE);
}

void ask_to_continue(Calculation& c)
{
    setfgcolor(COLOR_WHITE);
    console_write("Press any 'Char' to Continue or '1' to STOP: ");
    setfgcolor(COLOR_WHITE);
    c.prefix_method = keep_low_16_bits(read_token({ "continue" }).value);
    ClearLines(1);
}

}

void vlsm_mode(Calculation& c)
{
    start(c);
    report_title(c, TITLE_VLSM_MODE);
    do {
        ++c.vlsm_pass;
        ask_pass_answer(c);
        settle_prefix(c);
        count_and_mask(c);
        move_to_subnet(c);
        report_subnet(c);
        ask_to_continue(c);
    } while (c.prefix_method != STOP && c.used_hosts < c.hosts);
}
