// subnet_walk.h -- the running address through one subnet, shared by both modes.
#pragma once

#include "address/subnet_addresses.h"
#include "calculation.h"

// The running address's octets brought in line with its bits.
void net_octets_from_bits(Calculation& calculation);

// With the running address's octets on a subnet's network address (its bits
// may lag behind): the subnet's addresses at the calculation's prefix. Sets
// gateway_octet and leaves the running address, in both forms, on the
// broadcast address.
SubnetAddresses walk_subnet(Calculation& calculation);
