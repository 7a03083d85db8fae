// export_target_windows.cpp -- the export file's file operations on Windows:
// the CRT's, and a move over an existing name that goes through to the disk.
#include "report/export_target_platform.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

NameHolder what_has(const char* name)
{
    struct _stat64 status {};
    if (_stat64(name, &status) != 0)
        return errno == ENOENT ? NameHolder::NOTHING : NameHolder::OTHER;
    return (status.st_mode & _S_IFMT) == _S_IFREG ? NameHolder::REGULAR_FILE : NameHolder::OTHER;
}

// A read-only file is the one a user may not write here; MoveFileEx would
// refuse to replace it only after the whole report was written.
bool may_write(const char* name)
{
    return _access(name, 2) == 0;
}

std::string real_destination(const char* name)
{
    return name;
}

int process_number()
{
    return _getpid();
}

// Text mode, as the report's line ends are CR LF on Windows.
int create_new_file(const std::string& name)
{
    return _open(name.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_TEXT | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}

std::FILE* stream_of(int descriptor)
{
    return _fdopen(descriptor, "w");
}

std::FILE* open_named_stream(const char* name)
{
    return std::fopen(name, "w");
}

int open_for_cutting(const std::string& name)
{
    return _open(name.c_str(), _O_RDWR | _O_BINARY | _O_NOINHERIT);
}

long long file_size(int descriptor)
{
    return _lseeki64(descriptor, 0, SEEK_END);
}

long read_at(int descriptor, char* bytes, std::size_t size, long long offset)
{
    if (_lseeki64(descriptor, offset, SEEK_SET) != offset)
        return -1;
    return _read(descriptor, bytes, static_cast<unsigned>(size));
}

bool cut_at(int descriptor, long long length)
{
    const errno_t error = _chsize_s(descriptor, length);
    if (error != 0)
        errno = error;
    return error == 0;
}

bool sync_to_disk(int descriptor)
{
    return _commit(descriptor) == 0;
}

bool close_file(int descriptor)
{
    return _close(descriptor) == 0;
}

bool replace_file(const std::string& from, const std::string& to)
{
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0)
        return true;
    errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    return false;
}

void remove_file(const std::string& name)
{
    _unlink(name.c_str());
}
