// subnet_math.cpp -- address arithmetic done entry by entry on bit arrays.
#include "address/subnet_math.h"

#include "console/console.h"

#include <algorithm>

namespace {

using AddressView = std::array<OctetBits*, 4>;

std::int32_t& entry_at(const AddressView& address, int position)
{
    return (*address[static_cast<std::size_t>(position / 8)])[static_cast<std::size_t>(position % 8)];
}

void fill_positions(const AddressView& address, int from, int to, std::int32_t value)
{
    for (int position = from; position < to; ++position)
        entry_at(address, position) = value;
}

}

void network_mask_finder(OctetBits& m1, OctetBits& m2, OctetBits& m3, OctetBits& m4, int prefix)
{
    const AddressView mask { &m1, &m2, &m3, &m4 };
    prefix = std::clamp(prefix, 0, 32);
    fill_positions(mask, 0, prefix, 1);
    fill_positions(mask, prefix, 32, 0);
}

void logical_and_algorithm(const OctetBits& a, const OctetBits& b, OctetBits& out)
{
    for (std::size_t k = 0; k < out.size(); ++k)
        out[k] = a[k] & b[k];
}

void nullifying_sf(OctetBits& o1, OctetBits& o2, OctetBits& o3, OctetBits& o4, char class_letter)
{
    (void)o1;
    switch (class_letter) {
    case 'A':
        o2.fill(0);
        [[fallthrough]];
    case 'B':
        o3.fill(0);
        [[fallthrough]];
    case 'C':
        o4.fill(0);
        break;
    default:
        break;
    }
}

void address_space_exhausted()
{
    console_write("Error!!!");
    end_program();
}
