// address_lines.cpp -- address lines and subnet sections, put together from octet text tables by a few byte copies.
#include "report/address_lines.h"

#include "calculation.h"
#include "text_line.h"

#include <cstring>

namespace {

// The text of every octet value in both forms, made at compile time, so that
// no digit of a large listing is worked out more than once.
constexpr auto OCTET_BINARY = [] {
    std::array<std::array<char, 8>, 256> table {};
    for (std::size_t value = 0; value < table.size(); ++value)
        for (std::size_t bit = 0; bit < 8; ++bit)
            table[value][bit] = static_cast<char>('0' + ((value >> (7 - bit)) & 1));
    return table;
}();

// The digits followed by a dot, and how many digits there are.
struct OctetDecimal {
    std::array<char, 4> text {};
    std::size_t digits = 0;
};

constexpr auto OCTET_DECIMAL = [] {
    std::array<OctetDecimal, 256> table {};
    for (std::size_t value = 0; value < table.size(); ++value) {
        OctetDecimal& entry = table[value];
        if (value >= 100)
            entry.text[entry.digits++] = static_cast<char>('0' + value / 100);
        if (value >= 10)
            entry.text[entry.digits++] = static_cast<char>('0' + value / 10 % 10);
        entry.text[entry.digits++] = static_cast<char>('0' + value % 10);
        entry.text[entry.digits] = '.';
    }
    return table;
}();
static_assert(4 * sizeof(OctetDecimal::text) <= DECIMAL_FORM_ROOM);

ShortText short_text(std::string_view text)
{
    ShortText kept;
    kept.length = text.copy(kept.bytes.data(), kept.bytes.size());
    return kept;
}

char* put(char* at, const ShortText& text)
{
    std::memcpy(at, text.bytes.data(), text.bytes.size());
    return at + text.length;
}

char* put(char* at, std::string_view text)
{
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

unsigned octet_of(Address address, std::size_t k)
{
    return (address >> (24 - 8 * k)) & 0xFF;
}

char* put_number(char* at, const SubnetNumber& number)
{
    return put(at, std::string_view(number.digits.data() + number.first, number.digits.size() - number.first));
}

}

ShortText prefix_suffix(int prefix)
{
    TextLine suffix;
    suffix << '/' << prefix << '\n';
    return short_text(suffix.view());
}

AddressLineStart address_line_start(std::string_view label)
{
    AddressLineStart start;
    start.columns.fill('.');
    label.copy(start.columns.data(), BINARY_COLUMN);
    ADDRESS_SEPARATOR.copy(start.columns.data() + SEPARATOR_COLUMN, ADDRESS_SEPARATOR.size());
    return start;
}

char* put_address_line(char* at, const AddressLineStart& start, Address address, const ShortText& suffix)
{
    std::memcpy(at, start.columns.data(), start.columns.size());
    for (std::size_t k = 0; k < 4; ++k)
        std::memcpy(at + BINARY_COLUMN + 9 * k, OCTET_BINARY[octet_of(address, k)].data(), 8);
    at += DECIMAL_COLUMN;
    for (std::size_t k = 0; k < 4; ++k) {
        const OctetDecimal& octet = OCTET_DECIMAL[octet_of(address, k)];
        std::memcpy(at, octet.text.data(), octet.text.size());
        at += octet.digits + 1;
    }
    // "/prefix" and the line end replace the dot after the last octet.
    return put(at - 1, suffix);
}

SubnetNumber subnet_number(int value)
{
    SubnetNumber number;
    for (; value > 0; value /= 10)
        number.digits[--number.first] = static_cast<char>('0' + value % 10);
    return number;
}

void count_up(SubnetNumber& number)
{
    for (std::size_t k = number.digits.size(); k-- > number.first;) {
        if (number.digits[k] != '9') {
            ++number.digits[k];
            return;
        }
        number.digits[k] = '0';
    }
    number.digits[--number.first] = '1';
}

SectionForm section_form(const Calculation& c, std::string_view last_label)
{
    SectionForm form;
    auto add_line = [&form](std::string_view label, SubnetAddress shows) {
        form.lines[form.line_count++] = { address_line_start(label), shows };
    };
    add_line(LABEL_NETWORK_IP, NETWORK);
    add_line(LABEL_DEFAULT_GATEWAY, GATEWAY);
    if (c.prefix != PREFIX_WITHOUT_FIRST_HOST)
        add_line(LABEL_FIRST_HOST, FIRST_HOST);
    add_line(last_label, LAST_HOST);
    add_line(LABEL_BROADCAST, BROADCAST);

    TextLine heading_end;
    heading_end << '/' << c.subnets << "\n\n";
    form.heading_end = short_text(heading_end.view());
    form.suffix = prefix_suffix(c.prefix);
    return form;
}

FormedLines put_address_lines(char* at, const SectionForm& form, const SubnetAddresses& addresses)
{
    FormedLines formed { at, {}, form.line_count, form.suffix.length };
    for (std::size_t k = 0; k < form.line_count; ++k) {
        at = put_address_line(at, form.lines[k].start, addresses[form.lines[k].shows], form.suffix);
        formed.ends[k] = at;
    }
    return formed;
}

SectionParts put_section(char* at, const SectionForm& form, const SubnetNumber& number, const SubnetAddresses& addresses)
{
    char* const lines = put(put_number(put(at, SUBNET_HEADING_START), number), form.heading_end);
    // Formed in place: a copy of the line ends would cost a large listing time.
    SectionParts parts { at, put_address_lines(lines, form, addresses), nullptr };
    parts.end = put(parts.lines.end(), FILE_RULE);
    return parts;
}
