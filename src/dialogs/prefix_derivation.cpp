// prefix_derivation.cpp -- the four prefix methods that need no mask, and the counts rule.
#include "dialogs/prefix_derivation.h"

#include "console/answer_reader.h"
#include "console/console.h"
#include "dialogs/choice_entry.h"
#include "text_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// What the classes allow, and the message of each limit.
struct ClassLimits {
    char letter;
    int lowest_prefix;
    int most_hosts;
    int most_subnets;
    std::string_view prefix_message;
    std::string_view hosts_message;
    std::string_view subnets_message;
};

constexpr std::array<ClassLimits, 3> CLASS_LIMITS { {
    { 'A', 8, 16777214, 4194304,
        "The Prefix for Class A IPv4 Addresses must be >= 8 & <= 30\n",
        "Class A IPv4 Max Value of Hosts/Subnet is 16.777.214\n",
        "Class A IPv4 Max Value of Subnets is 4.194.304\n" },
    { 'B', 16, 65534, 16384,
        "The Prefix for Class B IPv4 Addresses must be >= 16 & <= 30\n",
        "Class B IPv4 Max Value of Hosts/Subnet is 65.534\n",
        "Class B IPv4 Max Value of Subnets is 16.384\n" },
    { 'C', 24, 254, 64,
        "The Prefix for Class C IPv4 Addresses must be >= 24 & <= 30\n",
        "Class C IPv4 Max Value of Hosts/Subnet is 254\n",
        "Class C IPv4 Max Value of Subnets is 64\n" },
} };

constexpr int LONGEST_PREFIX = 30;

const ClassLimits* limits_of(char class_letter)
{
    for (const auto& limits : CLASS_LIMITS)
        if (limits.letter == class_letter)
            return &limits;
    return nullptr;
}

// Exponents stay within 0..30 for every prefix the dialogs accept; the clamp
// keeps any other call defined.
int power_of_two(int exponent)
{
    return 1 << std::clamp(exponent, 0, 30);
}

// The message that refuses `value`, or an empty view when it is accepted.
using Check = std::string_view (*)(int value, const ClassLimits* limits);

std::string_view check_prefix(int prefix, const ClassLimits* limits)
{
    if (prefix < 0 || prefix > LONGEST_PREFIX)
        return "The Prefix must be >= 0 & <= 30\n";
    if (limits != nullptr && prefix < limits->lowest_prefix)
        return limits->prefix_message;
    return {};
}

std::string_view check_hosts(int hosts, const ClassLimits* limits)
{
    if (hosts <= 0)
        return "You can not have <= 0 Hosts\n";
    if (limits != nullptr && hosts > limits->most_hosts)
        return limits->hosts_message;
    return {};
}

std::string_view check_subnets(int subnets, const ClassLimits* limits)
{
    if (subnets <= 0)
        return "You can not have <= 0 Subnets\n";
    if (limits != nullptr && subnets > limits->most_subnets)
        return limits->subnets_message;
    return {};
}

// Prompts and reads into `field` until `check` finds nothing to refuse. Each
// attempt erases the previous prompt row, and after a refusal also the two
// rows of its message, so the dialog re-prompts in place.
void ask_until_accepted(std::string_view prompt, int& field, char class_letter, Check check)
{
    const ClassLimits* limits = limits_of(class_letter);
    bool refused = false;
    for (;;) {
        setfgcolor(COLOR_GREEN);
        console_write(prompt);
        setfgcolor(COLOR_WHITE);
        read_number({ prompt }, field);
        ClearLines(refused ? 3 : 1);
        setfgcolor(COLOR_RED);
        const std::string_view message = check(field, limits);
        if (!message.empty()) {
            console_write(message);
            console_write("\n");
        }
        setfgcolor(COLOR_WHITE);
        refused = !message.empty();
        if (!refused)
            return;
    }
}

// Smallest n from 1 on with 2^n >= target.
int bits_to_hold(long long target)
{
    int n = 1;
    while ((1LL << n) < target)
        ++n;
    return n;
}

}

void apply_counts_rule(int& subnets, int& hosts, int class_host_bits, int& host_bits, int prefix)
{
    host_bits = 32 - prefix;
    const int subnet_exponent = class_host_bits - host_bits;
    subnets = subnet_exponent < 0 ? 0 : power_of_two(subnet_exponent);
    hosts = power_of_two(host_bits) - 2;
}

void default_prefix(int& subnets, int& hosts, int& class_host_bits, int& host_bits, int& prefix, char& class_letter)
{
    if (const ClassLimits* limits = limits_of(class_letter))
        prefix = limits->lowest_prefix;
    apply_counts_rule(subnets, hosts, class_host_bits, host_bits, prefix);
    setfgcolor(COLOR_GREEN);
    TextLine sentence;
    sentence << "The default prefix for Class " << class_letter << " IPv4 Addresses is";
    console_write(sentence.view());
    setfgcolor(COLOR_WHITE);
    TextLine value;
    value << ' ' << prefix << "\n\n";
    console_write(value.view());
    SystemPause();
    setfgcolor(COLOR_WHITE);
}

void prefix_input(int& subnets, int& hosts, int& class_host_bits, int& host_bits, int& prefix, char& class_letter)
{
    ask_until_accepted("Insert Prefix: ", prefix, class_letter, check_prefix);
    apply_counts_rule(subnets, hosts, class_host_bits, host_bits, prefix);
}

void prefix_from_hosts(int& subnets, int& hosts, int& class_host_bits, int& host_bits, int& prefix, char& class_letter)
{
    ask_until_accepted("Insert Max Hosts: ", hosts, class_letter, check_hosts);
    // The subnet holds the wished hosts plus its network and broadcast addresses.
    prefix = 32 - bits_to_hold(static_cast<long long>(hosts) + 2);
    apply_counts_rule(subnets, hosts, class_host_bits, host_bits, prefix);
}

void prefix_from_subnets(int& subnets, int& hosts, int& class_host_bits, int& host_bits, int& prefix, char& class_letter)
{
    ask_until_accepted("Insert Max Subnets: ", subnets, class_letter, check_subnets);
    // At least one bit is always borrowed from the hosts.
    prefix = 32 - (class_host_bits - bits_to_hold(subnets));
    apply_counts_rule(subnets, hosts, class_host_bits, host_bits, prefix);
}
