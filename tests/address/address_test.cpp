// address_test.cpp -- bit arrays, masks, a subnet's addresses, the address step, classes and validity rules.
#include "address/address_classes.h"
#include "address/subnet_addresses.h"
#include "address/subnet_math.h"
#include "console/console.h"
#include "test_data.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using Octets = std::array<int, 4>;

// Expectations are worked out on plain 32-bit numbers, independently of the bit arrays.
constexpr std::uint32_t ip(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) { return a << 24 | b << 16 | c << 8 | d; }
std::uint32_t mask_of(int prefix) { return prefix == 0 ? 0 : ~0u << (32 - prefix); }

IpBits bits_of(std::uint32_t address)
{
    IpBits bits;
    for (std::size_t k = 0; k < 4; ++k)
        DecimalIntegerToBinaryArray(octets_of(address)[k], bits[k]);
    return bits;
}

TEST(OctetBits, EveryOctetConvertsToItsBitsAndBack)
{
    for (int value = 0; value < 256; ++value) {
        OctetBits bits { 7, 7, 7, 7, 7, 7, 7, 7 }; // every entry must be overwritten
        DecimalIntegerToBinaryArray(value, bits);
        for (std::size_t k = 0; k < 8; ++k)
            ASSERT_EQ(bits[k], (value >> (7 - k)) & 1) << value;
        ASSERT_EQ(BinaryArrayToDecimalInteger(bits), value);
    }
}

TEST(OctetBits, SplitterSpreadsTheLastEightTypedDigits)
{
    const std::pair<int, OctetBits> cases[] {
        { 12, { 0, 0, 0, 0, 0, 0, 1, 2 } }, { -1, { 0, 0, 0, 0, 0, 0, 0, -1 } },
        { -15, { 0, 0, 0, 0, 0, 0, -1, -5 } }, { 111111111, { 1, 1, 1, 1, 1, 1, 1, 1 } },
        { 211000000, { 1, 1, 0, 0, 0, 0, 0, 0 } }, { 101, { 0, 0, 0, 0, 0, 1, 0, 1 } },
    };
    for (const auto& [typed, expected] : cases) {
        OctetBits bits { 7, 7, 7, 7, 7, 7, 7, 7 }; // every entry must be overwritten
        BinaryIntegerSplitterToBinaryArray(typed, bits);
        EXPECT_EQ(bits, expected) << typed;
    }
}

TEST(SubnetMath, MaskAndNetworkAtEveryPrefix)
{
    for (const std::uint32_t address : { ip(192, 168, 1, 77), ip(10, 1, 2, 3), ip(172, 16, 37, 64), ~0u, 0u }) {
        for (int prefix = 0; prefix <= 32; ++prefix) {
            SCOPED_TRACE(testing::Message() << std::hex << address << std::dec << '/' << prefix);
            IpBits mask, result;
            mask.fill({ 7, 7, 7, 7, 7, 7, 7, 7 }); // every entry must be overwritten
            network_mask_finder(mask[0], mask[1], mask[2], mask[3], prefix);
            EXPECT_EQ(mask, bits_of(mask_of(prefix)));
            EXPECT_EQ(count_mask_bits(mask[0], mask[1], mask[2], mask[3]), prefix);
            const IpBits bits = bits_of(address);
            for (std::size_t k = 0; k < 4; ++k)
                logical_and_algorithm(bits[k], mask[k], result[k]);
            EXPECT_EQ(result, bits_of(address & mask_of(prefix)));
        }
    }
}

TEST(SubnetMath, NextAddressCarriesIntoEveryOctet)
{
    for (const std::uint32_t address : { 0u, ip(192, 168, 1, 255), ip(1, 2, 255, 255), ip(10, 255, 255, 255),
             ip(254, 255, 255, 255), ip(255, 255, 255, 254) }) {
        Octets octets = octets_of(address);
        next_address(octets[0], octets[1], octets[2], octets[3]);
        EXPECT_EQ(octets, octets_of(address + 1));
    }
    int last = 255;
    testing::internal::CaptureStdout();
    EXPECT_THROW(next_address(last, last, last, last), ProgramEnded);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error!!!");
}

// Only A, B and C are calculated; the others print their refusal (exact texts in the
// dialog sessions) and leave the host bits alone.
TEST(AddressClasses, FirstOctetGivesClassHostBitsAndRefusal)
{
    const std::tuple<int, char, int> cases[] {
        { -1, 'E', -1 }, { 0, 'O', -1 }, { 1, 'A', 24 }, { 126, 'A', 24 }, { 127, 'I', -1 }, { 128, 'B', 16 }, { 191, 'B', 16 },
        { 192, 'C', 8 }, { 223, 'C', 8 }, { 224, 'D', -1 }, { 239, 'D', -1 }, { 240, 'E', -1 }, { 255, 'E', -1 }, { 256, 'E', -1 },
    };
    for (const auto& [octet, letter, host_bits] : cases) {
        int class_host_bits = -1;
        EXPECT_EQ(NetworkClassFinder(octet, class_host_bits), letter) << octet;
        EXPECT_EQ(class_host_bits, host_bits) << octet;
        testing::internal::CaptureStdout();
        EXPECT_EQ(NetClassValidation(letter), host_bits < 0 ? 0 : 1) << letter;
        console_flush();
        EXPECT_EQ(testing::internal::GetCapturedStdout().empty(), host_bits >= 0) << letter;
    }
}

TEST(AddressClasses, OneBadEntryAnywhereFailsTheBinaryCheck)
{
    const IpBits bits = bits_of(ip(170, 85, 255, 0));
    EXPECT_EQ(ip_binary_validation_checker(bits[0], bits[1], bits[2], bits[3]), 0);
    for (std::size_t position = 0; position < 32; ++position) {
        for (int bad : { 2, -1 }) {
            IpBits spoiled = bits;
            spoiled[position / 8][position % 8] = bad;
            EXPECT_EQ(ip_binary_validation_checker(spoiled[0], spoiled[1], spoiled[2], spoiled[3]), 1) << position;
        }
    }
}

// Contiguous masks pass from the classful prefix on. Masks that miss a form in
// one octet are offered to the mask dialog, through the same rule.
TEST(AddressClasses, MaskFormsFollowTheClass)
{
    for (const auto& [letter, classful] : { std::pair { 'A', 8 }, { 'B', 16 }, { 'C', 24 } }) {
        for (int prefix = 0; prefix <= 32; ++prefix) {
            const Octets m = octets_of(mask_of(prefix));
            EXPECT_EQ(network_mask_validation_checker(letter, m[0], m[1], m[2], m[3]), prefix < classful ? 1 : 0)
                << letter << '/' << prefix;
        }
    }
}

}
