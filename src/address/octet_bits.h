// octet_bits.h -- octets and addresses held as arrays of bits, one int per bit.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// One octet, most significant bit first: entry 0 weighs 128, entry 7 weighs 1.
using OctetBits = std::array<std::int32_t, 8>;

// An address or mask, first octet first. Bit position p (0..31 from the left)
// is entry p % 8 of octet p / 8.
using IpBits = std::array<OctetBits, 4>;

// The bits of every octet value, made at compile time. The two conversions
// below are inline: a listing runs them millions of times.
inline constexpr auto OCTET_BITS = [] {
    std::array<OctetBits, 256> table {};
    for (std::size_t value = 0; value < table.size(); ++value)
        for (std::size_t entry = 0; entry < 8; ++entry)
            table[value][entry] = static_cast<std::int32_t>((value >> (7 - entry)) & 1);
    return table;
}();

// Writes all eight entries; a value outside 0..255 contributes its low 8 bits,
// so it can never overflow the array or leave stale entries behind.
inline void DecimalIntegerToBinaryArray(int value, OctetBits& bits)
{
    bits = OCTET_BITS[static_cast<unsigned>(value) & 0xFFu];
}

// Sum of the weights of the entries that are exactly 1; other values add nothing.
inline int BinaryArrayToDecimalInteger(const OctetBits& bits)
{
    // No branch for a random address to mispredict, and no entry waiting for
    // the one before it.
    int value = 0;
    for (std::size_t k = 0; k < bits.size(); ++k)
        value |= (bits[k] == 1 ? 1 : 0) << (7 - k);
    return value;
}

// Spreads the last eight decimal digits of a typed binary group over the
// entries in typed order: 11000000 read as eleven million gives 1,1,0,0,0,0,0,0.
// Bad digits (2..9, or a minus sign) surface as entries other than 0 and 1.
void BinaryIntegerSplitterToBinaryArray(int value, OctetBits& bits);

// Number of entries exactly 1 among the 32 of a mask.
int count_mask_bits(const OctetBits& o1, const OctetBits& o2, const OctetBits& o3, const OctetBits& o4);
