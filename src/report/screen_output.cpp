// screen_output.cpp -- formed report lines put on the screen: their colours on a terminal, plain bytes elsewhere.
#include "report/screen_output.h"

#include "console/console.h"

namespace {

// The label in the screen's white, then each piece sets its own colour.
void show_line_in_colour(const char* start, const char* end, std::size_t suffix_length)
{
    const char* const binary = start + BINARY_COLUMN;
    const char* const separator = start + SEPARATOR_COLUMN;
    const char* const decimal = start + DECIMAL_COLUMN;
    const char* const suffix = end - suffix_length;
    const struct {
        const char* from;
        const char* to;
        int colour;
    } pieces[] {
        { binary, separator, COLOR_GREEN },
        { separator, decimal, COLOR_WHITE },
        { decimal, suffix, COLOR_WHITE },
        { suffix, end, COLOR_GREEN },
    };
    console_write(text_between(start, binary));
    for (const auto& piece : pieces) {
        setfgcolor(piece.colour);
        console_write(text_between(piece.from, piece.to));
    }
    setfgcolor(COLOR_WHITE);
}

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

void show_heading(std::string_view text)
{
    setfgcolor(COLOR_GREEN);
    console_write(text);
    setfgcolor(COLOR_WHITE);
}

void show_address_lines(const FormedLines& lines)
{
    if (!output_is_terminal()) {
        console_write(lines.text());
        return;
    }
    const char* start = lines.start;
    for (std::size_t k = 0; k < lines.count; ++k) {
        show_line_in_colour(start, lines.ends[k], lines.suffix_length);
        start = lines.ends[k];
    }
}

void show_section(const SectionParts& section)
{
    if (!output_is_terminal()) {
        console_write(text_between(section.heading, section.lines.end()));
        return;
    }
    show_heading(text_between(section.heading, section.lines.start));
    show_address_lines(section.lines);
}
