// address_lines.h -- address lines and the subnet sections made of them, formed in one place for the file and the screen.
#pragma once

#include "report/report_lines.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

struct Calculation;

// An address as one number, its first octet in the high byte.
using Address = std::uint32_t;

// The four octets, each 0..255, as one number.
inline Address address_of(const std::array<int, 4>& octets)
{
    Address address = 0;
    for (int octet : octets)
        address = address << 8 | static_cast<Address>(octet);
    return address;
}

// The text formed from `start` up to `end`.
inline std::string_view text_between(const char* start, const char* end)
{
    return { start, static_cast<std::size_t>(end - start) };
}

// A short text kept with room to spare: put with one fixed-size copy, after
// which the write position moves on by its true length only.
struct ShortText {
    std::array<char, 16> bytes {};
    std::size_t length = 0;
};

// "/prefix" and the line end, which close every address line of a calculation.
ShortText prefix_suffix(int prefix);

// A label, the binary form and " : " fill the same 60 columns of every
// address line; the decimal form starts after them.
inline constexpr std::size_t DECIMAL_COLUMN =
    LABEL_NETWORK_IP.size() + std::string_view("bbbbbbbb.bbbbbbbb.bbbbbbbb.bbbbbbbb : ").size();

// The columns of an address line that only its label changes: the label, the
// dots of the binary form and the separator.
struct AddressLineStart {
    std::array<char, DECIMAL_COLUMN> columns {};
};

AddressLineStart address_line_start(std::string_view label);

// Room put_address_line needs: the decimal form takes at most 16 bytes, and
// the suffix's fixed-size copy starts on its last one.
inline constexpr std::size_t ADDRESS_LINE_ROOM = DECIMAL_COLUMN + 16 + sizeof(ShortText::bytes);

// The label, the binary form of `address`, " : ", its decimal form and
// `suffix`. Writes at most ADDRESS_LINE_ROOM bytes; returns the end of the line.
char* put_address_line(char* at, const AddressLineStart& start, Address address, const ShortText& suffix);

// Whole address lines as put_address_line forms them, on the screen, which
// is in white before and after: at once where the screen shows no colours;
// on a terminal the label white, the binary form green, the separator and the
// decimal form white, the suffix green.
void show_address_lines(std::string_view lines);

// A subnet of prefix 30 has only the gateway and the last host as usable
// addresses, so it has no First Host IP line.
inline constexpr int PREFIX_WITHOUT_FIRST_HOST = 30;

// Each subnet of the standard mode's listing opens with this, its number,
// "/" and the number of subnets.
inline constexpr std::string_view SUBNET_HEADING_START = "\nSub Network ";

// The addresses a subnet's lines show, in the order of its lines.
enum SubnetAddress : std::size_t { NETWORK, GATEWAY, FIRST_HOST, LAST_HOST, BROADCAST };
using SubnetAddresses = std::array<Address, 5>;

// The subnet number as text, counted up in place rather than converted anew
// for each of millions of subnets. The digits sit at the end of the array, so
// a new leading digit moves nothing.
struct SubnetNumber {
    std::array<char, 16> digits {};
    std::size_t first = digits.size();
};

// The number's text; 0 gives none, and counting up from none gives 1.
SubnetNumber subnet_number(int value);
void count_up(SubnetNumber& number);

// What every section of a calculation's listing shares: its address lines
// (without First Host IP at prefix 30), the heading's end and the suffix.
struct SectionForm {
    struct Line {
        AddressLineStart start;
        SubnetAddress shows;
    };
    std::array<Line, 5> lines {};
    std::size_t line_count = 0;
    ShortText heading_end; // "/subnets" and the empty line
    ShortText suffix;      // "/prefix" and the line end
};

SectionForm section_form(const Calculation& calculation, std::string_view last_label);

// Where put_section put each part of a section; the rule ends at `end`.
struct SectionParts {
    char* heading;
    char* lines;
    char* rule;
    char* end;
};

// Room put_section needs: the heading, five address lines and the file's rule,
// fixed-size copies past their ends included.
inline constexpr std::size_t SECTION_ROOM = 1024;

// The section's address lines alone. Writes at most SECTION_ROOM bytes.
char* put_address_lines(char* at, const SectionForm& form, const SubnetAddresses& addresses);

// The heading "\nSub Network n/subnets\n\n", the address lines and the file's
// rule. Writes at most SECTION_ROOM bytes.
SectionParts put_section(char* at, const SectionForm& form, const SubnetNumber& number, const SubnetAddresses& addresses);

// A section's heading in green and its address lines, on the screen, which is
// in white before and after. No rule: the screen pauses there instead.
void show_section(const SectionParts& section);
