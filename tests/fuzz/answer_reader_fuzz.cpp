// answer_reader_fuzz.cpp -- libFuzzer target: any text through every kind of read of the answer reader.
// The first byte gives the number of reads, the next bytes choose them, the rest is the text read. Where the
// reader would end the process at the end of the text, it throws instead and the input is done.
#include "console/answer_reader.h"
#include "console/console.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string_view>

namespace {

constexpr std::size_t MOST_READS = 16;
constexpr int UNTOUCHED = -12345;
constexpr Question ANY { "any" };

void check(bool holds) { if (!holds) std::abort(); }

// A token's value saturates: its sign always follows the token's own.
void check_token()
{
    const auto [first, value] = read_token(ANY);
    const bool unsigned_number = first == '+' || (first >= '0' && first <= '9');
    check(first == '-' ? value <= 0 : unsigned_number ? value >= 0 : value == 0);
}

// Fields a number read does not reach keep their value.
template <int FIELDS> void check_numbers()
{
    int f[4] = { UNTOUCHED, UNTOUCHED, UNTOUCHED, UNTOUCHED };
    const int converted = FIELDS == 1 ? read_number(ANY, f[0])
        : FIELDS == 2                 ? read_two_numbers(ANY, f[0], f[1])
                                      : read_dotted_numbers(ANY, f[0], f[1], f[2], f[3]);
    check(converted >= 0 && converted <= FIELDS);
    for (int k = converted; k < 4; ++k)
        check(f[k] == UNTOUCHED);
}

struct InputEnded { };

void stop_at_end(int) { throw InputEnded {}; }

constexpr void (*READS[])() = { check_token, check_numbers<1>, check_numbers<2>, check_numbers<4>, read_pause_key,
    read_one_character };

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t reads = std::min(data[0] % (MOST_READS + 1), size - 1);
    set_program_end(stop_at_end);
    use_text_as_input(std::string_view(reinterpret_cast<const char*>(data + 1 + reads), size - 1 - reads));
    try {
        for (std::size_t k = 1; k <= reads; ++k)
            READS[data[k] % std::size(READS)]();
    } catch (const InputEnded&) {
    }
    return 0;
}
