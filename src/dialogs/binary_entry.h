// binary_entry.h -- reading four groups of binary digits, for the address and mask dialogs.
#pragma once

#include "address/octet_bits.h"

#include <cstddef>
#include <string_view>

// Width of the prompts of the binary forms, so that the entry template starts
// under the guide's underscores.
inline constexpr std::size_t PROMPT_COLUMNS = 45;

// One attempt: zeroes the four values, shows the guide line, `prompt`
// (PROMPT_COLUMNS characters) and the entry template, reads the four groups
// and spreads each over its bits. When a group holds a digit other than 0 and
// 1, clears the screen, shows the binary-digit message and returns false.
// Otherwise the values become the octets the bits stand for and it returns true.
bool read_binary_groups(std::string_view prompt, int& value1, int& value2, int& value3, int& value4,
    OctetBits& bits1, OctetBits& bits2, OctetBits& bits3, OctetBits& bits4);
