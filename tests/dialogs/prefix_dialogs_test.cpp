// prefix_dialogs_test.cpp -- the prefix and its counts from each method, masks included.
#include "console/answer_reader.h"
#include "console/console.h"
#include "dialogs/mask_entry.h"
#include "dialogs/prefix_derivation.h"
#include "calculation.h"
#include "test_data.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// Serves `typed` as the keyboard, runs `dialog` and returns its screen output.
// A dialog that asks for more than was typed meets the end of its input, which
// throws ProgramEnded and fails the test.
template <typename Dialog>
std::string run_dialog(const std::string& typed, Dialog&& dialog)
{
    use_text_as_input(typed);
    testing::internal::CaptureStdout();
    dialog();
    console_flush();
    return testing::internal::GetCapturedStdout();
}

int occurrences(std::string_view screen, std::string_view text)
{
    int count = 0;
    for (auto at = screen.find(text); at != std::string_view::npos; at = screen.find(text, at + 1))
        ++count;
    return count;
}

using PrefixDialog = void (*)(int&, int&, int&, int&, int&, char&);

const std::map<std::string, PrefixDialog> PREFIX_DIALOGS { { "prefix", prefix_input }, { "hosts", prefix_from_hosts },
    { "subnets", prefix_from_subnets }, { "default", default_prefix } };

// A line of prefix_cases.txt: class, classful host bits (or the starting prefix
// of a VLSM call), method, answers typed (| for Enter), the prefix, host bits,
// subnets and hosts that follow, and any text that must be shown exactly once.
TEST(PrefixDerivation, CountsFollowFromTheAcceptedAnswer)
{
    for_each_case("dialogs/prefix_cases.txt", [](std::istringstream& row) {
        char class_letter = 0;
        int class_host_bits = 0, subnets = 0, hosts = 0, host_bits = 0, prefix = 0;
        std::array<int, 4> expected {};
        std::string method, typed, shown;
        row >> class_letter >> class_host_bits >> method >> typed >> expected[0] >> expected[1] >> expected[2] >> expected[3];
        std::getline(row >> std::ws, shown);
        const std::string screen = run_dialog(with_enters(typed),
            [&] { PREFIX_DIALOGS.at(method)(subnets, hosts, class_host_bits, host_bits, prefix, class_letter); });
        EXPECT_EQ((std::array { prefix, host_bits, subnets, hosts }), expected);
        EXPECT_TRUE(shown.empty() || occurrences(screen, with_enters(shown)) == 1) << screen;
    });
}

// A line of mask_cases.txt: class, form, masks typed (| for Enter) until one is
// accepted and the key of the pause, the refusal blocks and binary-digit
// messages shown, the accepted mask and its prefix. For every form a class
// allows (255.255.255.x, 255.255.x.0, 255.x.0.0) one line refuses four masks
// that each miss it in one octet only, first to last, then accepts one that fits.
TEST(MaskEntry, AcceptsOnlyContiguousMasksOfTheClass)
{
    for_each_case("dialogs/mask_cases.txt", [](std::istringstream& row) {
        Calculation c;
        std::string form, typed;
        int refusals = 0, digit_errors = 0, prefix = 0;
        DecimalAddress mask {};
        row >> c.class_letter >> form >> typed >> refusals >> digit_errors >> mask[0] >> mask[1] >> mask[2] >> mask[3] >> prefix;
        auto& m = c.mask_octets;
        auto& b = c.mask_bits;
        const std::string screen = run_dialog(with_enters(typed), [&] {
            (form == "binary" ? prefix_from_mask_binary : prefix_from_mask_decimal)(c.subnets, c.hosts,
                c.class_host_bits, c.host_bits, c.prefix, c.class_letter, m[0], m[1], m[2], m[3], b[0], b[1], b[2], b[3]);
        });
        EXPECT_EQ(c.mask_octets, mask);
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_EQ(BinaryArrayToDecimalInteger(c.mask_bits[k]), mask[k]) << "octet " << k;
        EXPECT_EQ(std::pair(c.prefix, c.host_bits), std::pair(prefix, 32 - prefix));
        EXPECT_EQ(occurrences(screen, "invalid Network Mask"), refusals) << screen;
        EXPECT_EQ(occurrences(screen, std::string("Class ") + c.class_letter + " Network Masks must have the form"), refusals);
        EXPECT_EQ(occurrences(screen, "A Binary number must only contain '0' and '1' digits"), digit_errors);
    });
}

}
