// address_classes.cpp -- class finder, class check and the binary-digit and mask rules.
#include "address/address_classes.h"

#include "console/console.h"

#include <algorithm>
#include <string_view>

namespace {

struct ClassRange {
    int first;
    int last;
    char letter;
    int host_bits; // 0: the class has no classful network the calculator uses
};

constexpr std::array<ClassRange, 6> CLASS_RANGES { {
    { 0, 0, 'O', 0 },
    { 1, 126, 'A', 24 },
    { 127, 127, 'I', 0 },
    { 128, 191, 'B', 16 },
    { 192, 223, 'C', 8 },
    { 224, 239, 'D', 0 },
} };

struct ClassRefusal {
    char letter;
    std::string_view line;
};

constexpr std::array<ClassRefusal, 4> CLASS_REFUSALS { {
    { 'D', "Class D IPv4 Addresses are not supported!\n" },
    { 'E', "Class E IPv4 Addresses are not supported!\n" },
    { 'I', "127.X.X.X IPv4 Addresses are used for look-back Purposes!\n" },
    { 'O', "0.X.X.X IPv4 Addresses are not valid!\n" },
} };

bool is_mask_octet(int value)
{
    return std::find(MASK_OCTET_VALUES.begin(), MASK_OCTET_VALUES.end(), value) != MASK_OCTET_VALUES.end();
}

}

char NetworkClassFinder(int first_octet, int& class_host_bits)
{
    for (const auto& range : CLASS_RANGES) {
        if (first_octet < range.first || first_octet > range.last)
            continue;
        if (range.host_bits != 0)
            class_host_bits = range.host_bits;
        return range.letter;
    }
    return 'E';
}

int NetClassValidation(char class_letter)
{
    for (const auto& refusal : CLASS_REFUSALS) {
        if (refusal.letter == class_letter) {
            console_write(refusal.line);
            return 0;
        }
    }
    return 1;
}

int ip_binary_validation_checker(const OctetBits& o1, const OctetBits& o2, const OctetBits& o3, const OctetBits& o4)
{
    for (const OctetBits* octet : { &o1, &o2, &o3, &o4 })
        for (auto entry : *octet)
            if (entry != 0 && entry != 1)
                return 1;
    return 0;
}

int network_mask_validation_checker(char class_letter, int m1, int m2, int m3, int m4)
{
    const bool form1 = m1 == 255 && m2 == 255 && m3 == 255 && is_mask_octet(m4);
    const bool form2 = m1 == 255 && m2 == 255 && is_mask_octet(m3) && m4 == 0;
    const bool form3 = m1 == 255 && is_mask_octet(m2) && m3 == 0 && m4 == 0;
    bool accepted = false;
    switch (class_letter) {
    case 'A':
        accepted = form1 || form2 || form3;
        break;
    case 'B':
        accepted = form1 || form2;
        break;
    case 'C':
        accepted = form1;
        break;
    default:
        break;
    }
    return accepted ? 0 : 1;
}
