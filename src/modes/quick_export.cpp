// quick_export.cpp -- every subnet of the classful network, formed into large blocks for the export file.
#include "modes/quick_export.h"

#include "console/console.h"
#include "report/address_lines.h"
#include "report/export_file.h"
#include "report/report_lines.h"

#include <array>

namespace {

// Blocks of this size go to the file in one write each. Small enough to stay
// in the processor's cache between being formed and being copied to the file.
constexpr std::size_t BLOCK_BYTES = 256 * 1024;

std::array<char, BLOCK_BYTES> block;

// False once a write to the file has failed: forming the rest would be wasted.
bool write_block(std::FILE* file, const char* end)
{
    return write_export(file, text_between(block.data(), end));
}

}

void export_every_subnet(Calculation& c)
{
    const SectionForm form = section_form(c, LABEL_LAST_HOST);
    SubnetNumber number;
    Address network = address_of(c.net_octets);
    char* at = block.data();
    const char* const last_section_start = block.data() + block.size() - SECTION_ROOM;
    for (c.subnet_index = 1; c.subnet_index <= c.subnets; ++c.subnet_index) {
        if (at > last_section_start) {
            if (!write_block(c.export_file, at))
                return;
            at = block.data();
            // A class A listing takes a while: a signal meanwhile finds whole subnets in the file.
            act_on_signals();
        }
        count_up(number);
        const SubnetAddresses addresses = subnet_addresses(network, c.prefix);
        at = put_section(at, form, number, addresses).end;
        // The classful network ends at most at 223.255.255.255, so the step
        // past its last subnet cannot wrap.
        network = addresses[BROADCAST] + 1;
    }
    write_block(c.export_file, at);
}
