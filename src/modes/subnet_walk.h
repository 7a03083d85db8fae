// subnet_walk.h -- the running address through one subnet, shared by both modes.
#pragma once

#include "calculation.h"
#include "report/address_lines.h"

// Bring one form of the running address in line with the other.
void net_octets_from_bits(Calculation& calculation);
void net_bits_from_octets(Calculation& calculation);

// With the running address on a subnet's network address: the addresses of
// its lines, network, gateway, first host (not at prefix 30), last host and
// broadcast, as the running address reaches them. Leaves the running address
// on the broadcast address.
SubnetAddresses walk_subnet(Calculation& calculation);
