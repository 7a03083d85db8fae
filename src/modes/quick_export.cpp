// quick_export.cpp -- every subnet of the classful network, formed from octet text tables into large blocks.
#include "modes/quick_export.h"

#include "console/console.h"
#include "modes/subnet_lines.h"
#include "report/export_file.h"
#include "report/report_lines.h"
#include "report/text_line.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

using Address = std::uint32_t;

// Blocks of this size go to the file stream in one call each. Small enough to stay
// in the processor's cache between being formed and being copied to the file.
constexpr std::size_t BLOCK_BYTES = 256 * 1024;

// More than the longest subnet section (heading, five address lines of at most
// 78 characters, rule) plus the few bytes the fixed-size copies write past
// their text, so a section that starts this far from the end of a block fits.
constexpr std::size_t SECTION_ROOM = 1024;

std::array<char, BLOCK_BYTES> block;

// The text of every octet value in both forms, made at compile time, so that
// no digit of a large export is worked out more than once.
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

// A short text kept with room to spare: copied with one fixed-size move, after
// which the write position advances by its true length only.
struct ShortText {
    std::array<char, 16> bytes {};
    std::size_t length = 0;
};

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

// The subnet number as text, counted up in place rather than converted anew
// for each of millions of subnets. The digits sit at the end of the array, so
// a new leading digit moves nothing; it starts with none, and counting up
// from none gives 1.
struct SubnetNumber {
    std::array<char, 16> digits {};
    std::size_t first = digits.size();
};

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

char* put(char* at, const SubnetNumber& number)
{
    return put(at, std::string_view(number.digits.data() + number.first, number.digits.size() - number.first));
}

// Label, binary form and separator fill the same 60 columns of every address
// line; only the eight digits of each octet change from one line to the next.
constexpr std::size_t BINARY_COLUMN = LABEL_NETWORK_IP.size();
constexpr std::size_t DECIMAL_COLUMN = BINARY_COLUMN + std::string_view("bbbbbbbb.bbbbbbbb.bbbbbbbb.bbbbbbbb : ").size();

struct AddressLineForm {
    std::array<char, DECIMAL_COLUMN> start {}; // label, dots of the binary form, separator
    Address offset = 0;                         // from the subnet's network address
};

AddressLineForm address_line_form(std::string_view label, Address offset)
{
    AddressLineForm form;
    form.start.fill('.');
    label.copy(form.start.data(), label.size());
    std::memcpy(form.start.data() + DECIMAL_COLUMN - 3, " : ", 3);
    form.offset = offset;
    return form;
}

unsigned octet_of(Address address, std::size_t k)
{
    return (address >> (24 - 8 * k)) & 0xFF;
}

char* put_address_line(char* at, const AddressLineForm& form, Address address, const ShortText& suffix)
{
    std::memcpy(at, form.start.data(), form.start.size());
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

// What every section of this calculation's listing shares.
struct Listing {
    std::array<AddressLineForm, 5> lines;
    std::size_t line_count = 0;
    ShortText heading_end;   // "/subnets" and the empty line
    ShortText prefix_suffix; // "/prefix" and the line end
    Address subnet_size = 0;
};

Listing listing_of(const Calculation& c)
{
    Listing listing;
    listing.subnet_size = static_cast<Address>(c.hosts) + 2;
    auto add_line = [&listing](std::string_view label, Address offset) {
        listing.lines[listing.line_count++] = address_line_form(label, offset);
    };
    add_line(LABEL_NETWORK_IP, 0);
    add_line(LABEL_DEFAULT_GATEWAY, 1);
    if (c.prefix != PREFIX_WITHOUT_FIRST_HOST)
        add_line(LABEL_FIRST_HOST, 2);
    add_line(LABEL_LAST_HOST, listing.subnet_size - 2);
    add_line(LABEL_BROADCAST, listing.subnet_size - 1);

    TextLine heading_end;
    heading_end << '/' << c.subnets << "\n\n";
    listing.heading_end = short_text(heading_end.view());
    TextLine suffix;
    suffix << '/' << c.prefix << '\n';
    listing.prefix_suffix = short_text(suffix.view());
    return listing;
}

char* put_section(char* at, const Listing& listing, const SubnetNumber& number, Address network)
{
    at = put(at, SUBNET_HEADING_START);
    at = put(at, number);
    at = put(at, listing.heading_end);
    for (std::size_t k = 0; k < listing.line_count; ++k)
        at = put_address_line(at, listing.lines[k], network + listing.lines[k].offset, listing.prefix_suffix);
    return put(at, FILE_RULE);
}

// False once a write to the file has failed: forming the rest would be wasted.
bool write_block(std::FILE* file, const char* end)
{
    return write_export_block(file, std::string_view(block.data(), static_cast<std::size_t>(end - block.data())));
}

Address address_of(const DecimalAddress& octets)
{
    Address address = 0;
    for (int octet : octets)
        address = address << 8 | static_cast<Address>(octet);
    return address;
}

}

void export_every_subnet(Calculation& c)
{
    const Listing listing = listing_of(c);
    SubnetNumber number;
    Address network = address_of(c.net_octets);
    char* at = block.data();
    const char* const last_section_start = block.data() + block.size() - SECTION_ROOM;
    for (c.subnet_index = 1; c.subnet_index <= c.subnets; ++c.subnet_index) {
        if (at > last_section_start) {
            if (!write_block(c.export_file, at))
                return;
            at = block.data();
            // A class A listing takes a while: a signal meanwhile finds whole subnets in the file.
            act_on_signals();
        }
        count_up(number);
        at = put_section(at, listing, number, network);
        // The classful network ends at most at 223.255.255.255, so the step
        // past its last subnet cannot wrap.
        network += listing.subnet_size;
    }
    write_block(c.export_file, at);
}
