// address_entry.h -- reading the address in dotted decimal or binary form.
#pragma once

#include "address/octet_bits.h"

// Both ask until the address has a first octet other than 127 and every octet
// in 0..255, confirm it, and leave it in the octets and their bits.
void ip_decimal_input(int& octet1, int& octet2, int& octet3, int& octet4,
    OctetBits& bits1, OctetBits& bits2, OctetBits& bits3, OctetBits& bits4);
void ip_binary_input(int& octet1, int& octet2, int& octet3, int& octet4,
    OctetBits& bits1, OctetBits& bits2, OctetBits& bits3, OctetBits& bits4);
