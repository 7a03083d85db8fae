// binary_entry.cpp -- the guide, entry template and digit check of the binary forms.
#include "dialogs/binary_entry.h"

#include "address/address_classes.h"
#include "console/answer_reader.h"
#include "console/console.h"

namespace {

constexpr std::string_view GUIDE_LINE = "                                      Guide:|________.________.________.________|\n";

// Typed digits overwrite the template: 35 backspaces put the cursor on its first underscore.
constexpr std::string_view ENTRY_TEMPLATE =
    "________.________.________.________"
    "\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b";

constexpr std::string_view BINARY_DIGIT_MESSAGE = "\nA Binary number must only contain '0' and '1' digits\n\n";

}

bool read_binary_groups(std::string_view prompt, int& value1, int& value2, int& value3, int& value4,
    OctetBits& bits1, OctetBits& bits2, OctetBits& bits3, OctetBits& bits4)
{
    value1 = value2 = value3 = value4 = 0;
    setfgcolor(COLOR_WHITE);
    console_write(GUIDE_LINE);
    setfgcolor(COLOR_GREEN);
    console_write(prompt);
    setfgcolor(COLOR_WHITE);
    console_write(ENTRY_TEMPLATE);
    // Each group is read as a decimal integer whose digits are the bits.
    read_dotted_numbers(value1, value2, value3, value4);
    BinaryIntegerSplitterToBinaryArray(value1, bits1);
    BinaryIntegerSplitterToBinaryArray(value2, bits2);
    BinaryIntegerSplitterToBinaryArray(value3, bits3);
    BinaryIntegerSplitterToBinaryArray(value4, bits4);
    if (ip_binary_validation_checker(bits1, bits2, bits3, bits4) == 1) {
        ClearScreen();
        setfgcolor(COLOR_RED);
        console_write(BINARY_DIGIT_MESSAGE);
        setfgcolor(COLOR_WHITE);
        return false;
    }
    value1 = BinaryArrayToDecimalInteger(bits1);
    value2 = BinaryArrayToDecimalInteger(bits2);
    value3 = BinaryArrayToDecimalInteger(bits3);
    value4 = BinaryArrayToDecimalInteger(bits4);
    return true;
}
