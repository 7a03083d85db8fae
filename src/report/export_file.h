// export_file.h -- the numbered export file Result_N.txt of a calculation.
#pragma once

#include <array>
#include <cstdio>
#include <string_view>

// Takes the next export number, names the file after it, starts it in the
// current folder (as export_target.h tells: it takes the name whole at saving)
// and writes the information title block. When the file
// cannot be created, says so in red with the system's reason and leaves
// export_file null; the number stays used. A file written in `whole_blocks`
// gets each write as it is; any other gathers its lines into writes of 256 KiB.
void open_export_file(int& export_count, std::array<char, 30>& file_name, std::FILE*& export_file, bool whole_blocks);

// Every write to the export file: `bytes` as they are, in one write when the
// file was opened for whole blocks. False when the write failed; its reason is
// kept for the closing message, and a termination that cut it short is acted on.
bool write_export(std::FILE* export_file, std::string_view bytes);

// Saves the file under its name and erases the closing prompt row, then tells
// whether every write reached the file: the saved message, or in red the
// failure and its reason.
void close_export_file(std::FILE*& export_file, const std::array<char, 30>& file_name);

// For an end before the closing prompt (end of input, "Error!!!", a signal):
// saves the export file still open, keeping what it holds, and tells how that
// went as the closing prompt does. Returns the run's exit status, as export_status does.
int save_export_on_way_out();

// 1 when an export of this run could not be created or saved, else 0.
int export_status();
