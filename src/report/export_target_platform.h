// export_target_platform.h -- the file operations each platform gives the
// placing of the export file. On failure errno tells why.
#pragma once

#include <cstdio>
#include <string>

// What has a name, a symbolic link followed: nothing, a regular file, or
// anything else (a device, a FIFO, a folder, a name that cannot be looked up).
enum class NameHolder { NOTHING, REGULAR_FILE, OTHER };
NameHolder what_has(const char* name);

// Whether this user may open the existing file `name` for writing, as the
// system judges it (root may); errno tells why not.
bool may_write(const char* name);

// The file a name stands for, symbolic links followed even to a file that does
// not exist yet, so that the link stays.
std::string real_destination(const char* name);

int process_number();

// Creates `name`, which must not exist yet, for writing; its descriptor or -1.
int create_new_file(const std::string& name);

// The stream the report is written through into a file just created.
std::FILE* stream_of(int descriptor);

// The named file itself (a device or a FIFO, or a file in a folder that takes
// no new file) opened for the report, emptied.
std::FILE* open_named_stream(const char* name);

int open_for_cutting(const std::string& name);
long long file_size(int descriptor);
long read_at(int descriptor, char* bytes, std::size_t size, long long offset);
bool cut_at(int descriptor, long long length);
bool sync_to_disk(int descriptor);
bool close_file(int descriptor);

// Renames `from` over `to`, replacing whatever had that name.
bool replace_file(const std::string& from, const std::string& to);
void remove_file(const std::string& name);
