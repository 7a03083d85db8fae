#!/usr/bin/env python3
"""independent_export.py -- the quick export file of an address and prefix, made from first principles.

Usage: independent_export.py ADDRESS PREFIX [EXPORT_FILE]

Prints the size and the SHA-256 of the whole file as it should be. Given the
file the calculator wrote, also compares its first and last subnets with the
expected ones, reading only the head and the tail of it.
"""
import hashlib
import ipaddress
import sys

RULE = "_" * 81 + "\n"
CLASSFUL_PREFIX = {"A": 8, "B": 16, "C": 24}
OCTET_BITS = [format(value, "08b") for value in range(256)]


def class_of(address):
    first = int(address) >> 24
    return "A" if first < 128 else "B" if first < 192 else "C"


def address_line(label, value, prefix):
    octets = value.to_bytes(4, "big")
    binary = ".".join(OCTET_BITS[octet] for octet in octets)
    decimal = ".".join(str(octet) for octet in octets)
    return f"{label:<20}: {binary} : {decimal}/{prefix}\n"


def title_block(title, blanks):
    return RULE + "\n" + " " * blanks + title + "\n" + RULE


def head(address, prefix):
    letter = class_of(address)
    network = ipaddress.ip_network(f"{address}/{prefix}", strict=False)
    wording = "Classfull" if prefix in (8, 16, 24) else "Classless (CIDR)"
    return (title_block("<< IPv4 INFORMATIONS >>", 29)
            + f"# Network Class     : {letter} {wording}\n"
            + f"# Subnets           : {subnet_count(address, prefix)}\n"
            + f"# Hosts/Subnet      : {network.num_addresses - 2}+2 (Network IP & Broadcast IP)\n"
            + address_line("# IPv4 Address", int(address), prefix)
            + address_line("# Network Mask", int(network.netmask), prefix)
            + address_line("# Current Network IP", int(network.network_address), prefix)
            + title_block("<<STANDARD MODE>>", 32))


def subnet_count(address, prefix):
    return 2 ** (prefix - CLASSFUL_PREFIX[class_of(address)])


def subnet_block(number, total, network, prefix):
    size = 2 ** (32 - prefix)
    block = f"\nSub Network {number}/{total}\n\n"
    block += address_line("# Network IP", network, prefix)
    block += address_line("# Default Gateway", network + 1, prefix)
    if prefix != 30:
        block += address_line("# First Host IP", network + 2, prefix)
    block += address_line("# Last Host IP", network + size - 2, prefix)
    block += address_line("# Broadcast IP", network + size - 1, prefix)
    return block + RULE


def blocks(address, prefix):
    classful = ipaddress.ip_network(f"{address}/{CLASSFUL_PREFIX[class_of(address)]}", strict=False)
    total = subnet_count(address, prefix)
    start = int(classful.network_address)
    for number in range(1, total + 1):
        yield subnet_block(number, total, start + (number - 1) * 2 ** (32 - prefix), prefix)


def main():
    address, prefix = ipaddress.ip_address(sys.argv[1]), int(sys.argv[2])
    digest, size, pending = hashlib.sha256(), 0, [head(address, prefix)]
    first = last = None
    for block in blocks(address, prefix):
        first = first or block
        last = block
        pending.append(block)
        if len(pending) >= 4096:
            chunk = "".join(pending).encode()
            digest.update(chunk)
            size += len(chunk)
            pending = []
    chunk = "".join(pending).encode()
    digest.update(chunk)
    size += len(chunk)
    print(size, digest.hexdigest())
    if len(sys.argv) > 3:
        expected_head = (head(address, prefix) + first).encode()
        with open(sys.argv[3], "rb") as export:
            found_head = export.read(len(expected_head))
            export.seek(-len(last), 2)
            found_last = export.read()
        print("first subnet", "matches" if found_head == expected_head else "DIFFERS")
        print("last subnet", "matches" if found_last == last.encode() else "DIFFERS")


if __name__ == "__main__":
    main()
