// mask_entry.h -- the prefix from a network mask typed in decimal or binary form.
#pragma once

#include "address/octet_bits.h"

// Both ask until the mask is one the class allows (contiguous, prefix from the
// classful one to 30), confirm it, and leave it in the octets and bits; the
// prefix is its count of one bits and the counts follow from it.
void prefix_from_mask_decimal(int& subnets, int& hosts, int& class_host_bits, int& host_bits, int& prefix,
    char& class_letter, int& mask1, int& mask2, int& mask3, int& mask4,
    OctetBits& bits1, OctetBits& bits2, OctetBits& bits3, OctetBits& bits4);
void prefix_from_mask_binary(int& subnets, int& hosts, int& class_host_bits, int& host_bits, int& prefix,
    char& class_letter, int& mask1, int& mask2, int& mask3, int& mask4,
    OctetBits& bits1, OctetBits& bits2, OctetBits& bits3, OctetBits& bits4);
