// calculation.h -- the one record of a calculation, owned by the driver.
#pragma once

#include "address/octet_bits.h"

#include <array>
#include <cstdint>
#include <cstdio>

using DecimalAddress = std::array<int, 4>;

// The answers of the options menu as the record keeps them.
using Answer = std::int16_t;
inline constexpr Answer DECIMAL_FORM = 1;        // first_choice: the address in dotted decimal
inline constexpr Answer BINARY_FORM = 2;         // first_choice: the address in binary groups
inline constexpr Answer RESET = 1;               // first_choice after the closing prompt: calculate again
inline constexpr Answer DEFAULT_PREFIX = 3;      // prefix_method: the class's own prefix
inline constexpr Answer TYPED_PREFIX = 4;        // prefix_method: a prefix typed in
inline constexpr Answer PREFIX_FROM_HOSTS = 5;   // prefix_method: the smallest subnet holding the hosts
inline constexpr Answer PREFIX_FROM_SUBNETS = 6; // prefix_method: the largest subnets giving the count
inline constexpr Answer MASK_DECIMAL = 7;        // prefix_method: a network mask in dotted decimal
inline constexpr Answer MASK_BINARY = 8;         // prefix_method: a network mask in binary groups
inline constexpr Answer STANDARD_MODE = 9;       // mode: equal subnets of the classful network
inline constexpr Answer VLSM_MODE = 10;          // mode: subnets of non-increasing size
inline constexpr Answer YES = 0;                 // export_answer, quick_answer
inline constexpr Answer NO = 1;                  // export_answer, quick_answer

struct Calculation {
    DecimalAddress ip_octets {};      // entered address, first octet first
    IpBits ip_bits {};                // the entered address as bits
    char class_letter = 0;            // A, B, C, D, E, I (127) or O (0)
    int class_host_bits = 0;          // 24, 16, 8 for A, B, C; VLSM: its starting prefix
    std::uint8_t class_ok = 1;        // 1 when the class can be calculated
    int prefix = 0;                   // prefix length in use
    int host_bits = 0;                // 32 - prefix
    int subnets = 0;                  // subnets of the prefix in the classful network
    int hosts = 0;                    // usable hosts per subnet
    DecimalAddress mask_octets {};    // network mask
    IpBits mask_bits {};              // network mask as bits
    DecimalAddress net_octets {};     // current network; the modes' running address
    IpBits net_bits {};               // the same address as bits
    int gateway_octet = 0;            // last octet of the default gateway
    int range_start = 0;              // first subnet the standard mode lists
    int range_end = 0;                // last subnet the standard mode lists
    Answer first_choice = 0;          // DECIMAL_FORM or BINARY_FORM; after the closing prompt RESET or not
    Answer prefix_method = 0;         // DEFAULT_PREFIX..MASK_BINARY; in the VLSM mode its pass answer, then its continue answer
    Answer mode = 0;                  // STANDARD_MODE or VLSM_MODE
    Answer export_answer = 0;         // YES: export to a file
    Answer quick_answer = 0;          // YES: quick export (file only)
    int export_count = 0;             // export files opened so far in this run
    std::array<char, 30> file_name {}; // current export file, such as Result_1.txt
    std::FILE* export_file = nullptr; // open from the file's opening to the closing prompt

    // Standard mode.
    int skip_index = 0;               // subnet reached by the skip walk; first to list
    int step_count = 0;               // single steps inside the subnet being skipped
    int subnet_index = 0;             // number of the subnet being listed
    int listed_count = 0;             // subnets listed so far

    // VLSM mode.
    int initial_prefix = 0;           // prefix of the starting network
    int last_prefix = 0;              // prefix of the previous subnet; none may be smaller
    int vlsm_pass = 0;                // current pass, counted from 1
    int vlsm_hosts = 0;               // usable hosts of the current subnet
    int vlsm_subnets = 0;             // subnet count the prefix dialogs write; unused
    int used_hosts = 0;               // addresses handed out so far
    int remaining_hosts = 0;          // addresses left in the starting network
};

// Clears every field a calculation starts from; the menu answers, the export
// numbering and the export file belong to the run and are kept.
void reset_calculation(Calculation& calculation);
