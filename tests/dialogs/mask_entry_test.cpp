// mask_entry_test.cpp -- masks each class accepts or refuses, in decimal and binary form.
#include "dialogs/mask_entry.h"
#include "address/octet_bits.h"
#include "calculation.h"
#include "typed_answers.h"

namespace {

using MaskDialog = void (*)(int&, int&, int&, int&, int&, char&, int&, int&, int&, int&,
    OctetBits&, OctetBits&, OctetBits&, OctetBits&);

struct MaskCase {
    char class_letter;
    MaskDialog dialog;
    const char* typed; // refused masks, the accepted one, and the key of the pause
    int refusals;      // "invalid Network Mask" blocks
    int digit_errors;  // binary-digit messages
    DecimalAddress mask;
    int prefix;
};

constexpr auto DEC = prefix_from_mask_decimal;
constexpr auto BIN = prefix_from_mask_binary;

const MaskCase MASK_CASES[] = {
    { 'C', DEC, "255.255.255.0\n\n", 0, 0, { 255, 255, 255, 0 }, 24 },
    { 'C', DEC, "255.255.255.254\n255.255.255.255\n255.255.0.0\n255.255.255.252\n\n", 3, 0, { 255, 255, 255, 252 }, 30 },
    { 'C', DEC, "abc\n-255.255.255.0\n255.255.255\n\n", 2, 0, { 255, 255, 255, 0 }, 24 },
    { 'B', DEC, "255.0.0.0\n255.255.1.0\n255.255.128.0\n\n", 2, 0, { 255, 255, 128, 0 }, 17 },
    { 'B', DEC, "255.255.255.128\n\n", 0, 0, { 255, 255, 255, 128 }, 25 },
    { 'A', DEC, "255.0.255.0\n255.128.128.0\n254.0.0.0\n255.255.255.3\n255.192.0.0\n\n", 4, 0, { 255, 192, 0, 0 }, 10 },
    { 'A', DEC, "255.0.0.0\n\n", 0, 0, { 255, 0, 0, 0 }, 8 },
    { 'A', DEC, "255.255.255\n\n", 0, 0, { 255, 255, 255, 0 }, 24 },
    { 'C', BIN, "11111111.11111111.11111111.11000000\n\n", 0, 0, { 255, 255, 255, 192 }, 26 },
    { 'C', BIN, "11111111.11111111.11111111.11111110\n11111111.11111111.11111111.0\n\n", 1, 0, { 255, 255, 255, 0 }, 24 },
    { 'A', BIN, "11111111.2.0.0\n11111111.-1.0.0\n11111111.11000000.0.0\n\n", 0, 2, { 255, 192, 0, 0 }, 10 },
    { 'B', BIN, "abc\n111111111.11111111.10000000.0\n\n", 1, 0, { 255, 255, 128, 0 }, 17 },
};

TEST(MaskEntry, AcceptsOnlyContiguousMasksOfTheClass)
{
    for (const auto& row : MASK_CASES) {
        SCOPED_TRACE(std::string(1, row.class_letter) + " typed " + row.typed);
        Calculation c;
        c.class_letter = row.class_letter;
        c.class_host_bits = row.class_letter == 'A' ? 24 : row.class_letter == 'B' ? 16 : 8;
        auto& [m1, m2, m3, m4] = c.mask_octets;
        auto& [b1, b2, b3, b4] = c.mask_bits;
        const std::string screen = run_dialog(row.typed, [&] {
            row.dialog(c.subnets, c.hosts, c.class_host_bits, c.host_bits, c.prefix, c.class_letter,
                m1, m2, m3, m4, b1, b2, b3, b4);
        });
        EXPECT_EQ(c.mask_octets, row.mask);
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_EQ(BinaryArrayToDecimalInteger(c.mask_bits[k]), row.mask[k]) << "octet " << k;
        EXPECT_EQ(c.prefix, row.prefix);
        EXPECT_EQ(c.host_bits, 32 - row.prefix);
        EXPECT_EQ(c.subnets, 1 << (c.class_host_bits - c.host_bits));
        EXPECT_EQ(c.hosts, (1 << (32 - row.prefix)) - 2);
        const std::string form_line = std::string("Class ") + row.class_letter + " Network Masks must have the form";
        EXPECT_EQ(occurrences(screen, "invalid Network Mask"), row.refusals) << screen;
        EXPECT_EQ(occurrences(screen, form_line), row.refusals);
        EXPECT_EQ(occurrences(screen, "A Binary number must only contain '0' and '1' digits"), row.digit_errors);
    }
}

}
