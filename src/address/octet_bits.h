// octet_bits.h -- octets and addresses held as arrays of bits, one int per bit.
#pragma once

#include <array>
#include <cstdint>

// One octet, most significant bit first: entry 0 weighs 128, entry 7 weighs 1.
using OctetBits = std::array<std::int32_t, 8>;

// An address or mask, first octet first. Bit position p (0..31 from the left)
// is entry p % 8 of octet p / 8.
using IpBits = std::array<OctetBits, 4>;

// Writes all eight entries; a value outside 0..255 contributes its low 8 bits.
void DecimalIntegerToBinaryArray(int value, OctetBits& bits);

// Sum of the weights of the entries that are exactly 1; other values add nothing.
int BinaryArrayToDecimalInteger(const OctetBits& bits);

// Spreads the last eight decimal digits of a typed binary group over the
// entries in typed order: 11000000 read as eleven million gives 1,1,0,0,0,0,0,0.
// Bad digits (2..9, or a minus sign) surface as entries other than 0 and 1.
void BinaryIntegerSplitterToBinaryArray(int value, OctetBits& bits);

// Number of entries exactly 1 among the 32 of a mask.
int count_mask_bits(const OctetBits& o1, const OctetBits& o2, const OctetBits& o3, const OctetBits& o4);
