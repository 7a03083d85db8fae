// octet_bits.cpp -- conversions between decimal octets, typed binary groups and bit arrays.
#include "address/octet_bits.h"

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
