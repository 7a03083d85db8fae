// address_test.cpp -- bit arrays, masks, the address step, classes and validity rules.
#include "address/address_classes.h"
#include "address/subnet_math.h"
#include "console/console.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using Octets = std::array<int, 4>;

IpBits to_bits(const Octets& octets)
{
    IpBits bits;
    for (std::size_t k = 0; k < 4; ++k)
        DecimalIntegerToBinaryArray(octets[k], bits[k]);
    return bits;
}

TEST(OctetBits, EveryOctetConvertsToItsBitsAndBack)
{
    for (int value = 0; value < 256; ++value) {
        OctetBits bits;
        bits.fill(7);
        DecimalIntegerToBinaryArray(value, bits);
        for (std::size_t k = 0; k < 8; ++k)
            ASSERT_EQ(bits[k], (value >> (7 - k)) & 1) << value;
        ASSERT_EQ(BinaryArrayToDecimalInteger(bits), value);
    }
    EXPECT_EQ(BinaryArrayToDecimalInteger({ 2, 1, -1, 0, 0, 0, 0, 1 }), 65);
}

TEST(OctetBits, SplitterSpreadsTheLastEightTypedDigits)
{
    const std::pair<int, OctetBits> cases[] {
        { 12, { 0, 0, 0, 0, 0, 0, 1, 2 } }, { -1, { 0, 0, 0, 0, 0, 0, 0, -1 } },
        { -15, { 0, 0, 0, 0, 0, 0, -1, -5 } }, { 111111111, { 1, 1, 1, 1, 1, 1, 1, 1 } },
        { 211000000, { 1, 1, 0, 0, 0, 0, 0, 0 } }, { 101, { 0, 0, 0, 0, 0, 1, 0, 1 } },
    };
    for (const auto& [typed, expected] : cases) {
        OctetBits bits;
        bits.fill(7);
        BinaryIntegerSplitterToBinaryArray(typed, bits);
        EXPECT_EQ(bits, expected) << typed;
    }
}

struct SubnetCase {
    Octets address;
    int prefix;
    Octets mask, network, last_host;
};

TEST(SubnetMath, MaskNetworkAndLastHostOfAnAddress)
{
    const SubnetCase cases[] {
        { { 192, 168, 1, 77 }, 26, { 255, 255, 255, 192 }, { 192, 168, 1, 64 }, { 192, 168, 1, 126 } },
        { { 10, 1, 2, 3 }, 8, { 255, 0, 0, 0 }, { 10, 0, 0, 0 }, { 10, 255, 255, 254 } },
        { { 192, 168, 1, 1 }, 30, { 255, 255, 255, 252 }, { 192, 168, 1, 0 }, { 192, 168, 1, 2 } },
        { { 172, 16, 37, 64 }, 19, { 255, 255, 224, 0 }, { 172, 16, 32, 0 }, { 172, 16, 63, 254 } },
        { { 192, 168, 1, 5 }, 32, { 255, 255, 255, 255 }, { 192, 168, 1, 5 }, { 192, 168, 1, 5 } },
        { { 192, 168, 1, 5 }, 0, { 0, 0, 0, 0 }, { 0, 0, 0, 0 }, { 255, 255, 255, 254 } },
    };
    for (const auto& [address, prefix, mask_octets, network, last_host] : cases) {
        const IpBits bits = to_bits(address);
        IpBits mask, result;
        for (auto& octet : mask)
            octet.fill(7); // whatever the array held must be overwritten
        network_mask_finder(mask[0], mask[1], mask[2], mask[3], prefix);
        EXPECT_EQ(mask, to_bits(mask_octets)) << prefix;
        EXPECT_EQ(count_mask_bits(mask[0], mask[1], mask[2], mask[3]), prefix);
        for (std::size_t k = 0; k < 4; ++k)
            logical_and_algorithm(bits[k], mask[k], result[k]);
        EXPECT_EQ(result, to_bits(network)) << prefix;
        result = bits;
        last_ip(result[0], result[1], result[2], result[3], prefix);
        EXPECT_EQ(result, to_bits(last_host)) << prefix;
    }
}

TEST(SubnetMath, ClassfulNetworkClearsOnlyHostOctets)
{
    const Octets address { 201, 202, 203, 204 };
    const std::pair<char, Octets> cases[] {
        { 'A', { 201, 0, 0, 0 } }, { 'B', { 201, 202, 0, 0 } }, { 'C', { 201, 202, 203, 0 } },
        { 'D', address }, { 'E', address }, { 'I', address }, { 'O', address },
    };
    for (const auto& [letter, expected] : cases) {
        IpBits bits = to_bits(address);
        nullifying_sf(bits[0], bits[1], bits[2], bits[3], letter);
        EXPECT_EQ(bits, to_bits(expected)) << letter;
    }
}

