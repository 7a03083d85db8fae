// export_target.cpp -- the export file's place on the disk: a temporary file
// beside its name, cut to whole lines, flushed and renamed over the name at saving.
#include "report/export_target.h"

#include "report/export_target_platform.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <string>

namespace {

std::string temporary_name; // empty while the named file itself is written
std::string destination;

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

// The end of the last whole line, reading the file's tail back a block at a time.
long long last_line_end(int descriptor)
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

int first_error(int earlier, bool failed)
{
    return earlier != 0 || !failed ? earlier : errno;
}

// A write cut short by a failure or a signal leaves a part of a line: it goes.
// What the file holds then is whole lines, renamed into place even when the
// disk reported a failure on the way; only a failed rename leaves the earlier file.
int put_in_place()
{
    const int descriptor = open_for_cutting(temporary_name);
    int error = first_error(0, descriptor < 0);
    if (descriptor >= 0) {
        const long long whole = last_line_end(descriptor);
        error = first_error(error, whole < 0 || !cut_at(descriptor, whole));
        error = first_error(error, !sync_to_disk(descriptor));
        error = first_error(error, !close_file(descriptor));
    }
    if (!replace_file(temporary_name, destination)) {
        error = first_error(error, true);
        remove_file(temporary_name);
    }
    return error;
}

}

std::FILE* open_export_stream(const char* name)
{
    temporary_name.clear();
    if (is_regular_or_missing(name)) {
        destination = real_destination(name);
        const int descriptor = create_temporary();
        std::FILE* stream = descriptor >= 0 ? stream_of(descriptor) : nullptr;
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

int put_export_in_place()
{
    if (temporary_name.empty())
        return 0;
    const int error = put_in_place();
    temporary_name.clear();
    return error;
}
