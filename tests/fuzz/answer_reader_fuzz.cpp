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
void check_numbers(int field_count)
{
    int f[4] = { UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED };
    const int converted = field_count == 1 ? read_number(f[0])
        : field_count == 2                 ? read_two_numbers(f[0], f[1])
                                           : read_dotted_numbers(f[0], f[1], f[2], f[3]);
    check(converted >= 0 && converted <= field_count);
    for (int k = converted; k < 4; ++k)
        check(f[k] == UNTOUCHED);
}

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
        case 1: check_numbers(1); break;
        case 2: check_numbers(2); break;
        case 3: check_numbers(4); break;
        case 4: read_pause_key(); break;
        default: read_one_character(); break;
        }
    }
    return 0;
}
