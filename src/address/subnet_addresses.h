// subnet_addresses.h -- a subnet's five addresses, worked out from its network address and prefix.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// An address as one number, its first octet in the high byte.
using Address = std::uint32_t;

// The four octets, each 0..255, as one number.
constexpr Address address_of(const std::array<int, 4>& octets)
{
    Address address = 0;
    for (int octet : octets)
        address = address << 8 | static_cast<Address>(octet);
    return address;
}

// The four octets of an address, first octet first.
constexpr std::array<int, 4> octets_of(Address address)
{
    return { static_cast<int>(address >> 24), static_cast<int>(address >> 16 & 0xFF),
        static_cast<int>(address >> 8 & 0xFF), static_cast<int>(address & 0xFF) };
}

// The addresses a subnet's lines show, in the order of its lines.
enum SubnetAddress : std::size_t { NETWORK, GATEWAY, FIRST_HOST, LAST_HOST, BROADCAST };
using SubnetAddresses = std::array<Address, 5>;

// The subnet of length `prefix` (0..30) that starts at `network`. The network
// need not be aligned: the last host and the broadcast are those of the subnet
// that holds it. The gateway and the first host follow the network in its last
// octet alone, which wraps without carry (only an unaligned network ending in
// 254 or 255 would reach the wrap).
constexpr SubnetAddresses subnet_addresses(Address network, int prefix)
{
    const Address broadcast = network | (0xFFFFFFFFu >> prefix);
    const Address network_part = network & 0xFFFFFF00u;
    return { network, network_part | ((network + 1) & 0xFFu), network_part | ((network + 2) & 0xFFu),
        broadcast - 1, broadcast };
}
