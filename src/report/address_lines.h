// address_lines.h -- address lines and the subnet sections made of them, formed as bytes for the file and the screen alike.
#pragma once

#include "address/subnet_addresses.h"
#include "report/report_lines.h"

#include <array>
#include <cstddef>
#include <string_view>

struct Calculation;

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

// The columns of an address line: the label, the binary form from
// BINARY_COLUMN, " : " from SEPARATOR_COLUMN and the decimal form from
// DECIMAL_COLUMN, the same on every line.
inline constexpr std::string_view BINARY_FORM_TEMPLATE = "bbbbbbbb.bbbbbbbb.bbbbbbbb.bbbbbbbb";
inline constexpr std::string_view ADDRESS_SEPARATOR = " : ";
inline constexpr std::size_t BINARY_COLUMN = LABEL_NETWORK_IP.size();
inline constexpr std::size_t SEPARATOR_COLUMN = BINARY_COLUMN + BINARY_FORM_TEMPLATE.size();
inline constexpr std::size_t DECIMAL_COLUMN = SEPARATOR_COLUMN + ADDRESS_SEPARATOR.size();

// The columns of an address line that only its label changes: the label, the
// dots of the binary form and the separator.
struct AddressLineStart {
    std::array<char, DECIMAL_COLUMN> columns {};
};

// The fixed columns of the address line of `label` (22 characters).
AddressLineStart address_line_start(std::string_view label);

// The decimal form is copied as four octet texts of at most three digits and
// a dot, four bytes each; the suffix's fixed-size copy starts on the last one.
inline constexpr std::size_t DECIMAL_FORM_ROOM = 4 * 4;
inline constexpr std::size_t ADDRESS_LINE_ROOM = DECIMAL_COLUMN + DECIMAL_FORM_ROOM + sizeof(ShortText::bytes);

// The label, the binary form of `address`, " : ", its decimal form and
// `suffix`. Writes at most ADDRESS_LINE_ROOM bytes; returns the end of the line.
char* put_address_line(char* at, const AddressLineStart& start, Address address, const ShortText& suffix);

// Where consecutive address lines were put: line k ends at ends[k] and starts
// where the one before it ends, the first at `start`. Each ends with a suffix
// of `suffix_length` bytes; its other pieces start at their fixed columns.
struct FormedLines {
    char* start;
    std::array<char*, 5> ends; // the first `count` are set
    std::size_t count;
    std::size_t suffix_length;
    char* end() const { return ends[count - 1]; }
    std::string_view text() const { return text_between(start, end()); }
};

// A subnet of prefix 30 has only the gateway and the last host as usable
// addresses, so it has no First Host IP line.
inline constexpr int PREFIX_WITHOUT_FIRST_HOST = 30;

// Each subnet of the standard mode's listing opens with this, its number,
// "/" and the number of subnets.
inline constexpr std::string_view SUBNET_HEADING_START = "\nSub Network ";

// The subnet number as text, counted up in place rather than converted anew
// for each of millions of subnets. The digits sit at the end of the array, so
// a new leading digit moves nothing.
struct SubnetNumber {
    std::array<char, 16> digits {};
    std::size_t first = digits.size();
};

// The number's text; 0 gives none, and counting up from none gives 1.
SubnetNumber subnet_number(int value);
// Adds one to the number's text.
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

// The section form of the calculation's prefix and subnet count, its fourth
// line labelled `last_label`.
SectionForm section_form(const Calculation& calculation, std::string_view last_label);

// Where put_section put each part of a section; the rule follows the lines
// and ends at `end`.
struct SectionParts {
    char* heading;
    FormedLines lines;
    char* end;
};

// Room put_section needs: the heading, five address lines and the file's
// rule, fixed-size copies past their ends included.
inline constexpr std::size_t SECTION_ROOM = 1024;
static_assert(SECTION_ROOM >= SUBNET_HEADING_START.size() + sizeof(SubnetNumber::digits) + sizeof(ShortText::bytes)
        + 5 * ADDRESS_LINE_ROOM + FILE_RULE.size());

// The section's address lines alone. Writes at most SECTION_ROOM bytes.
FormedLines put_address_lines(char* at, const SectionForm& form, const SubnetAddresses& addresses);

// The heading "\nSub Network n/subnets\n\n", the address lines and the file's
// rule. Writes at most SECTION_ROOM bytes.
SectionParts put_section(char* at, const SectionForm& form, const SubnetNumber& number, const SubnetAddresses& addresses);
