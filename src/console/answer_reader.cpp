// answer_reader.cpp -- tokens, scanf-like numbers and pause keys from standard input.
#include "console/answer_reader.h"

#include "console/console.h"

#include <array>
#include <cctype>
#include <climits>
#include <initializer_list>

namespace {

constexpr int END_OF_INPUT = -1;

std::array<char, 1 << 16> buffer;
std::size_t buffer_start = 0;
std::size_t buffer_end = 0;
bool input_ended = false;
bool reading_text = false;   // served from use_text_as_input
std::string_view text_input; // what is left of it
bool inside_line = false;    // the last character taken was not a line end

bool refill()
{
    if (input_ended)
        return false;
    if (reading_text) {
        const std::size_t count = std::min(text_input.size(), buffer.size());
        text_input.copy(buffer.data(), count);
        text_input.remove_prefix(count);
        buffer_end = count;
    } else {
        // Whatever was asked must be on the screen before we wait for the answer.
        console_flush();
        buffer_end = static_cast<std::size_t>(read_input(buffer.data(), buffer.size()));
    }
    buffer_start = 0;
    input_ended = buffer_end == 0;
    return !input_ended;
}

int peek()
{
    if (buffer_start == buffer_end && !refill())
        return END_OF_INPUT;
    return static_cast<unsigned char>(buffer[buffer_start]);
}

int take()
{
    const int c = peek();
    if (c != END_OF_INPUT) {
        ++buffer_start;
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

// Accumulates decimal digits with saturation, so no input can overflow.
class SaturatingNumber {
public:
    void add_digit(int digit)
    {
        if (magnitude <= LIMIT)
            magnitude = magnitude * 10 + digit;
    }
    int value(bool negative) const
    {
        if (negative)
            return magnitude > LIMIT ? INT_MIN : static_cast<int>(-magnitude);
        return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
    }

private:
    static constexpr long long LIMIT = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
};

// One %d conversion: blanks, an optional sign, at least one digit. False when
// no number was found, leaving the field untouched.
bool scan_number(int& field)
{
    if (!skip_blanks())
        return false;
    bool negative = false;
    if (peek() == '+' || peek() == '-')
        negative = take() == '-';
    if (!is_digit(peek()))
        return false;
    SaturatingNumber number;
    while (is_digit(peek()))
        number.add_digit(take() - '0');
    field = number.value(negative);
    return true;
}

// Runs a pattern of %d conversions joined by `separator` ('.' must match, ' '
// is a blank skip that the next %d does anyway), then discards the rest of the
// line. Returns the number of fields converted, as scanf does.
int scan_pattern(std::initializer_list<int*> fields, char separator)
{
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

// With keys coming one at a time and nothing typed ahead, a key press stands
// for the character or line a script gives; false when there is none to wait for.
bool took_key_press(bool keys_come_alone)
{
    if (reading_text || !keys_come_alone || buffer_start != buffer_end)
        return false;
    if (!read_key())
        end_of_input();
    return true;
}

}

Token read_token()
{
    if (!skip_blanks())
        end_of_input();
    Token token { static_cast<char>(peek()), 0 };
    // atoi on the token: an optional sign, then the leading digits.
    bool negative = false;
    if (peek() == '+' || peek() == '-')
        negative = take() == '-';
    SaturatingNumber number;
    while (is_digit(peek()))
        number.add_digit(take() - '0');
    token.value = number.value(negative);
    while (peek() != END_OF_INPUT && !is_blank(peek()))
        take();
    return token;
}

std::int16_t keep_low_16_bits(int value)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<unsigned>(value) & 0xFFFFu));
}

int read_number(int& value)
{
    return scan_pattern({ &value }, ' ');
}

int read_two_numbers(int& first, int& second)
{
    return scan_pattern({ &first, &second }, ' ');
}

int read_dotted_numbers(int& first, int& second, int& third, int& fourth)
{
    return scan_pattern({ &first, &second, &third, &fourth }, '.');
}

void read_one_character()
{
    if (took_key_press(reads_single_keys()))
        return;
    if (take() == END_OF_INPUT)
        end_of_input();
}

void read_pause_key()
{
    discard_rest_of_line();
    if (took_key_press(input_is_terminal()))
        return;
    if (take() == END_OF_INPUT)
        end_of_input();
    discard_rest_of_line();
}

void use_text_as_input(std::string_view text)
{
    reading_text = true;
    text_input = text;
    buffer_start = buffer_end = 0;
    input_ended = false;
    inside_line = false;
}
