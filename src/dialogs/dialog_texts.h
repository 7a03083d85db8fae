// dialog_texts.h -- texts shared by the address and mask dialogs.
#pragma once

#include <string_view>

// Sits above the 45-character binary prompts so its underscores line up with the template.
inline constexpr std::string_view BINARY_GUIDE_LINE = "                                      Guide:|________.________.________.________|\n";

// Typed digits overwrite the template: 35 backspaces put the cursor on its first underscore.
inline constexpr std::string_view BINARY_ENTRY_TEMPLATE =
    "________.________.________.________"
    "\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b";

inline constexpr std::string_view BINARY_DIGIT_MESSAGE = "\nA Binary number must only contain '0' and '1' digits\n\n";
