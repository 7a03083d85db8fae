// subnet_walk.h -- the running address through one subnet, shared by both modes.
#pragma once

#include "address/subnet_addresses.h"
#include "calculation.h"

// Bring one form of the running address in line with the other.
void net_octets_from_bits(Calculation& calculation);
void net_bits_from_octets(Calculation& calculation);

// With the running address on a subnet's network address: the subnet's
// addresses at the calculation's prefix. Sets gateway_octet and leaves the
// running address, in both forms, on the broadcast address.
SubnetAddresses walk_subnet(Calculation& calculation);
