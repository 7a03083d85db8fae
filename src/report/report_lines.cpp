// report_lines.cpp -- title bars, on screen and in the file.
#include "report/report_lines.h"

#include "console/console.h"

namespace {

void write_to(std::FILE* file, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), file);
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

void output_title_bar(std::string_view title, std::FILE* file)
{
    write_to(file, FILE_RULE);
    write_to(file, "\n");
    write_to(file, title);
    write_to(file, "\n");
    write_to(file, FILE_RULE);
}
