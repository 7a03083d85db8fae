// screen_output.h -- formed report lines put on the screen: their colours on a terminal, plain bytes elsewhere.
//
// The screen is in white before and after each of these.
#pragma once

#include "report/address_lines.h"

#include <string_view>

// Rule, title in green, rule: the screen title bar.
void print_title_bar(std::string_view title);

// `text` in green, such as a subnet heading.
void show_heading(std::string_view text);

// Address lines as put_address_line formed them: at once where the screen
// shows no colours; on a terminal the label white, the binary form green, the
// separator and the decimal form white, the suffix green.
void show_address_lines(const FormedLines& lines);

// A section's heading in green and its address lines. No rule: the screen
// pauses there instead.
void show_section(const SectionParts& section);
