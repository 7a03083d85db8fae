// console_windows.cpp -- the console operations on the Windows console: its
// attribute and cursor calls, and the command interpreter for the key prompt,
// the screen clearing and the window set-up.
#include "console/console.h"

#include "console/console_layers.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <io.h>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

// Window of 81 by 60, bright white on black everywhere, then 1000 rows of
// buffer at the same width so that long listings stay scrollable.
constexpr const char* WINDOW_SETUP_COMMANDS[] { "MODE CON: COLS=81 LINES=60", "COLOR 0F", "MODE CON: COLS=81 LINES=1000" };

// The attribute in force when the program started, put back on every way out.
WORD start_attribute = START_ATTRIBUTE;

// The console's control events (Ctrl-C, Ctrl-Break, the window closed) come
// on a thread of their own, which only notes them; the main path acts.
constexpr LONG NO_EVENT = -1;
volatile LONG control_event = NO_EVENT;
HANDLE event_came = nullptr;  // set with control_event
HANDLE export_saved = nullptr; // set by the main path once it has saved
HANDLE main_thread = nullptr;
bool leaving = false;

// The system ends the process a few seconds after a close event's handler
// was called; the save must be done well within them.
constexpr DWORD CLOSE_WAIT_MILLISECONDS = 4000;

// A console read cut short by Ctrl-C may return before the event's thread
// has noted it; this long is waited for the note.
constexpr DWORD EVENT_NOTE_MILLISECONDS = 200;

HANDLE output_handle()
{
    return GetStdHandle(STD_OUTPUT_HANDLE);
}

// Flushes first: bytes still in the stdio buffer must reach the console
// before the cursor is read or moved or the colours change.
CONSOLE_SCREEN_BUFFER_INFO screen_buffer_info()
{
    console_flush();
    CONSOLE_SCREEN_BUFFER_INFO info {};
    GetConsoleScreenBufferInfo(output_handle(), &info);
    return info;
}

// The console wraps a full row at once; its width is read again before every
// wait, so a resized window counts from then on.
void measure_screen_width(const CONSOLE_SCREEN_BUFFER_INFO& info)
{
    screen_rows().set_width(info.dwSize.X, LastColumn::WRAP_AT_ONCE);
}

// What the console drew by itself between `before` and now (the echo of a
// typed line, PAUSE's prompt) counts as drawn on the current line.
void track_console_drawing(COORD before)
{
    const COORD after = screen_buffer_info().dwCursorPosition;
    screen_rows().moved_down(after.Y - before.Y, after.X);
}

// A read cut short by a control event ends the program as the event asks,
// not as an end of input.
long read_standard_input(char* buffer, unsigned long size)
{
    act_on_signals();
    const int got = _read(_fileno(stdin), buffer, static_cast<unsigned>(size));
    if (got <= 0 && WaitForSingleObject(event_came, input_is_terminal() ? EVENT_NOTE_MILLISECONDS : 0) == WAIT_OBJECT_0)
        act_on_signals();
    return got > 0 ? got : 0;
}

void run_command(const char* command)
{
    console_flush();
    std::system(command);
}

void restore_at_exit()
{
    console_flush();
    SetConsoleTextAttribute(output_handle(), start_attribute);
}

// A read of a pipe that waits is cut short, so that the main path sees the
// event. After a close event the process ends once this returns, so it waits
// until the main path has saved.
BOOL WINAPI note_control_event(DWORD event)
{
    InterlockedCompareExchange(&control_event, static_cast<LONG>(event), NO_EVENT);
    SetEvent(event_came);
    CancelSynchronousIo(main_thread);
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        WaitForSingleObject(export_saved, CLOSE_WAIT_MILLISECONDS);
    return TRUE;
}

void catch_control_events()
{
    event_came = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    export_saved = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &main_thread, 0, FALSE,
        DUPLICATE_SAME_ACCESS);
    SetConsoleCtrlHandler(note_control_event, TRUE);
}

}

void set_terminal_attribute(int attribute)
{
    console_flush();
    SetConsoleTextAttribute(output_handle(), static_cast<WORD>(attribute));
}

int terminal_attribute()
{
    return screen_buffer_info().wAttributes;
}

// A Windows pipe reports a reader gone as an ordinary failure, so a refused
// write calls for nothing more.
void take_console()
{
    set_output_actions(act_on_signals, nullptr);
    catch_control_events();
    if (!output_is_terminal())
        return;
    start_attribute = screen_buffer_info().wAttributes;
    std::atexit(restore_at_exit);
}

void shape_window()
{
    for (const char* command : WINDOW_SETUP_COMMANDS)
        run_command(command);
    measure_screen_width(screen_buffer_info());
}

// Blanks every cell from the first row to the cursor's row, in the current
// colours, and leaves the cursor at the start of that first row.
void erase_rows_above(int rows)
{
    const CONSOLE_SCREEN_BUFFER_INFO info = screen_buffer_info();
    const COORD first { 0, static_cast<SHORT>(std::max(info.dwCursorPosition.Y - rows, 0)) };
    const DWORD cells = static_cast<DWORD>(info.dwCursorPosition.Y - first.Y + 1) * static_cast<DWORD>(info.dwSize.X);
    DWORD written = 0;
    FillConsoleOutputCharacterA(output_handle(), ' ', cells, first, &written);
    FillConsoleOutputAttribute(output_handle(), info.wAttributes, cells, first, &written);
    SetConsoleCursorPosition(output_handle(), first);
}

// Never asked for: answers are typed into the console's own line input.
void repaint_screen()
{
}

void clear_terminal_screen()
{
    run_command("CLS");
    screen_rows().clear();
}

// From a console keyboard, PAUSE draws the prompt row itself; piped answers
// get the program's own prompt and give one line, so no child process ever
// reads input meant for the answer reader.
bool pauses_by_console()
{
    return input_is_terminal();
}

// PAUSE shows its one-row key prompt and waits for a key. The row must end
// there, as the erasing that follows counts the prompt as one row: Windows'
// interpreter ends it, wine's leaves the cursor after the prompt.
void pause_by_console()
{
    const COORD before = screen_buffer_info().dwCursorPosition;
    run_command("PAUSE");
    track_console_drawing(before);
    if (screen_buffer_info().dwCursorPosition.X != 0)
        console_write("\n");
}

// Text mode turns the console's and the pipe's CR LF into the "\n" the
// answer reader expects.
long read_input(char* buffer, unsigned long size)
{
    if (!output_is_terminal())
        return read_standard_input(buffer, size);
    const CONSOLE_SCREEN_BUFFER_INFO info = screen_buffer_info();
    measure_screen_width(info);
    const long got = read_standard_input(buffer, size);
    if (input_is_terminal())
        track_console_drawing(info.dwCursorPosition);
    return got;
}

// Ctrl-C, Ctrl-Break and the window closed keep the export and the colours,
// then end the program as Ctrl-C ends a Windows program.
void act_on_signals()
{
    if (control_event == NO_EVENT || leaving)
        return;
    leaving = true;
    save_on_way_out();
    restore_at_exit();
    SetEvent(export_saved);
    std::_Exit(static_cast<int>(STATUS_CONTROL_C_EXIT));
}
