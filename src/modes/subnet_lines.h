// subnet_lines.h -- the running address and the address lines of one subnet, shared by both modes.
#pragma once

#include "calculation.h"

#include <string_view>

// A subnet of prefix 30 has only the gateway and the last host as usable
// addresses, so it has no First Host IP line.
inline constexpr int PREFIX_WITHOUT_FIRST_HOST = 30;

// Each subnet of the standard mode's listing opens with this, its number,
// "/" and the number of subnets.
inline constexpr std::string_view SUBNET_HEADING_START = "\nSub Network ";

// Bring one form of the running address in line with the other.
void net_octets_from_bits(Calculation& calculation);
void net_bits_from_octets(Calculation& calculation);

// With the running address on a subnet's network address: its Network IP,
// Default Gateway, First Host IP (not at prefix 30), last host under
// `last_label`, and Broadcast IP lines. Leaves the running address on the
// broadcast address.
void report_subnet_addresses(Calculation& calculation, std::string_view last_label);
