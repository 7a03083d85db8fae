// key_press.h -- where one key press ends among the bytes a terminal sent.
#pragma once

#include <cstddef>
#include <string_view>

// The number of bytes of the first key in `bytes`: an escape sequence (ESC [
// up to its final byte, ESC O and one byte), ESC before another key (Alt and
// that key), a UTF-8 character, or else one byte. 0 when the bytes end before
// the key does, or are empty.
std::size_t key_length(std::string_view bytes);

// Whether `byte` continues a UTF-8 character rather than starting one.
bool is_continuation(char byte);

// Whether `byte` is a control character, below the blank or DEL.
bool is_control(unsigned char byte);
