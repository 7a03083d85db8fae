// answer_reader.cpp -- tokens, scanf-like numbers and pause keys from standard input,
// typed at the terminal through the line editor.
#include "console/answer_reader.h"

#include "console/console.h"
#include "console/console_layers.h"
#include "console/key_press.h"
#include "console/line_editor.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int END_OF_INPUT = -1;

// The bytes of one key arrive together; a lone ESC is told from the start of
// a sequence by nothing following it within this time.
constexpr int KEY_REST_MILLISECONDS = 100;

// Every byte read from standard input and not yet taken.
std::array<char, 1 << 16> buffer;
std::size_t buffer_start = 0;
std::size_t buffer_end = 0;
bool input_ended = false;
bool reading_text = false;   // served from use_text_as_input
std::string_view text_input; // what is left of it
bool inside_line = false;    // the last character taken was not a line end

// At a terminal: the answer the editor took, line end included, as the
// questions read it; the keys still in the buffer were typed after it.
std::string answer;
std::size_t answer_taken = 0;
bool keys_for_pauses = false; // a pause took the last key: what follows was typed for pauses
std::map<std::string, std::vector<std::string>, std::less<>> earlier_answers; // by question

// The question being read, and its template until an answer is typed over it:
// after an empty answer the next is typed on the row below, where there is none.
Question asked;
std::string_view template_left;
std::string last_cut; // what Ctrl-Y puts back, from any earlier answer too

// Asked for every character a script's answers are taken from: the answer
// is kept rather than asked of the platform each time.
bool editing()
{
    static const bool terminal_both_ways = edits_answers();
    return !reading_text && terminal_both_ways;
}

std::string_view buffered()
{
    return { buffer.data() + buffer_start, buffer_end - buffer_start };
}

// Appends what standard input (or the text) has to what is buffered; false at its end.
bool read_more()
{
    if (input_ended)
        return false;
    std::copy(buffer.begin() + static_cast<long>(buffer_start), buffer.begin() + static_cast<long>(buffer_end), buffer.begin());
    buffer_end -= buffer_start;
    buffer_start = 0;
    const std::size_t room = buffer.size() - buffer_end;
    std::size_t got = 0;
    if (reading_text) {
        got = text_input.copy(buffer.data() + buffer_end, room);
        text_input.remove_prefix(got);
    } else {
        // Whatever was asked must be on the screen before we wait for the answer.
        console_flush();
        got = static_cast<std::size_t>(read_input(buffer.data() + buffer_end, static_cast<unsigned long>(room)));
    }
    buffer_end += got;
    input_ended = got == 0;
    return !input_ended;
}

// One key press, all of its bytes, as the terminal sent it; empty at end of input.
std::string_view take_key()
{
    for (;;) {
        const std::string_view bytes = buffered();
        std::size_t length = key_length(bytes);
        // Bytes that make no whole key, with nothing more to come, are one key.
        if (length == 0 && !bytes.empty() && (bytes.size() == buffer.size() || !input_within(KEY_REST_MILLISECONDS)))
            length = bytes.size();
        if (length != 0) {
            buffer_start += length;
            return bytes.substr(0, length);
        }
        if (!read_more()) {
            const std::string_view rest = buffered();
            buffer_start = buffer_end;
            return rest;
        }
    }
}

void drop_keys_typed_for_pauses()
{
    keys_for_pauses = false;
    buffer_start = buffer_end;
    while (input_within(0) && read_more())
        buffer_start = buffer_end;
}

std::vector<std::string>& answers_to(std::string_view question)
{
    const auto found = earlier_answers.find(question);
    return found != earlier_answers.end() ? found->second : earlier_answers[std::string(question)];
}

void ask(const Question& question)
{
    asked = question;
    template_left = question.answer_template;
}

void remember(std::vector<std::string>& answers, const std::string& text)
{
    if (text.find_first_not_of(' ') != std::string::npos && (answers.empty() || answers.back() != text))
        answers.push_back(text);
}

// The answer being edited, for the console to draw again or leave as drawn.
LineEdit* edit_shown = nullptr;

void draw_edit(void (*draw)(LineEdit&))
{
    if (edit_shown == nullptr)
        return;
    edit_shown->columns = screen_rows().width();
    edit_shown->rows = screen_rows().height();
    draw(*edit_shown);
    console_write_unfollowed(edit_shown->drawn);
}

void draw_edit_again()
{
    draw_edit(draw_answer);
}

// The answer stays as drawn, the cursor after it.
void leave_edit()
{
    draw_edit(leave_answer);
    if (edit_shown != nullptr)
        screen_rows().draw(edit_shown->text);
    edit_shown = nullptr;
}

// Keys until the answer is taken (true) or the input ends (false).
bool take_keys(LineEdit& edit)
{
    for (;;) {
        const std::string_view key = take_key();
        // Measured after the wait for the key, as the window may have been resized meanwhile.
        edit.columns = screen_rows().width();
        edit.rows = screen_rows().height();
        const EditStep step = edit_key(edit, key);
        console_write_unfollowed(edit.drawn);
        if (step == EditStep::REPAINT)
            repaint_screen();
        if (step == EditStep::TAKEN || step == EditStep::ENDED)
            return step == EditStep::TAKEN;
    }
}

