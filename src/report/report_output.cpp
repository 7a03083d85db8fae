// report_output.cpp -- report lines of a calculation, to the screen and the export file.
#include "report/report_output.h"

#include "address/subnet_math.h"
#include "console/console.h"
#include "report/export_file.h"
#include "report/report_lines.h"
#include "report/screen_output.h"
#include "text_line.h"

#include <array>

namespace {

constexpr std::string_view LABEL_NETWORK_CLASS = "# Network Class     : ";
constexpr std::string_view LABEL_SUBNETS = "# Subnets           : ";
constexpr std::string_view LABEL_HOSTS_PER_SUBNET = "# Hosts/Subnet      : ";
constexpr std::string_view HOSTS_SUFFIX = "+2 (Network IP & Broadcast IP)\n";

// The classful prefixes get the classful wording whatever the class letter.
bool is_classful_prefix(int prefix)
{
    return prefix == 8 || prefix == 16 || prefix == 24;
}

void report_value_line(const Calculation& calculation, const TextLine& line)
{
    report_text(calculation, line.view(), line.view());
}

}

bool shows_on_screen(const Calculation& calculation)
{
    return calculation.quick_answer == NO;
}

bool writes_to_file(const Calculation& calculation)
{
    return calculation.export_answer == YES && calculation.export_file != nullptr;
}

void report_address_line(const Calculation& calculation, std::string_view label, const DecimalAddress& octets)
{
    std::array<char, ADDRESS_LINE_ROOM> line;
    const ShortText suffix = prefix_suffix(calculation.prefix);
    char* end = put_address_line(line.data(), address_line_start(label), address_of(octets), suffix);
    report_address_lines(calculation, { line.data(), { end }, 1, suffix.length });
}

void report_address_lines(const Calculation& calculation, const FormedLines& lines)
{
    if (shows_on_screen(calculation))
        show_address_lines(lines);
    if (writes_to_file(calculation))
        write_export(calculation.export_file, lines.text());
}

void report_subnet_section(const Calculation& calculation, const SectionParts& section)
{
    if (shows_on_screen(calculation))
        show_section(section);
    if (writes_to_file(calculation))
        write_export(calculation.export_file, text_between(section.heading, section.end));
}

void report_text(const Calculation& calculation, std::string_view screen_text, std::string_view file_text)
{
    if (shows_on_screen(calculation))
        console_write(screen_text);
    if (writes_to_file(calculation))
        write_export(calculation.export_file, file_text);
}

void report_heading(const Calculation& calculation, std::string_view screen_text, std::string_view file_text)
{
    if (shows_on_screen(calculation))
        show_heading(screen_text);
    if (writes_to_file(calculation))
        write_export(calculation.export_file, file_text);
}

void report_title(const Calculation& calculation, std::string_view title)
{
    if (shows_on_screen(calculation))
        print_title_bar(title);
    if (writes_to_file(calculation))
        output_title_bar(title, calculation.export_file);
}

void report_information_block(Calculation& c)
{
    TextLine class_line;
    class_line << LABEL_NETWORK_CLASS << c.class_letter
               << (is_classful_prefix(c.prefix) ? " Classfull\n" : " Classless (CIDR)\n");
    report_value_line(c, class_line);
    TextLine subnets_line;
    subnets_line << LABEL_SUBNETS << c.subnets << '\n';
    report_value_line(c, subnets_line);
    TextLine hosts_line;
    hosts_line << LABEL_HOSTS_PER_SUBNET << c.hosts << HOSTS_SUFFIX;
    report_value_line(c, hosts_line);

    report_address_line(c, LABEL_IPV4_ADDRESS, c.ip_octets);
    report_address_line(c, LABEL_NETWORK_MASK, c.mask_octets);

    for (std::size_t k = 0; k < 4; ++k) {
        logical_and_algorithm(c.ip_bits[k], c.mask_bits[k], c.net_bits[k]);
        c.net_octets[k] = BinaryArrayToDecimalInteger(c.net_bits[k]);
    }
    report_address_line(c, LABEL_CURRENT_NETWORK, c.net_octets);
}
