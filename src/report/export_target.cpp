// export_target.cpp -- the export file's place on the disk: a temporary file
// beside its name, cut to whole lines, flushed and renamed over the name at
// saving, or removed when its writing failed.
#include "report/export_target.h"

#include "report/export_target_platform.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <string>

namespace {

std::string temporary_name; // empty while the named file itself is written
std::string destination;
bool earlier_file = false; // a regular file had the name when the temporary file was made

// Named after the process, so that two runs never meet in one; a name left by
// a killed run is passed over.
int create_temporary()
{
    constexpr int MOST_ATTEMPTS = 100;
    for (int attempt = 0;; ++attempt) {
        temporary_name = destination + '.' + std::to_string(process_number()) + '-' + std::to_string(attempt) + ".part";
        const int descriptor = create_new_file(temporary_name);
        if (descriptor >= 0 || errno != EEXIST || attempt == MOST_ATTEMPTS)
            return descriptor;
    }
}

// The reason a step failed: errno, or EIO where the step gave none.
int reason_of_failure()
{
    return errno != 0 ? errno : EIO;
}

// A write cut short by a signal leaves a part of a line: it goes. A step that
// fails leaves a file that may not be whole, so it goes too and whatever had
// the name stays.
int put_in_place()
{
    errno = 0;
    const int descriptor = open_for_cutting(temporary_name);
    int error = descriptor < 0 ? reason_of_failure() : 0;
    if (descriptor >= 0) {
        const long long whole = whole_lines_length(descriptor);
        if (whole < 0 || !cut_at(descriptor, whole) || !sync_to_disk(descriptor))
            error = reason_of_failure();
        if (!close_file(descriptor) && error == 0)
            error = reason_of_failure();
    }
    if (error == 0 && !replace_file(temporary_name, destination))
        error = reason_of_failure();
    if (error != 0)
        remove_file(temporary_name);
    return error;
}

}

long long whole_lines_length(int descriptor)
{
    std::array<char, 4096> block;
    const long long size = file_size(descriptor);
    if (size < 0)
        return -1;
    for (long long end = size; end > 0;) {
        const long long start = std::max(end - static_cast<long long>(block.size()), 0LL);
        const long got = read_at(descriptor, block.data(), static_cast<std::size_t>(end - start), start);
        if (got <= 0)
            return -1;
        for (long at = got; at > 0; --at)
            if (block[static_cast<std::size_t>(at - 1)] == '\n')
                return start + at;
        end = start;
    }
    return 0;
}

std::FILE* open_export_stream(const char* name)
{
    temporary_name.clear();
    earlier_file = false;
    const NameHolder holder = what_has(name);
    // Not even a copy renamed over it: this user could not have written the file in place.
    if (holder == NameHolder::REGULAR_FILE && !may_write(name))
        return nullptr;
    if (holder != NameHolder::OTHER) {
        destination = real_destination(name);
        const int descriptor = create_temporary();
        std::FILE* stream = descriptor >= 0 ? stream_of(descriptor) : nullptr;
        earlier_file = stream != nullptr && holder == NameHolder::REGULAR_FILE;
        if (stream != nullptr)
            return stream;
        if (descriptor >= 0) {
            close_file(descriptor);
            remove_file(temporary_name);
        }
        temporary_name.clear();
    }
    // A folder that takes no new file may still let its files be rewritten.
    return open_named_stream(name);
}

int put_export_in_place(bool written)
{
    if (temporary_name.empty())
        return 0;
    const int error = written ? put_in_place() : 0;
    if (!written)
        remove_file(temporary_name);
    temporary_name.clear();
    return error;
}

bool export_had_earlier_file()
{
    return earlier_file;
}
