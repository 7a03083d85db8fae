// prefix_derivation_test.cpp -- prefix, host and subnet counts from each non-mask method.
#include "dialogs/prefix_derivation.h"
#include "typed_answers.h"

namespace {

using PrefixDialog = void (*)(int&, int&, int&, int&, int&, char&);

constexpr const char* ANY_PREFIX = "The Prefix must be >= 0 & <= 30\n";
constexpr const char* NO_HOSTS = "You can not have <= 0 Hosts\n";
constexpr const char* NO_SUBNETS = "You can not have <= 0 Subnets\n";

struct PrefixCase {
    char class_letter;
    int class_host_bits; // 24, 16, 8; or the starting prefix of a VLSM call
    PrefixDialog dialog;
    const char* typed;
    const char* shown;   // text that must be on the screen exactly once
    int prefix, host_bits, subnets, hosts;
};

const PrefixCase PREFIX_CASES[] = {
    { 'C', 8, prefix_input, "31\n30\n", ANY_PREFIX, 30, 2, 64, 2 },
    { 'C', 8, prefix_input, "-1\n24\n", ANY_PREFIX, 24, 8, 1, 254 },
    { 'C', 8, prefix_input, "23\n25\n", "The Prefix for Class C IPv4 Addresses must be >= 24 & <= 30\n", 25, 7, 2, 126 },
    { 'B', 16, prefix_input, "15\n16\n", "The Prefix for Class B IPv4 Addresses must be >= 16 & <= 30\n", 16, 16, 1, 65534 },
    { 'A', 24, prefix_input, "0\n30\n", "The Prefix for Class A IPv4 Addresses must be >= 8 & <= 30\n", 30, 2, 4194304, 2 },
    { 'A', 24, prefix_input, "7\n8\n", "The Prefix for Class A IPv4 Addresses must be >= 8 & <= 30\n", 8, 24, 1, 16777214 },
    { 'A', 8, prefix_input, "10\n", "", 10, 22, 0, 4194302 },
    { 'A', 24, prefix_from_hosts, "1\n", "", 30, 2, 4194304, 2 },
    { 'C', 8, prefix_from_hosts, "2\n", "", 30, 2, 64, 2 },
    { 'C', 8, prefix_from_hosts, "3\n", "", 29, 3, 32, 6 },
    { 'C', 8, prefix_from_hosts, "-5\n62\n", NO_HOSTS, 26, 6, 4, 62 },
    { 'C', 8, prefix_from_hosts, "0\n63\n", NO_HOSTS, 25, 7, 2, 126 },
    { 'B', 16, prefix_from_hosts, "100\n", "", 25, 7, 512, 126 },
    { 'C', 8, prefix_from_hosts, "255\n254\n", "Class C IPv4 Max Value of Hosts/Subnet is 254\n", 24, 8, 1, 254 },
    { 'B', 16, prefix_from_hosts, "65535\n65534\n", "Class B IPv4 Max Value of Hosts/Subnet is 65.534\n", 16, 16, 1, 65534 },
    { 'A', 24, prefix_from_hosts, "16777215\n16777214\n", "Class A IPv4 Max Value of Hosts/Subnet is 16.777.214\n", 8, 24, 1, 16777214 },
    { 'C', 8, prefix_from_subnets, "1\n", "", 25, 7, 2, 126 },
    { 'C', 8, prefix_from_subnets, "2\n", "", 25, 7, 2, 126 },
    { 'C', 8, prefix_from_subnets, "3\n", "", 26, 6, 4, 62 },
    { 'B', 16, prefix_from_subnets, "0\n5\n", NO_SUBNETS, 19, 13, 8, 8190 },
    { 'A', 24, prefix_from_subnets, "-1\n64\n", NO_SUBNETS, 14, 18, 64, 262142 },
    { 'C', 8, prefix_from_subnets, "65\n64\n", "Class C IPv4 Max Value of Subnets is 64\n", 30, 2, 64, 2 },
    { 'B', 16, prefix_from_subnets, "16385\n16384\n", "Class B IPv4 Max Value of Subnets is 16.384\n", 30, 2, 16384, 2 },
    { 'A', 24, prefix_from_subnets, "4194305\n4194304\n", "Class A IPv4 Max Value of Subnets is 4.194.304\n", 30, 2, 4194304, 2 },
    { 'A', 24, default_prefix, "\n", "The default prefix for Class A IPv4 Addresses is 8\n\n", 8, 24, 1, 16777214 },
    { 'B', 16, default_prefix, "\n", "The default prefix for Class B IPv4 Addresses is 16\n\n", 16, 16, 1, 65534 },
    { 'C', 8, default_prefix, "\n", "The default prefix for Class C IPv4 Addresses is 24\n\n", 24, 8, 1, 254 },
};

TEST(PrefixDerivation, CountsFollowFromTheAcceptedAnswer)
{
    for (const auto& row : PREFIX_CASES) {
        SCOPED_TRACE(std::string(1, row.class_letter) + " typed " + row.typed);
        int subnets = 0, hosts = 0, host_bits = 0, prefix = 0;
        int class_host_bits = row.class_host_bits;
        char class_letter = row.class_letter;
        const std::string screen = run_dialog(row.typed,
            [&] { row.dialog(subnets, hosts, class_host_bits, host_bits, prefix, class_letter); });
        EXPECT_EQ(prefix, row.prefix);
        EXPECT_EQ(host_bits, row.host_bits);
        EXPECT_EQ(subnets, row.subnets);
        EXPECT_EQ(hosts, row.hosts);
        if (*row.shown != '\0') {
            EXPECT_EQ(occurrences(screen, row.shown), 1) << screen;
        }
    }
}

}
