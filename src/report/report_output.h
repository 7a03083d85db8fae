// report_output.h -- writing report lines of a calculation to the screen and the export file.
//
// A line goes to the screen unless the calculation is a quick print, and to the
// file when it is exported; the screen copy is always written first.
#pragma once

#include "calculation.h"
#include "report/address_lines.h"

#include <string_view>

// True unless the calculation is a quick export.
bool shows_on_screen(const Calculation& calculation);
// True while the calculation exports and its file is open.
bool writes_to_file(const Calculation& calculation);

// The address line of `label` and the four octets, with the calculation's prefix.
void report_address_line(const Calculation& calculation, std::string_view label, const DecimalAddress& octets);

// Address lines as put_address_line formed them.
void report_address_lines(const Calculation& calculation, const FormedLines& lines);

// A subnet section as put_section formed it: on screen the heading in green
// and the address lines; in the file all of it, rule included, in one write.
void report_subnet_section(const Calculation& calculation, const SectionParts& section);

// A value line or any other text in the current colour; `file_text` may differ
// from what the screen shows.
void report_text(const Calculation& calculation, std::string_view screen_text, std::string_view file_text);

// A subnet heading: green on screen, plain in the file.
void report_heading(const Calculation& calculation, std::string_view screen_text, std::string_view file_text);

// The screen title bar and the file title block of a section.
void report_title(const Calculation& calculation, std::string_view title);

// The information block: class wording, counts, address, mask and the current
// network (address AND mask), which it also leaves in net_octets and net_bits.
void report_information_block(Calculation& calculation);
