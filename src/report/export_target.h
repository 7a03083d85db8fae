// export_target.h -- where the export file's bytes go: a temporary file beside
// its name, put in its place whole at saving, or the named file itself when
// that is a device or a FIFO.
#pragma once

#include <cstdio>

// Opens the stream the export file `name` is written through: a temporary file
// in the same folder, created anew, when the name is free or a regular file
// (through a symbolic link, its target's folder); else the named file itself,
// a FIFO waiting for its reader. Null with errno set when it cannot be created,
// or when the regular file under the name is one this user may not write.
// One export is open at a time.
std::FILE* open_export_stream(const char* name);

// Once the stream is closed. When every write reached it (`written`), puts the
// file in place under its name: cut back to its last whole line, flushed to
// the disk and renamed over whatever had the name. Otherwise, or when one of
// those steps fails, the temporary file goes and what had the name stays as
// it was. 0, or the reason the first failing step gave.
int put_export_in_place(bool written);

// Whether a regular file had the name when the export was opened through a
// temporary file: a failed save leaves it as it was.
bool export_had_earlier_file();

// The length of the file's whole lines, up to and with its last line end, read
// back from its end a block at a time; -1 when it cannot be read.
long long whole_lines_length(int descriptor);
