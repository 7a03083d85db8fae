// report_lines.h -- the forms of every report line, on screen and in the export file.
#pragma once

#include "address/octet_bits.h"
#include "report/text_line.h"

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

// Titles carry the leading blanks that centre them in the 81-column window.
inline constexpr std::string_view TITLE_CALCULATOR = "                               << IP CALCULATOR >>";
inline constexpr std::string_view TITLE_QUICK_PRINT = "                              << QUICK PRINT MODE >>";
inline constexpr std::string_view TITLE_INFORMATION = "                             << IPv4 INFORMATIONS >>";
inline constexpr std::string_view TITLE_SUBNET_SELECTION = "                              <<SUBNET SELECTION>>";
inline constexpr std::string_view TITLE_STANDARD_MODE = "                                <<STANDARD MODE>>";
inline constexpr std::string_view TITLE_VLSM_MODE = "                  << VARIABLE LENGH SUBNET MASK MODE (VLSM) >>";

// Rule lines: 79 underscores on screen, 81 in the file.
inline constexpr std::string_view SCREEN_RULE = "_______________________________________________________________________________\n";
inline constexpr std::string_view FILE_RULE = "_________________________________________________________________________________\n";

// The binary form in green, then " : " in white. No line end.
void print_binary_ip_form(const OctetBits& first, const OctetBits& second, const OctetBits& third, const OctetBits& fourth);

// "a.b.c.d" in white, "/prefix" and a line end in green, then white again.
void print_decimal_ip_form(int first, int second, int third, int fourth, int prefix);

// The file's twins of the two screen forms append to the line being formed for
// the export file, which is then written at once: a large export writes
// millions of address lines.

// The binary form and " : " (3 bytes), without colours. No line end.
void output_binary_ip_form(const OctetBits& first, const OctetBits& second, const OctetBits& third, const OctetBits& fourth, TextLine& file_line);

// "a.b.c.d/prefix" and a line end.
void output_decimal_ip_form(int first, int second, int third, int fourth, int prefix, TextLine& file_line);

// Rule, title in green, rule: the screen title bar.
void print_title_bar(std::string_view title);

// Rule and empty line, title, rule: the file title block.
void output_title_bar(std::string_view title, std::FILE* file);