// One line typed at the terminal, drawn after the question; false at end of input.
bool edit_answer()
{
    if (input_ended)
        return false;
    if (keys_for_pauses)
        drop_keys_typed_for_pauses();
    ScreenRows& screen = screen_rows();
    LineEdit edit;
    edit.prompt = screen.current_line();
    edit.answer_template = std::exchange(template_left, {});
    std::vector<std::string>& answers = answers_to(asked.name);
    edit.history = &answers;
    edit.cut = last_cut;
    set_answer_drawing(draw_edit_again, leave_edit);
    edit_shown = &edit;
    input_ended = !take_keys(edit);
    edit_shown = nullptr;
    last_cut = edit.cut;
    if (input_ended)
        return false;
    screen.typed(edit.text);
    console_write_unfollowed("\n");
    remember(answers, edit.text);
    answer = edit.text + "\n";
    answer_taken = 0;
    return true;
}

// What the questions read next: the answer taken at the terminal, or the input as it came.
std::string_view unread()
{
    return editing() ? std::string_view(answer).substr(answer_taken) : buffered();
}

bool refill()
{
    return editing() ? edit_answer() : read_more();
}

int peek()
{
    if (unread().empty() && !refill())
        return END_OF_INPUT;
    return static_cast<unsigned char>(unread()[0]);
}

int take()
{
    const int c = peek();
    if (c != END_OF_INPUT) {
        ++(editing() ? answer_taken : buffer_start);
        inside_line = c != '\n';
    }
    return c;
}

bool is_blank(int c)
{
    return c != END_OF_INPUT && std::isspace(c) != 0;
}

bool is_digit(int c)
{
    return c >= '0' && c <= '9';
}

[[noreturn]] void end_of_input()
{
    console_write("\n");
    end_program();
}

// Skips white space, line ends included; false when the input ends first.
bool skip_blanks()
{
    while (is_blank(peek()))
        take();
    return peek() != END_OF_INPUT;
}

// Takes the rest of the line where a read stopped, its line end included,
// even when the read took nothing: text that is not a number must not be
// met again by the next question.
void discard_through_line_end()
{
    for (int c = take(); c != '\n' && c != END_OF_INPUT; c = take()) { }
}

// Only a line already begun: at the start of a line there is nothing to discard.
void discard_rest_of_line()
{
    if (inside_line)
        discard_through_line_end();
}

// An optional sign and the digits after it, as atoi takes them, saturated so
// that no input overflows. False when no digit follows the sign, leaving
// `value` untouched.
bool take_signed_number(int& value)
{
    constexpr long long LIMIT = static_cast<long long>(INT_MAX) + 1;
    bool negative = false;
    if (peek() == '+' || peek() == '-')
        negative = take() == '-';
    if (!is_digit(peek()))
        return false;
    long long magnitude = 0;
    while (is_digit(peek()))
        magnitude = std::min(magnitude * 10 + (take() - '0'), LIMIT);
    value = static_cast<int>(negative ? -magnitude : std::min<long long>(magnitude, INT_MAX));
    return true;
}

// One %d conversion: blanks, an optional sign, at least one digit. False when
// no number was found, leaving the field untouched.
bool scan_number(int& field)
{
    return skip_blanks() && take_signed_number(field);
}

// Runs a pattern of %d conversions joined by `separator` ('.' must match, ' '
// is a blank skip that the next %d does anyway), then discards the rest of the
// line. Returns the number of fields converted, as scanf does.
int scan_pattern(const Question& question, std::initializer_list<int*> fields, char separator)
{
    ask(question);
    if (!skip_blanks())
        end_of_input();
    int converted = 0;
    for (int* field : fields) {
        if (converted != 0 && separator != ' ') {
            if (peek() != separator)
                break;
            take();
        }
        if (!scan_number(*field))
            break;
        ++converted;
    }
    discard_through_line_end();
    return converted;
}

// A key press at the terminal stands for the character or line a script
// gives; what is typed after it serves the next pauses.
void take_key_for_pause()
{
    if (take_key().empty())
        end_of_input();
    keys_for_pauses = true;
}

}

Token read_token(const Question& question)
{
    ask(question);
    if (!skip_blanks())
        end_of_input();
    Token token { static_cast<char>(peek()), 0 };
    // atoi on the token: 0 when no digits lead it.
    take_signed_number(token.value);
    while (peek() != END_OF_INPUT && !is_blank(peek()))
        take();
    return token;
}

std::int16_t keep_low_16_bits(int value)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<unsigned>(value) & 0xFFFFu));
}

int read_number(const Question& question, int& value)
{
    return scan_pattern(question, { &value }, ' ');
}

int read_two_numbers(const Question& question, int& first, int& second)
{
    return scan_pattern(question, { &first, &second }, ' ');
}

int read_dotted_numbers(const Question& question, int& first, int& second, int& third, int& fourth)
{
    return scan_pattern(question, { &first, &second, &third, &fourth }, '.');
}

void read_one_character()
{
    if (editing())
        take_key_for_pause();
    else if (take() == END_OF_INPUT)
        end_of_input();
}

// The key is one character as the splash takes it, then the rest of its line;
// at a terminal the key is no character of a line, so that rest is nothing.
void read_pause_key()
{
    discard_rest_of_line();
    if (pauses_by_console()) {
        pause_by_console();
    } else {
        read_one_character();
        discard_rest_of_line();
    }
}

void pause_for_key(std::string_view key_prompt)
{
    const bool own_prompt = !pauses_by_console();
    if (own_prompt)
        console_write(key_prompt);
    read_pause_key();
    if (own_prompt)
        console_write("\n");
}

void use_text_as_input(std::string_view text)
{
    reading_text = true;
    text_input = text;
    buffer_start = buffer_end = 0;
    input_ended = false;
    inside_line = false;
}
