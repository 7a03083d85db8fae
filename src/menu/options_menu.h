// options_menu.h -- the options menu that opens every calculation.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

// Asks the five questions in order and leaves valid answers in the fields:
// input form 1/2, prefix method 3..8, mode 9/10, export and quick export
// (0 yes, 1 no; quick export is asked only for an exported standard mode).
// Ends with a cleared screen.
void options_menu(std::int16_t& first_choice, std::int16_t& prefix_method, std::int16_t& mode,
    std::int16_t& export_answer, std::int16_t& quick_answer);

// Asks for one number until its value is one of `accepted`.
void read_choice(std::int16_t& field, std::initializer_list<int> accepted);

// Shows the grey option line and asks until the answer starts with Y/y (0) or N/n (1).
void read_yes_no(std::string_view option_line, std::int16_t& field);
