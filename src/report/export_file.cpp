// export_file.cpp -- opening, naming and honestly closing the export file.
#include "report/export_file.h"

#include "console/console.h"
#include "report/report_lines.h"
#include "report/text_line.h"

#include <cerrno>
#include <cstring>
#include <string_view>

namespace {

// Large writes keep a big quick export close to the speed of the disk. The C
// library ignores the size asked for unless it is given the buffer, and only
// one export file is open at a time, so it has this one.
constexpr std::size_t EXPORT_BUFFER_BYTES = 1 << 20;
std::array<char, EXPORT_BUFFER_BYTES> export_buffer;

std::string_view name_of(const std::array<char, 30>& file_name)
{
    return { file_name.data(), std::strlen(file_name.data()) };
}

void show_file_error(std::string_view what, const std::array<char, 30>& file_name, int error)
{
    TextLine line;
    line << what << " '" << name_of(file_name) << "': " << (error != 0 ? std::strerror(error) : "write error") << '\n';
    setfgcolor(COLOR_RED);
    console_write(line.view());
    setfgcolor(COLOR_WHITE);
}

}

void open_export_file(int& export_count, std::array<char, 30>& file_name, std::FILE*& export_file)
{
    ++export_count;
    TextLine name;
    name << "Result" << '_' << export_count << ".txt";
    file_name.fill('\0');
    name.view().copy(file_name.data(), file_name.size() - 1);

    export_file = std::fopen(file_name.data(), "w");
    if (export_file == nullptr) {
        show_file_error("Results can not be exported to file", file_name, errno);
        return;
    }
    std::setvbuf(export_file, export_buffer.data(), _IOFBF, export_buffer.size());
    output_title_bar(TITLE_INFORMATION, export_file);
}

void close_export_file(std::FILE*& export_file, const std::array<char, 30>& file_name)
{
    // A write error sticks to the stream, but its errno may since have been
    // overwritten by other calls, so only the flush at closing gives a reason.
    bool failed = std::ferror(export_file) != 0;
    int error = 0;
    if (std::fclose(export_file) != 0) {
        failed = true;
        error = errno;
    }
    export_file = nullptr;
    ClearLines(1);
    if (failed) {
        show_file_error("Results could not be saved to file", file_name, error);
        return;
    }
    TextLine message;
    message << "Results saved sucessfully to file '" << name_of(file_name) << "'...\n";
    setfgcolor(COLOR_WHITE);
    console_write(message.view());
}
