// subnet_math.h -- masks, network addresses, classful networks and the address step.
#pragma once

#include "address/octet_bits.h"

// All 32 entries written: the mask of `prefix` (clamped to 0..32).
void network_mask_finder(OctetBits& m1, OctetBits& m2, OctetBits& m3, OctetBits& m4, int prefix);

// out = a AND b, entry by entry.
void logical_and_algorithm(const OctetBits& a, const OctetBits& b, OctetBits& out);

// Clears the host octets of the classful network of `class_letter` (A: 2..4,
// B: 3..4, C: 4); the first octet is never written.
void nullifying_sf(OctetBits& o1, OctetBits& o2, OctetBits& o3, OctetBits& o4, char class_letter);

// Prints "Error!!!" and ends the program: 255.255.255.255 has no successor.
[[noreturn]] void address_space_exhausted();

// Adds one to a decimal address with carry between octets; on 255.255.255.255
// ends the program. Inline, as the skip walk takes up to 16,777,212 single steps.
inline void next_address(int& d1, int& d2, int& d3, int& d4)
{
    if (d1 == 255 && d2 == 255 && d3 == 255 && d4 == 255)
        address_space_exhausted();
    if (d2 == 255 && d3 == 255 && d4 == 255) {
        d2 = d3 = d4 = 0;
        ++d1;
    } else if (d3 == 255 && d4 == 255) {
        d3 = d4 = 0;
        ++d2;
    } else if (d4 == 255) {
        d4 = 0;
        ++d3;
    } else {
        ++d4;
    }
}
