// subnet_lines.cpp -- the address lines of one subnet, formed from the running address.
#include "modes/subnet_lines.h"

#include "address/subnet_math.h"
#include "report/report_lines.h"
#include "report/report_output.h"

namespace {

void report_running_address(Calculation& c, std::string_view label)
{
    const auto& [b1, b2, b3, b4] = c.net_bits;
    const auto& [d1, d2, d3, d4] = c.net_octets;
    report_address_line(c, label, b1, b2, b3, b4, d1, d2, d3, d4, c.prefix);
}

// An address that differs from the running address only in its last octet.
void report_host_in_last_octet(Calculation& c, std::string_view label, int last_octet)
{
    DecimalIntegerToBinaryArray(last_octet, c.scratch_bits);
    report_address_line(c, label, c.net_bits[0], c.net_bits[1], c.net_bits[2], c.scratch_bits,
        c.net_octets[0], c.net_octets[1], c.net_octets[2], last_octet, c.prefix);
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

void report_subnet_addresses(Calculation& c, std::string_view last_label)
{
    report_running_address(c, LABEL_NETWORK_IP);
    // A network address ends in a multiple of 4 (at most 252), so the gateway
    // and first host never carry into the third octet.
    c.gateway_octet = c.net_octets[3] + 1;
    report_host_in_last_octet(c, LABEL_DEFAULT_GATEWAY, c.gateway_octet);
    if (c.prefix != PREFIX_WITHOUT_FIRST_HOST)
        report_host_in_last_octet(c, LABEL_FIRST_HOST, c.gateway_octet + 1);

    auto& [b1, b2, b3, b4] = c.net_bits;
    last_ip(b1, b2, b3, b4, c.prefix);
    net_octets_from_bits(c);
    report_running_address(c, last_label);

    // The last host's last octet is even, so the broadcast step needs no carry
    // and only the last octet's bits change.
    ++c.net_octets[3];
    DecimalIntegerToBinaryArray(c.net_octets[3], c.net_bits[3]);
    report_running_address(c, LABEL_BROADCAST);
}
