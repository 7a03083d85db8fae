// export_file.cpp -- opening, naming and honestly closing the export file.
#include "report/export_file.h"

#include "console/console.h"
#include "report/export_target.h"
#include "report/report_lines.h"
#include "text_line.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

// A listing shown on screen hands the file one subnet at a time; they go out
// in writes of this size.
constexpr std::size_t FILE_BUFFER_BYTES = 256 * 1024;
std::array<char, FILE_BUFFER_BYTES> file_buffer;

// Why the first block written in bulk failed. The stream keeps only the fact
// of a failure, and errno is long overwritten by the time the file is closed.
int block_write_error = 0;

// The file of the calculation in progress, kept here too so that a way out
// that does not pass the closing prompt can still save it.
std::FILE* open_file = nullptr;
std::array<char, 30> open_file_name {};

bool export_lost = false; // a file of this run could not be created or saved

std::string_view name_of(const std::array<char, 30>& file_name)
{
    return { file_name.data(), std::strlen(file_name.data()) };
}

void show_in_red(std::string_view text)
{
    setfgcolor(COLOR_RED);
    console_write(text);
    setfgcolor(COLOR_WHITE);
}

// Where the screen is a pipe or a file, the failure is also one line on
// standard error, where a script looks for why its run failed.
void show_file_error(std::string_view what, const std::array<char, 30>& file_name, int error)
{
    TextLine line;
    line << what << " '" << name_of(file_name) << "': " << (error != 0 ? std::strerror(error) : "write error") << '\n';
    show_in_red(line.view());
    if (!output_is_terminal())
        std::fprintf(stderr, "subnetter: %.*s", static_cast<int>(line.view().size()), line.view().data());
}

// True when the file was saved under its name; else `error` holds the reason,
// 0 when none was kept. A write error of a line sticks to the stream without
// its reason, so the reason comes from the flush at saving, or else from a
// failed block. A write to a FIFO or device that a termination cut short
// (EINTR) is the user's way out, not a failure: what reached it stays, as at
// any other way out.
bool close_open_file(int& error)
{
    const bool write_failed = std::ferror(open_file) != 0;
    // Flushed apart from the closing, so that each failure keeps its own reason.
    int saving_error = std::fflush(open_file) != 0 ? errno : 0;
    if (std::fclose(open_file) != 0 && saving_error == 0)
        saving_error = errno;
    error = saving_error != 0 ? saving_error : block_write_error;
    const bool written = (!write_failed && saving_error == 0) || error == EINTR;
    const int placing_error = put_export_in_place(written);
    if (placing_error != 0)
        error = placing_error;
    open_file = nullptr;
    const bool saved = written && placing_error == 0;
    export_lost = export_lost || !saved;
    return saved;
}

// The saved message, or in red the failure, its reason and what became of
// the file the export was to replace.
void tell_how_saving_went(bool saved, const std::array<char, 30>& file_name, int error)
{
    if (!saved) {
        show_file_error("Results could not be saved to file", file_name, error);
        if (export_had_earlier_file()) {
            TextLine kept;
            kept << "The earlier file '" << name_of(file_name) << "' was kept as it was.\n";
            show_in_red(kept.view());
        }
        return;
    }
    TextLine message;
    message << "Results saved sucessfully to file '" << name_of(file_name) << "'...\n";
    setfgcolor(COLOR_WHITE);
    console_write(message.view());
}

}

void open_export_file(int& export_count, std::array<char, 30>& file_name, std::FILE*& export_file, bool whole_blocks)
{
    ++export_count;
    TextLine name;
    name << "Result" << '_' << export_count << ".txt";
    file_name.fill('\0');
    name.view().copy(file_name.data(), file_name.size() - 1);

    block_write_error = 0;
    export_file = open_export_stream(file_name.data());
    if (export_file == nullptr) {
        export_lost = true;
        show_file_error("Results can not be exported to file", file_name, errno);
        return;
    }
    // Whole blocks copied through a buffer would only cost time.
    if (whole_blocks)
        std::setvbuf(export_file, nullptr, _IONBF, 0);
    else
        std::setvbuf(export_file, file_buffer.data(), _IOFBF, file_buffer.size());
    open_file = export_file;
    open_file_name = file_name;
    output_title_bar(TITLE_INFORMATION, export_file);
}

bool write_export(std::FILE* export_file, std::string_view bytes)
{
    if (std::fwrite(bytes.data(), 1, bytes.size(), export_file) == bytes.size())
        return true;
    if (block_write_error == 0)
        block_write_error = errno;
    // A write to a FIFO or device gives up when a termination comes.
    act_on_signals();
    return false;
}

void close_export_file(std::FILE*& export_file, const std::array<char, 30>& file_name)
{
    int error = 0;
    const bool saved = close_open_file(error);
    export_file = nullptr;
    ClearLines(1);
    tell_how_saving_went(saved, file_name, error);
}

int save_export_on_way_out()
{
    if (open_file != nullptr) {
        int error = 0;
        const bool saved = close_open_file(error);
        tell_how_saving_went(saved, open_file_name, error);
    }
    return export_status();
}

int export_status()
{
    return export_lost ? 1 : 0;
}
