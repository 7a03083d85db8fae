// answer_reader_fuzz.cpp -- libFuzzer target: any text through every kind of read of the answer reader.
//
// The first byte gives the number of reads, the next bytes choose them, the
// rest is the text read. The reader ends the process at end of input, so a
// tail of short lines follows the text: no read can take more than a few lines.
#include "console/answer_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

constexpr std::size_t MOST_READS = 16;
constexpr int UNTOUCHED = -12345;

void check(bool holds)
{
    if (!holds)
        std::abort();
}

// A token's value saturates: its sign always follows the token's own.
void check_token()
{
    const Token token = read_token();
    if (token.first == '-')
        check(token.value <= 0);
    else if (token.first == '+' || (token.first >= '0' && token.first <= '9'))
        check(token.value >= 0);
    else
        check(token.value == 0);
}

// Fields a number read does not reach keep their value.
void check_numbers(int (*read)(int&, int&, int&, int&), int field_count)
{
    int fields[4] = { UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED };
    const int converted = read(fields[0], fields[1], fields[2], fields[3]);
    check(converted >= 0 && converted <= field_count);
    for (int k = converted; k < 4; ++k)
        check(fields[k] == UNTOUCHED);
}

int read_one(int& first, int&, int&, int&) { return read_number(first); }
int read_two(int& first, int& second, int&, int&) { return read_two_numbers(first, second); }

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t reads = std::min(data[0] % (MOST_READS + 1), size - 1);
    const std::uint8_t* kinds = data + 1;
    std::string text(reinterpret_cast<const char*>(kinds + reads), size - 1 - reads);
    text += '\n';
    for (std::size_t line = 0; line < 4 * MOST_READS + 4; ++line)
        text += "1\n";
    use_text_as_input(text);
    for (std::size_t k = 0; k < reads; ++k) {
        switch (kinds[k] % 6) {
        case 0: check_token(); break;
        case 1: check_numbers(read_one, 1); break;
        case 2: check_numbers(read_two, 2); break;
        case 3: check_numbers(read_dotted_numbers, 4); break;
        case 4: read_pause_key(); break;
        default: read_one_character(); break;
        }
    }
    return 0;
}
