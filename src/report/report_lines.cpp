// report_lines.cpp -- the title block of the export file.
#include "report/report_lines.h"

#include "report/export_file.h"

void output_title_bar(std::string_view title, std::FILE* file)
{
    write_export(file, FILE_RULE);
    write_export(file, "\n");
    write_export(file, title);
    write_export(file, "\n");
    write_export(file, FILE_RULE);
}
