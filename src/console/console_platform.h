// console_platform.h -- what the shared half of the console layer and each
// platform's half ask of each other.
#pragma once

// Given by each platform: the low eight bits of `attribute` become the colours
// of the text written from now on.
void set_attribute(int attribute);

// Given by each platform: writes up to `size` bytes to standard output,
// waiting while it cannot take them; the count written, or -1 with errno set.
long write_output(const char* bytes, unsigned long size);

// Given by the shared half: n erase lines, each blanking a row and ending it.
void write_erase_lines(int n);

// Given by the shared half: the key prompt row written by the program itself,
// then one key (one line when input is not a terminal), then the row's end.
void pause_with_own_prompt();
