// subnet_walk.cpp -- the running address from a subnet's network address to its broadcast address.
#include "modes/subnet_walk.h"

#include "address/subnet_math.h"

namespace {

// An address that differs from the running address only in its last octet.
Address host_in_last_octet(Calculation& c, int last_octet)
{
    DecimalIntegerToBinaryArray(last_octet, c.scratch_bits);
    return address_of({ c.net_octets[0], c.net_octets[1], c.net_octets[2], last_octet });
}

}

void net_octets_from_bits(Calculation& c)
{
    for (std::size_t k = 0; k < 4; ++k)
        c.net_octets[k] = BinaryArrayToDecimalInteger(c.net_bits[k]);
}

void net_bits_from_octets(Calculation& c)
{
    for (std::size_t k = 0; k < 4; ++k)
        DecimalIntegerToBinaryArray(c.net_octets[k], c.net_bits[k]);
}

SubnetAddresses walk_subnet(Calculation& c)
{
    SubnetAddresses addresses {};
    addresses[NETWORK] = address_of(c.net_octets);
    // A network address ends in a multiple of 4 (at most 252), so the gateway
    // and first host never carry into the third octet.
    c.gateway_octet = c.net_octets[3] + 1;
    addresses[GATEWAY] = host_in_last_octet(c, c.gateway_octet);
    if (c.prefix != PREFIX_WITHOUT_FIRST_HOST)
        addresses[FIRST_HOST] = host_in_last_octet(c, c.gateway_octet + 1);

    auto& [b1, b2, b3, b4] = c.net_bits;
    last_ip(b1, b2, b3, b4, c.prefix);
    net_octets_from_bits(c);
    addresses[LAST_HOST] = address_of(c.net_octets);

    // The last host's last octet is even, so the broadcast step needs no carry
    // and only the last octet's bits change.
    ++c.net_octets[3];
    DecimalIntegerToBinaryArray(c.net_octets[3], c.net_bits[3]);
    addresses[BROADCAST] = address_of(c.net_octets);
    return addresses;
}
