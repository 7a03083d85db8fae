// octet_bits.cpp -- conversions between decimal octets, typed binary groups and bit arrays.
#include "address/octet_bits.h"

#include <utility>

void DecimalIntegerToBinaryArray(int value, OctetBits& bits)
{
    // Only the low 8 bits count, so an out-of-range octet can never overflow the
    // array or leave stale entries behind.
    unsigned remaining = static_cast<unsigned>(value) & 0xFFu;
    for (auto& entry : bits) {
        entry = static_cast<std::int32_t>(remaining % 2);
        remaining /= 2;
    }
    for (std::size_t j = 0; j < 4; ++j)
        std::swap(bits[j], bits[7 - j]);
}

int BinaryArrayToDecimalInteger(const OctetBits& bits)
{
    int value = 0;
    int weight = 128;
    for (auto entry : bits) {
        if (entry == 1)
            value += weight;
        weight /= 2;
    }
    return value;
}

void BinaryIntegerSplitterToBinaryArray(int value, OctetBits& bits)
{
    // C++ division truncates toward zero and the remainder takes the dividend's
    // sign, so a negative group yields entries 0 or -1..-9, which the validity
    // rule then refuses.
    int divisor = 10000000;
    for (auto& entry : bits) {
        entry = (value / divisor) % 10;
        divisor /= 10;
    }
}

int count_mask_bits(const OctetBits& o1, const OctetBits& o2, const OctetBits& o3, const OctetBits& o4)
{
    int count = 0;
    for (const OctetBits* octet : { &o1, &o2, &o3, &o4 })
        for (auto entry : *octet)
            count += entry == 1 ? 1 : 0;
    return count;
}
