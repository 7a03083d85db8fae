// console_output.cpp -- the console layer's shared middle: the block the
// screen's text waits in, the screen rows it follows, and the ways out.
#include "console/console.h"

#include "console/console_layers.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The screen's text waits here until a question is asked or the block is full,
// so that a long listing reaches a pipe or a file in a few large writes.
constexpr std::size_t OUTPUT_BLOCK_BYTES = 256 * 1024;
std::array<char, OUTPUT_BLOCK_BYTES> output_block;
std::size_t output_length = 0;
bool output_lost = false;

int (*way_out)() = nullptr;
void (*program_end)(int) = nullptr;
void (*signal_acting)() = nullptr;
void (*refusal_acting)(int) = nullptr;
void (*answer_drawing)() = nullptr;
void (*answer_leaving)() = nullptr;
// The next text is a way out's closing words, which start a row of their own.
bool closing_row_pending = false;

// Once the program is on its way out, screen text that cannot be delivered is dropped.
bool leaving = false;

void act_on_signals_now()
{
    if (signal_acting != nullptr)
        signal_acting();
}

ScreenRows screen;

void start_closing_words()
{
    closing_row_pending = false;
    if (screen.cursor_column() > 0)
        console_write("\n");
}

// Going on with every line lost would look like success to a script, so a
// pipe or file that refuses the text ends the program, keeping the export.
// A terminal that refuses it is left alone: the user sees what is missing.
void give_up_on_output(int error)
{
    if (output_is_terminal())
        return;
    output_lost = true;
    if (leaving)
        return;
    if (refusal_acting != nullptr)
        refusal_acting(error);
    tell_output_refused(error);
    save_on_way_out();
    std::exit(1);
}

// At most this much per write, which a long of 32 bits (Windows) still counts.
constexpr std::size_t MOST_BYTES_PER_WRITE = std::size_t { 1 } << 30;

void write_all(std::string_view bytes)
{
    while (!bytes.empty() && !output_lost) {
        const long written = write_output(bytes.data(), static_cast<unsigned long>(std::min(bytes.size(), MOST_BYTES_PER_WRITE)));
        // A termination came while the output could take nothing: the text
        // is dropped once it is acted on.
        if (written < 0 && errno == EINTR) {
            act_on_signals_now();
            return;
        }
        if (written <= 0) {
            give_up_on_output(written < 0 ? errno : EIO);
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// A long listing on screen comes here some twenty times a subnet: one copy
// into the block, no call further in while the block has room.
void append_to_block(std::string_view text)
{
    if (text.size() > output_block.size() - output_length) {
        console_flush();
        if (text.size() > output_block.size()) {
            write_all(text);
            return;
        }
    }
    text.copy(output_block.data() + output_length, text.size());
    output_length += text.size();
}

}

void console_write(std::string_view text)
{
    static const bool terminal = output_is_terminal();
    if (terminal) {
        if (closing_row_pending)
            start_closing_words();
        screen.draw(text);
    }
    append_to_block(text);
}

void console_write_unfollowed(std::string_view text)
{
    append_to_block(text);
}

void console_write_int(int value)
{
    console_write(std::to_string(value));
}

// Scripted answers are taken from the reader's buffer without a wait, so the
// screen's blocks are where a long run learns of a signal.
void console_flush()
{
    act_on_signals_now();
    const std::size_t length = output_length;
    output_length = 0;
    write_all({ output_block.data(), length });
}

void set_way_out(int (*save_open_work)())
{
    way_out = save_open_work;
}

void set_output_actions(void (*act_on_signals)(), void (*act_on_refusal)(int error))
{
    signal_acting = act_on_signals;
    refusal_acting = act_on_refusal;
}

void set_answer_drawing(void (*draw_again)(), void (*leave)())
{
    answer_drawing = draw_again;
    answer_leaving = leave;
}

void draw_answer_again()
{
    if (answer_drawing != nullptr)
        answer_drawing();
}

void start_closing_row()
{
    if (answer_leaving != nullptr)
        answer_leaving();
    closing_row_pending = true;
}

int save_on_way_out()
{
    leaving = true;
    return way_out != nullptr ? way_out() : 0;
}

void end_program()
{
    const int status = save_on_way_out();
    console_flush();
    if (program_end != nullptr)
        program_end(status);
    std::exit(status);
}

void tell_output_refused(int error)
{
    std::fprintf(stderr, "subnetter: writing to standard output failed: %s\n", std::strerror(error));
}

void set_program_end(void (*before_exit)(int status))
{
    program_end = before_exit;
}

ScreenRows& screen_rows()
{
    return screen;
}
