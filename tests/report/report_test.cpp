// report_test.cpp -- the address lines and subnet sections, and the export's last whole line.
#include "calculation.h"
#include "report/address_lines.h"
#include "report/export_target.h"
#include "report/export_target_platform.h"
#include "test_data.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace {

// address_lines.txt, worked out apart from the program: each case is a line "@ standard PREFIX SUBNETS NUMBER NETWORK" or
// "@ vlsm PREFIX NETWORK", then the text put for it: the standard mode's section, or a VLSM subnet's address lines.
TEST(AddressLines, SectionsAtTheEdgesOfThePlan)
{
    std::vector<std::pair<std::string, std::string>> cases; // header, text
    for (const std::string& line : lines_of("report/address_lines.txt")) {
        if (line.starts_with("@ "))
            cases.emplace_back(line.substr(2), "");
        else
            cases.back().second += line + '\n';
    }
    EXPECT_GE(cases.size(), 9u);
    for (const auto& [header, expected] : cases) {
        SCOPED_TRACE(header);
        std::istringstream fields(header);
        std::string mode;
        Calculation c;
        int number = 0;
        fields >> mode >> c.prefix;
        if (mode == "standard")
            fields >> c.subnets >> number;
        DecimalAddress octets {};
        char dot = 0;
        fields >> octets[0] >> dot >> octets[1] >> dot >> octets[2] >> dot >> octets[3];
        const SubnetAddresses addresses = subnet_addresses(address_of(octets), c.prefix);
        SubnetNumber counted = subnet_number(number - 1);
        count_up(counted);
        std::array<char, SECTION_ROOM> room {};
        const std::string_view put = mode == "standard"
            ? text_between(room.data(), put_section(room.data(), section_form(c, LABEL_LAST_HOST), counted, addresses).end)
            : put_address_lines(room.data(), section_form(c, LABEL_LAST_NETWORK), addresses).text();
        EXPECT_EQ(put, expected);
    }
}

// The tail is read back in blocks of 4096 bytes from the end; a line end may sit at the very start of one.
TEST(ExportTarget, WholeLinesEndAtTheLastLineEnd)
{
    const std::string x4096(4096, 'x');
    const std::pair<std::string, long long> cases[] {
        { "", 0 }, { "abc", 0 }, { "a\nbc", 2 }, { "ab\n", 3 }, { "\n" + x4096.substr(1), 1 },
        { "x\n" + x4096.substr(1), 2 }, { "\n" + x4096, 1 }, { "\n" + x4096 + x4096, 1 },
        { x4096 + "\n" + x4096, 4097 }, { x4096 + x4096 + "\n", 8193 },
    };
    for (const auto& [contents, length] : cases) {
        std::ofstream("whole_lines.txt", std::ios::binary) << contents;
        const int descriptor = open_for_cutting("whole_lines.txt");
        EXPECT_EQ(whole_lines_length(descriptor), length) << contents.size() << " bytes";
        close_file(descriptor);
    }
    remove_file("whole_lines.txt");
}

}
