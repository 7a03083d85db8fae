// binary_entry.cpp -- the guide, entry template and digit check of the binary forms.
#include "dialogs/binary_entry.h"

#include "address/address_classes.h"
#include "console/answer_reader.h"
#include "console/console.h"
#include "text_line.h"

namespace {

// Four groups of eight bits, as the guide frames them and the entry shows them.
constexpr std::string_view GROUPS = "________.________.________.________";
constexpr std::string_view GUIDE_START = "Guide:|";

// The guide's groups stand right above the entry's, which follow a prompt of PROMPT_COLUMNS.
constexpr auto GUIDE_LINE = [] {
    FixedText<PROMPT_COLUMNS + GROUPS.size() + 2> line;
    line.bytes.fill(' ');
    GUIDE_START.copy(line.bytes.data() + PROMPT_COLUMNS - GUIDE_START.size(), GUIDE_START.size());
    GROUPS.copy(line.bytes.data() + PROMPT_COLUMNS, GROUPS.size());
    line.bytes[line.size() - 2] = '|';
    line.bytes[line.size() - 1] = '\n';
    return line;
}();

// Typed digits overwrite the entry's groups: as many backspaces put the cursor on its first underscore.
constexpr auto ENTRY_TEMPLATE = [] {
    FixedText<2 * GROUPS.size()> entry;
    entry.bytes.fill('\b');
    GROUPS.copy(entry.bytes.data(), GROUPS.size());
    return entry;
}();

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
    read_dotted_numbers({ prompt, GROUPS }, value1, value2, value3, value4);
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
