// address_classes.h -- the classful address plan and the validity rules of typed input.
#pragma once

#include "address/octet_bits.h"

#include <array>

// The values a mask octet may take: ones contiguous from the left.
inline constexpr std::array<int, 9> MASK_OCTET_VALUES { 0, 128, 192, 224, 240, 248, 252, 254, 255 };

// Class letter of a first octet: A, B, C, D, E, I (127) or O (0). Sets
// class_host_bits to 24, 16 or 8 for A, B and C and leaves it alone otherwise.
char NetworkClassFinder(int first_octet, int& class_host_bits);

// 1 for a class that can be calculated (A, B, C); otherwise prints the
// refusal line of the class and returns 0.
int NetClassValidation(char class_letter);

// 0 when all 32 entries are 0 or 1, 1 as soon as one is not.
int ip_binary_validation_checker(const OctetBits& o1, const OctetBits& o2, const OctetBits& o3, const OctetBits& o4);

// 0 when the mask m1.m2.m3.m4 has a form its class allows, 1 otherwise.
// Expects class A, B or C and octets that passed the mask range check.
int network_mask_validation_checker(char class_letter, int m1, int m2, int m3, int m4);
