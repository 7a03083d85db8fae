// report_output.cpp -- report lines of a calculation, to the screen and the export file.
#include "report/report_output.h"

#include "address/subnet_math.h"
#include "console/console.h"
#include "report/report_lines.h"
#include "report/text_line.h"

namespace {

constexpr std::string_view LABEL_NETWORK_CLASS = "# Network Class     : ";
constexpr std::string_view LABEL_SUBNETS = "# Subnets           : ";
constexpr std::string_view LABEL_HOSTS_PER_SUBNET = "# Hosts/Subnet      : ";
constexpr std::string_view HOSTS_SUFFIX = "+2 (Network IP & Broadcast IP)\n";

void write_to_file(const Calculation& calculation, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), calculation.export_file);
}

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
    return calculation.quick_answer == 1;
}

bool writes_to_file(const Calculation& calculation)
{
    return calculation.export_answer == 0 && calculation.export_file != nullptr;
}

void report_address_line(const Calculation& calculation, std::string_view label,
    const OctetBits& b1, const OctetBits& b2, const OctetBits& b3, const OctetBits& b4,
    int d1, int d2, int d3, int d4, int prefix)
{
    if (shows_on_screen(calculation)) {
        console_write(label);
        print_binary_ip_form(b1, b2, b3, b4);
        print_decimal_ip_form(d1, d2, d3, d4, prefix);
    }
    if (writes_to_file(calculation)) {
        TextLine line;
        line << label;
        output_binary_ip_form(b1, b2, b3, b4, line);
        output_decimal_ip_form(d1, d2, d3, d4, prefix, line);
        write_to_file(calculation, line.view());
    }
}

void report_text(const Calculation& calculation, std::string_view screen_text, std::string_view file_text)
{
    if (shows_on_screen(calculation))
        console_write(screen_text);
    if (writes_to_file(calculation))
        write_to_file(calculation, file_text);
}

void report_heading(const Calculation& calculation, std::string_view screen_text, std::string_view file_text)
{
    if (shows_on_screen(calculation)) {
        setfgcolor(COLOR_GREEN);
        console_write(screen_text);
        setfgcolor(COLOR_WHITE);
    }
    if (writes_to_file(calculation))
        write_to_file(calculation, file_text);
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

    const auto& [i1, i2, i3, i4] = c.ip_bits;
    report_address_line(c, LABEL_IPV4_ADDRESS, i1, i2, i3, i4,
        c.ip_octets[0], c.ip_octets[1], c.ip_octets[2], c.ip_octets[3], c.prefix);
    const auto& [m1, m2, m3, m4] = c.mask_bits;
    report_address_line(c, LABEL_NETWORK_MASK, m1, m2, m3, m4,
        c.mask_octets[0], c.mask_octets[1], c.mask_octets[2], c.mask_octets[3], c.prefix);

    for (std::size_t k = 0; k < 4; ++k) {
        logical_and_algorithm(c.ip_bits[k], c.mask_bits[k], c.net_bits[k]);
        c.net_octets[k] = BinaryArrayToDecimalInteger(c.net_bits[k]);
    }
    const auto& [n1, n2, n3, n4] = c.net_bits;
    report_address_line(c, LABEL_CURRENT_NETWORK, n1, n2, n3, n4,
        c.net_octets[0], c.net_octets[1], c.net_octets[2], c.net_octets[3], c.prefix);
}
