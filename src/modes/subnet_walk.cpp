// subnet_walk.cpp -- the running address from a subnet's network address to its broadcast address.
#include "modes/subnet_walk.h"

namespace {

void net_bits_from_octets(Calculation& c)
{
    for (std::size_t k = 0; k < 4; ++k)
        DecimalIntegerToBinaryArray(c.net_octets[k], c.net_bits[k]);
}

}

void net_octets_from_bits(Calculation& c)
{
    for (std::size_t k = 0; k < 4; ++k)
        c.net_octets[k] = BinaryArrayToDecimalInteger(c.net_bits[k]);
}

SubnetAddresses walk_subnet(Calculation& c)
{
    const SubnetAddresses addresses = subnet_addresses(address_of(c.net_octets), c.prefix);
    c.gateway_octet = octets_of(addresses[GATEWAY])[3];
    c.net_octets = octets_of(addresses[BROADCAST]);
    net_bits_from_octets(c);
    return addresses;
}
