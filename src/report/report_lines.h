// report_lines.h -- the labels, titles and rules of the report, and its title bars on screen and in the file.
#pragma once

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

// Rule, title in green, rule: the screen title bar.
void print_title_bar(std::string_view title);

// Rule and empty line, title, rule: the file title block.
void output_title_bar(std::string_view title, std::FILE* file);
