// report_lines.h -- the labels, titles and rules of the report, and its title block in the file.
#pragma once

#include "text_line.h"

#include <cstdio>
#include <string_view>

// Labels are 22 characters, so every binary form starts in column 22.
inline constexpr std::string_view LABEL_IPV4_ADDRESS = "# IPv4 Address      : ";
inline constexpr std::string_view LABEL_NETWORK_MASK = "# Network Mask      : ";
inline constexpr std::string_view LABEL_CURRENT_NETWORK = "# Current Network IP: ";
inline constexpr std::string_view LABEL_NETWORK_IP = "# Network IP        : ";
inline constexpr std::string_view LABEL_DEFAULT_GATEWAY = "# Default Gateway   : ";
inline constexpr std::string_view LABEL_FIRST_HOST = "# First Host IP     : ";
inline constexpr std::string_view LABEL_LAST_HOST = "# Last Host IP      : ";
inline constexpr std::string_view LABEL_LAST_NETWORK = "# Last Network IP   : ";
inline constexpr std::string_view LABEL_BROADCAST = "# Broadcast IP      : ";
inline constexpr std::string_view LABEL_NEW_MASK = "# New Network Mask  : ";

// The report's window is 81 columns wide: the file's rule spans it, the
// screen's rule leaves the last two columns free.
inline constexpr std::size_t WINDOW_COLUMNS = 81;

// Titles carry the leading blanks that centre them in the window.
inline constexpr auto TITLE_CALCULATOR = centred<WINDOW_COLUMNS>("<< IP CALCULATOR >>");
// Stands one column right of the centre.
inline constexpr auto TITLE_QUICK_PRINT = centred<WINDOW_COLUMNS, 1>("<< QUICK PRINT MODE >>");
inline constexpr auto TITLE_INFORMATION = centred<WINDOW_COLUMNS>("<< IPv4 INFORMATIONS >>");
inline constexpr auto TITLE_SUBNET_SELECTION = centred<WINDOW_COLUMNS>("<<SUBNET SELECTION>>");
inline constexpr auto TITLE_STANDARD_MODE = centred<WINDOW_COLUMNS>("<<STANDARD MODE>>");
inline constexpr auto TITLE_VLSM_MODE = centred<WINDOW_COLUMNS>("<< VARIABLE LENGH SUBNET MASK MODE (VLSM) >>");

inline constexpr auto SCREEN_RULE = rule_line<WINDOW_COLUMNS - 2>();
inline constexpr auto FILE_RULE = rule_line<WINDOW_COLUMNS>();

// Rule and empty line, title, rule: the file title block.
void output_title_bar(std::string_view title, std::FILE* file);
