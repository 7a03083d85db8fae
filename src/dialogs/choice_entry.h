// choice_entry.h -- questions answered by one of a few numbers, or by yes or
// no, and the key pause.
#pragma once

#include "console/answer_reader.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>

// Asks for one number until its value, kept to 16 bits, is one of `accepted`;
// each refused answer's row becomes "False " and a new prompt.
void read_choice(const Question& question, std::int16_t& field, std::initializer_list<int> accepted);

// Shows the grey option line and asks until the answer starts with Y/y (true)
// or N/n (false), refusing others as read_choice does.
bool read_yes_no(std::string_view option_line);

// The one-row key prompt, then the key of a pause, then the row's end.
void SystemPause();
