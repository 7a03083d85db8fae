// mask_entry.cpp -- the mask dialogs in dotted decimal and binary form.
#include "dialogs/mask_entry.h"

#include "address/address_classes.h"
#include "console/answer_reader.h"
#include "console/console.h"
#include "dialogs/binary_entry.h"
#include "dialogs/choice_entry.h"
#include "dialogs/prefix_derivation.h"
#include "text_line.h"

#include <array>

namespace {

constexpr std::string_view BINARY_MASK_PROMPT = "Please insert a Network Mask in binary form: ";
static_assert(BINARY_MASK_PROMPT.size() == PROMPT_COLUMNS);

struct FormLine {
    char letter;
    std::string_view text;
};

constexpr std::array<FormLine, 3> FORM_LINES { {
    { 'A', "Class A Network Masks must have the form : 255.xxx.xxx.xxx\n\n" },
    { 'B', "Class B Network Masks must have the form : 255.255.xxx.xxx\n\n" },
    { 'C', "Class C Network Masks must have the form : 255.255.255.xxx\n\n" },
} };

constexpr std::string_view VALUES_LINE = "Acceptable Values of 'xxx' are : 0,128,192,224,240,248,252,254,255\n\n";

// Six rows: the rejection line, the class's form line and the values line,
// each followed by an empty row.
constexpr int REJECTION_BLOCK_ROWS = 6;

// A last octet above 252 leaves fewer than two host addresses.
bool mask_in_range(int m1, int m2, int m3, int m4)
{
    auto octet = [](int value) { return value >= 0 && value <= 255; };
    return octet(m1) && octet(m2) && octet(m3) && m4 >= 0 && m4 <= 252;
}

bool mask_accepted(char class_letter, int m1, int m2, int m3, int m4)
{
    return mask_in_range(m1, m2, m3, m4) && network_mask_validation_checker(class_letter, m1, m2, m3, m4) == 0;
}

void write_mask(int m1, int m2, int m3, int m4)
{
    TextLine line;
    console_write((append_dotted(line, m1, m2, m3, m4) << "\n\n").view());
}

void show_confirmation(std::string_view text, int m1, int m2, int m3, int m4)
{
    setfgcolor(COLOR_GREEN);
    console_write(text);
    setfgcolor(COLOR_WHITE);
    write_mask(m1, m2, m3, m4);
    SystemPause();
}

void show_rejection_block(std::string_view text, char class_letter, int m1, int m2, int m3, int m4)
{
    setfgcolor(COLOR_RED);
    console_write(text);
    setfgcolor(COLOR_WHITE);
    write_mask(m1, m2, m3, m4);
    for (const auto& form : FORM_LINES)
        if (form.letter == class_letter)
            console_write(form.text);
    console_write(VALUES_LINE);
}

}

void prefix_from_mask_decimal(int& subnets, int& hosts, int& class_host_bits, int& host_bits, int& prefix,
    char& class_letter, int& mask1, int& mask2, int& mask3, int& mask4,
    OctetBits& bits1, OctetBits& bits2, OctetBits& bits3, OctetBits& bits4)
{
    bool refused = false;
    for (;;) {
        mask1 = mask2 = mask3 = mask4 = 0;
        setfgcolor(COLOR_GREEN);
        console_write("Insert Network Mask: ");
        setfgcolor(COLOR_WHITE);
        read_dotted_numbers({ "decimal mask" }, mask1, mask2, mask3, mask4);
        ClearLines(refused ? REJECTION_BLOCK_ROWS + 1 : 1);
        refused = !mask_accepted(class_letter, mask1, mask2, mask3, mask4);
        if (!refused)
            break;
        show_rejection_block("You insert an invalid Network Mask: ", class_letter, mask1, mask2, mask3, mask4);
    }
    show_confirmation("You insert the following Network Mask: ", mask1, mask2, mask3, mask4);
    DecimalIntegerToBinaryArray(mask1, bits1);
    DecimalIntegerToBinaryArray(mask2, bits2);
    DecimalIntegerToBinaryArray(mask3, bits3);
    DecimalIntegerToBinaryArray(mask4, bits4);
    prefix = count_mask_bits(bits1, bits2, bits3, bits4);
    apply_counts_rule(subnets, hosts, class_host_bits, host_bits, prefix);
}

void prefix_from_mask_binary(int& subnets, int& hosts, int& class_host_bits, int& host_bits, int& prefix,
    char& class_letter, int& mask1, int& mask2, int& mask3, int& mask4,
    OctetBits& bits1, OctetBits& bits2, OctetBits& bits3, OctetBits& bits4)
{
    for (;;) {
        if (!read_binary_groups(BINARY_MASK_PROMPT,
                mask1, mask2, mask3, mask4, bits1, bits2, bits3, bits4))
            continue;
        const bool accepted = mask_accepted(class_letter, mask1, mask2, mask3, mask4);
        ClearScreen();
        if (accepted)
            break;
        show_rejection_block("\nYou insert an invalid Network Mask: ", class_letter, mask1, mask2, mask3, mask4);
    }
    show_confirmation("\nYou insert the following Network Mask: ", mask1, mask2, mask3, mask4);
    prefix = count_mask_bits(bits1, bits2, bits3, bits4);
    apply_counts_rule(subnets, hosts, class_host_bits, host_bits, prefix);
}
