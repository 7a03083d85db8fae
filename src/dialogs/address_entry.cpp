// address_entry.cpp -- the address dialogs in dotted decimal and binary form.
#include "dialogs/address_entry.h"

#include "console/answer_reader.h"
#include "console/console.h"
#include "dialogs/binary_entry.h"
#include "text_line.h"

namespace {

constexpr std::string_view BINARY_ADDRESS_PROMPT = "Please insert an IPv4 Adress in binary form: ";
static_assert(BINARY_ADDRESS_PROMPT.size() == PROMPT_COLUMNS);

constexpr int LOOPBACK_OCTET = 127;

bool is_octet(int value)
{
    return value >= 0 && value <= 255;
}

bool address_accepted(int o1, int o2, int o3, int o4)
{
    return o1 != LOOPBACK_OCTET && is_octet(o1) && is_octet(o2) && is_octet(o3) && is_octet(o4);
}

void write_dotted(int o1, int o2, int o3, int o4, std::string_view ending)
{
    TextLine line;
    console_write((append_dotted(line, o1, o2, o3, o4) << ending).view());
}

// A result line below an empty first row of a cleared screen.
void show_result(int colour, std::string_view text, int o1, int o2, int o3, int o4, std::string_view ending)
{
    ClearScreen();
    setfgcolor(colour);
    console_write(text);
    setfgcolor(COLOR_WHITE);
    write_dotted(o1, o2, o3, o4, ending);
}

void show_rejection(int o1, int o2, int o3, int o4)
{
    show_result(COLOR_RED, "\nYou insert an invalid IPv4 Address: ", o1, o2, o3, o4, "\n");
}

}

void ip_decimal_input(int& octet1, int& octet2, int& octet3, int& octet4,
    OctetBits& bits1, OctetBits& bits2, OctetBits& bits3, OctetBits& bits4)
{
    for (;;) {
        octet1 = octet2 = octet3 = octet4 = 0;
        setfgcolor(COLOR_GREEN);
        console_write("\nPlease insert an IPv4 Address in decimal form: ");
        setfgcolor(COLOR_WHITE);
        read_dotted_numbers({ "decimal address" }, octet1, octet2, octet3, octet4);
        if (address_accepted(octet1, octet2, octet3, octet4))
            break;
        show_rejection(octet1, octet2, octet3, octet4);
    }
    show_result(COLOR_GREEN, "\nYou insert the following IPv4 Address: ", octet1, octet2, octet3, octet4, "\n\n");
    DecimalIntegerToBinaryArray(octet1, bits1);
    DecimalIntegerToBinaryArray(octet2, bits2);
    DecimalIntegerToBinaryArray(octet3, bits3);
    DecimalIntegerToBinaryArray(octet4, bits4);
}

void ip_binary_input(int& octet1, int& octet2, int& octet3, int& octet4,
    OctetBits& bits1, OctetBits& bits2, OctetBits& bits3, OctetBits& bits4)
{
    for (;;) {
        if (!read_binary_groups(BINARY_ADDRESS_PROMPT,
                octet1, octet2, octet3, octet4, bits1, bits2, bits3, bits4))
            continue;
        if (address_accepted(octet1, octet2, octet3, octet4))
            break;
        show_rejection(octet1, octet2, octet3, octet4);
    }
    show_result(COLOR_GREEN, "\nYou insert the following IPv4 Adress: ", octet1, octet2, octet3, octet4, "\n\n");
}
