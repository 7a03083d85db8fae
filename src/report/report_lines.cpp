// report_lines.cpp -- binary and decimal address forms and title bars, on screen and in the file.
#include "report/report_lines.h"

#include "console/console.h"
#include "report/text_line.h"

#include <array>

namespace {

constexpr std::string_view FORM_SEPARATOR = " : ";

// "bbbbbbbb.bbbbbbbb.bbbbbbbb.bbbbbbbb": 35 characters, one per entry and three dots.
using BinaryForm = std::array<char, 35>;

BinaryForm binary_form(const OctetBits& first, const OctetBits& second, const OctetBits& third, const OctetBits& fourth)
{
    BinaryForm form;
    std::size_t at = 0;
    for (const OctetBits* octet : { &first, &second, &third, &fourth }) {
        if (at != 0)
            form[at++] = '.';
        for (auto entry : *octet)
            form[at++] = static_cast<char>('0' + entry);
    }
    return form;
}

std::string_view view_of(const BinaryForm& form)
{
    return { form.data(), form.size() };
}

void write_to(std::FILE* file, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), file);
}

}

void print_binary_ip_form(const OctetBits& first, const OctetBits& second, const OctetBits& third, const OctetBits& fourth)
{
    setfgcolor(COLOR_GREEN);
    console_write(view_of(binary_form(first, second, third, fourth)));
    setfgcolor(COLOR_WHITE);
    console_write(FORM_SEPARATOR);
}

void print_decimal_ip_form(int first, int second, int third, int fourth, int prefix)
{
    setfgcolor(COLOR_WHITE);
    TextLine address;
    console_write(append_dotted(address, first, second, third, fourth).view());
    setfgcolor(COLOR_GREEN);
    TextLine suffix;
    suffix << '/' << prefix << '\n';
    console_write(suffix.view());
    setfgcolor(COLOR_WHITE);
}

void output_binary_ip_form(const OctetBits& first, const OctetBits& second, const OctetBits& third, const OctetBits& fourth, TextLine& file_line)
{
    file_line << view_of(binary_form(first, second, third, fourth)) << FORM_SEPARATOR;
}

void output_decimal_ip_form(int first, int second, int third, int fourth, int prefix, TextLine& file_line)
{
    append_dotted(file_line, first, second, third, fourth) << '/' << prefix << '\n';
}

void print_title_bar(std::string_view title)
{
    console_write(SCREEN_RULE);
    setfgcolor(COLOR_GREEN);
    console_write(title);
    console_write("\n");
    setfgcolor(COLOR_WHITE);
    console_write(SCREEN_RULE);
}

void output_title_bar(std::string_view title, std::FILE* file)
{
    write_to(file, FILE_RULE);
    write_to(file, "\n");
    write_to(file, title);
    write_to(file, "\n");
    write_to(file, FILE_RULE);
}