TEST(SubnetMath, NextAddressCarriesIntoEveryOctet)
{
    const std::pair<Octets, Octets> cases[] {
        { { 0, 0, 0, 0 }, { 0, 0, 0, 1 } }, { { 192, 168, 1, 255 }, { 192, 168, 2, 0 } },
        { { 1, 2, 255, 255 }, { 1, 3, 0, 0 } }, { { 10, 255, 255, 255 }, { 11, 0, 0, 0 } },
        { { 254, 255, 255, 255 }, { 255, 0, 0, 0 } }, { { 255, 255, 255, 254 }, { 255, 255, 255, 255 } },
    };
    for (auto [address, expected] : cases) {
        next_address(address[0], address[1], address[2], address[3]);
        EXPECT_EQ(address, expected);
    }
    int last = 255;
    // Standard output is sent to the error stream, where the exit check looks.
    EXPECT_EXIT((dup2(STDERR_FILENO, STDOUT_FILENO), next_address(last, last, last, last)),
        testing::ExitedWithCode(0), "^Error!!!$");
}

TEST(AddressClasses, FirstOctetGivesClassHostBitsAndRefusal)
{
    constexpr int KEPT = -99;
    const std::string d = "Class D IPv4 Addresses are not supported!\n";
    const std::string e = "Class E IPv4 Addresses are not supported!\n";
    const std::tuple<int, char, int, std::string> cases[] {
        { -1, 'E', KEPT, e }, { 0, 'O', KEPT, "0.X.X.X IPv4 Addresses are not valid!\n" }, { 1, 'A', 24, "" },
        { 126, 'A', 24, "" }, { 127, 'I', KEPT, "127.X.X.X IPv4 Addresses are used for look-back Purposes!\n" },
        { 128, 'B', 16, "" }, { 191, 'B', 16, "" }, { 192, 'C', 8, "" }, { 223, 'C', 8, "" },
        { 224, 'D', KEPT, d }, { 239, 'D', KEPT, d }, { 240, 'E', KEPT, e }, { 255, 'E', KEPT, e }, { 256, 'E', KEPT, e },
    };
    for (const auto& [octet, letter, host_bits, refusal] : cases) {
        int class_host_bits = KEPT;
        EXPECT_EQ(NetworkClassFinder(octet, class_host_bits), letter) << octet;
        EXPECT_EQ(class_host_bits, host_bits) << octet;
        testing::internal::CaptureStdout();
        EXPECT_EQ(NetClassValidation(letter), refusal.empty() ? 1 : 0) << letter;
        console_flush();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), refusal);
    }
}

TEST(AddressClasses, OneBadEntryAnywhereFailsTheBinaryCheck)
{
    const IpBits bits = to_bits({ 170, 85, 255, 0 });
    EXPECT_EQ(ip_binary_validation_checker(bits[0], bits[1], bits[2], bits[3]), 0);
    for (std::size_t position = 0; position < 32; ++position) {
        for (int bad : { 2, -1 }) {
            IpBits spoiled = bits;
            spoiled[position / 8][position % 8] = bad;
            EXPECT_EQ(ip_binary_validation_checker(spoiled[0], spoiled[1], spoiled[2], spoiled[3]), 1) << position;
        }
    }
}

TEST(AddressClasses, MaskFormsFollowTheClass)
{
    const std::tuple<char, Octets, int> cases[] {
        { 'C', { 255, 255, 255, 0 }, 0 }, { 'C', { 255, 255, 255, 252 }, 0 }, { 'C', { 255, 255, 0, 0 }, 1 },
        { 'B', { 255, 255, 0, 0 }, 0 }, { 'B', { 255, 255, 192, 0 }, 0 }, { 'B', { 255, 255, 255, 128 }, 0 },
        { 'B', { 255, 0, 0, 0 }, 1 }, { 'B', { 255, 255, 1, 0 }, 1 }, { 'B', { 255, 255, 192, 128 }, 1 },
        { 'A', { 255, 0, 0, 0 }, 0 }, { 'A', { 255, 128, 0, 0 }, 0 }, { 'A', { 255, 255, 224, 0 }, 0 },
        { 'A', { 255, 255, 255, 248 }, 0 }, { 'A', { 255, 128, 128, 0 }, 1 }, { 'A', { 254, 0, 0, 0 }, 1 },
        { 'A', { 255, 255, 255, 3 }, 1 },
    };
    for (const auto& [letter, m, verdict] : cases)
        EXPECT_EQ(network_mask_validation_checker(letter, m[0], m[1], m[2], m[3]), verdict)
            << letter << ' ' << m[0] << '.' << m[1] << '.' << m[2] << '.' << m[3];
}

}
