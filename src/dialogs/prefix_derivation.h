// prefix_derivation.h -- the prefix from the class, a typed prefix, a host wish or a subnet wish.
#pragma once

// Counts rule: host_bits = 32 - prefix; subnets = 2^(class_host_bits - host_bits),
// 0 for a negative exponent; hosts = 2^host_bits - 2.
void apply_counts_rule(int& subnets, int& hosts, int class_host_bits, int& host_bits, int prefix);

// Each sets prefix, host_bits, subnets and hosts. class_host_bits is the
// classful host bit count, or the starting prefix when the VLSM mode asks.
void default_prefix(int& subnets, int& hosts, int& class_host_bits, int& host_bits, int& prefix, char& class_letter);
void prefix_input(int& subnets, int& hosts, int& class_host_bits, int& host_bits, int& prefix, char& class_letter);
void prefix_from_hosts(int& subnets, int& hosts, int& class_host_bits, int& host_bits, int& prefix, char& class_letter);
void prefix_from_subnets(int& subnets, int& hosts, int& class_host_bits, int& host_bits, int& prefix, char& class_letter);
