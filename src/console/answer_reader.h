// answer_reader.h -- the one reader of standard input for every question.
//
// Tokens are runs of non-blank characters (blank as isspace says). Numbers
// follow scanf's %d and saturate at the int range. After a number read the
// rest of the line is discarded, so leftover text never reaches the next
// question. End of input before any non-blank character ends the program.
//
// At a terminal the reader owns every byte typed: keys typed ahead wait
// unseen, and each question takes its answer a line at a time through the
// line editor, which draws it after the question as it is typed. Earlier
// answers to the same question come back with Up. A pause takes one key; keys
// left over from pauses serve the next pauses only, never a question.
#pragma once

#include <cstdint>
#include <string_view>

// What a read is asked, told by the dialog that asks it: the name its earlier
// answers are kept under, and the template the answer is typed over (the
// binary form's groups), which the reader draws after the prompt and steps
// back over.
struct Question {
    std::string_view name;
    std::string_view answer_template = {};
};

struct Token {
    char first; // first character of the token
    int value;  // value as atoi computes it, saturated to the int range
};

// Skips white space including line ends and takes one whole token; the rest
// of its line stays for the next question.
Token read_token(const Question& question);

// A token value kept to 16 bits, as the menu fields store it.
std::int16_t keep_low_16_bits(int value);

// scanf("%d"), scanf("%d %d") and scanf("%d.%d.%d.%d"): fields not reached
// keep their value. The rest of the line where the read stopped is discarded.
// Each returns the number of fields it converted.
int read_number(const Question& question, int& value);
int read_two_numbers(const Question& question, int& first, int& second);
int read_dotted_numbers(const Question& question, int& first, int& second, int& third, int& fourth);

// The splash key: one key press on a terminal; else exactly one character,
// the rest of its line staying for the next question.
void read_one_character();

// Consumes the key of a pause: when input is not a terminal, the rest of a
// line already begun, then one whole line of its own.
void read_pause_key();

// The one-row key prompt (unless the console draws its own), then the key of
// a pause, then the row's end.
void pause_for_key(std::string_view key_prompt);

// Serves the reader from `text` instead of standard input (tests and fuzzing).
// Only a view is kept: the text must outlive the reads.
void use_text_as_input(std::string_view text);
