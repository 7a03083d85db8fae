// ansi_escapes.h -- the escape sequences the POSIX console writes, and the ESC
// that starts them and the sequences of keys, each named once.
#pragma once

#include <string>
#include <string_view>

inline constexpr char ESCAPE = '\x1b';

// CSI (Control Sequence Introducer), ESC [, opens every sequence below.
inline constexpr std::string_view CSI = "\x1b[";

// CUU and CUD (Cursor Up, Down): CSI n A and CSI n B, n rows, stopping at the
// screen's edge. CUF (Cursor Forward): CSI n C, n columns.
inline constexpr char CURSOR_UP = 'A';
inline constexpr char CURSOR_DOWN = 'B';
inline constexpr char CURSOR_FORWARD = 'C';

// CSI n and one of the three letters above.
inline std::string cursor_move(int count, char direction)
{
    return std::string(CSI).append(std::to_string(count)).append(1, direction);
}

// CUP (Cursor Position) with no arguments: the top left corner.
inline constexpr std::string_view CURSOR_HOME = "\x1b[H";

// ED (Erase in Display): CSI J blanks from the cursor to the end of the screen,
// CSI 2 J the whole screen. Neither touches the scrollback.
inline constexpr std::string_view ERASE_TO_SCREEN_END = "\x1b[J";
inline constexpr std::string_view ERASE_SCREEN = "\x1b[2J";

// SGR (Select Graphic Rendition): CSI fg ; bg m sets both colours; CSI 0 m
// gives the terminal back its own.
inline constexpr char SELECT_COLOURS = 'm';
inline constexpr std::string_view COLOURS_RESET = "\x1b[0m";

// XTWINOPS: CSI 8 ; rows ; columns t asks for a window of that size.
inline std::string window_size(int rows, int columns)
{
    return std::string(CSI).append("8;").append(std::to_string(rows)).append(";").append(std::to_string(columns)).append(1, 't');
}
