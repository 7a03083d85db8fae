#!/usr/bin/env python3
"""check_subnets.py -- every subnet of random quick exports against Python's ipaddress.

Usage: check_subnets.py SUBNETTER [SEED]. Runs one session of many quick-export
calculations and compares each Result file, line by line, with what the
ipaddress module computes for the same address and prefix.
"""
import ipaddress
import random
import re
import subprocess
import sys
import tempfile
from pathlib import Path

CALCULATIONS = 150
# (first octets, classful prefix); at most 2**7 subnets keeps each file small.
CLASSES = [((1, 126), 8), ((128, 191), 16), ((192, 223), 24)]
MOST_BORROWED_BITS = 7

ADDRESS_LINE = re.compile(r"# (.+?) *: ([01]{8}(?:\.[01]{8}){3}) : ([\d.]+)/(\d+)$")
VALUE_LINE = re.compile(r"# (Network Class|Subnets|Hosts/Subnet) *: (.*)$")


def random_case(rng):
    (low, high), classful = rng.choice(CLASSES)
    octets = [rng.randint(low, high)] + [rng.randint(0, 255) for _ in range(3)]
    prefix = rng.randint(classful, min(30, classful + MOST_BORROWED_BITS))
    return ".".join(map(str, octets)), prefix, classful


def expected_report(address, prefix, classful):
    """Values and address lines of a quick export, from ipaddress alone."""
    network = ipaddress.IPv4Network(f"{address}/{prefix}", strict=False)
    subnets = list(ipaddress.IPv4Network(f"{address}/{classful}", strict=False).subnets(new_prefix=prefix))
    letter = "ABC"[[8, 16, 24].index(classful)]
    wording = "Classfull" if prefix in (8, 16, 24) else "Classless (CIDR)"
    values = [("Network Class", f"{letter} {wording}"), ("Subnets", str(len(subnets))),
              ("Hosts/Subnet", f"{network.num_addresses - 2}+2 (Network IP & Broadcast IP)")]
    lines = [("IPv4 Address", address), ("Network Mask", network.netmask),
             ("Current Network IP", network.network_address)]
    for subnet in subnets:
        first = subnet.network_address
        lines += [("Network IP", first), ("Default Gateway", first + 1)]
        if prefix != 30:
            lines.append(("First Host IP", first + 2))
        lines += [("Last Host IP", subnet.broadcast_address - 1), ("Broadcast IP", subnet.broadcast_address)]
    return values, [(label, str(value), prefix) for label, value in lines], len(subnets)


def reported(text):
    values, lines, headings = [], [], 0
    for row in text.splitlines():
        headings += row.startswith("Sub Network ")
        if match := VALUE_LINE.match(row):
            values.append(match.groups())
        elif match := ADDRESS_LINE.match(row):
            label, bits, decimal, prefix = match.groups()
            as_bits = ".".join(format(int(octet), "08b") for octet in decimal.split("."))
            if bits != as_bits:
                lines.append((label, f"{decimal} shown as {bits}", int(prefix)))
            else:
                lines.append((label, decimal, int(prefix)))
    return values, lines, headings


def main():
    binary = str(Path(sys.argv[1]).resolve())
    seed = int(sys.argv[2]) if len(sys.argv) > 2 else random.randrange(1 << 32)
    rng = random.Random(seed)
    cases = [random_case(rng) for _ in range(CALCULATIONS)]
    # Each calculation: menu, address, prefix; then '1' to go on and the saved message's pause.
    answers = [f"1\n4\n9\nY\nY\n{address}\n{prefix}\n" for address, prefix, _ in cases]
    with tempfile.TemporaryDirectory() as folder:
        run = subprocess.run([binary], input="\n" + "1\n\n".join(answers) + "2\n\n", text=True,
                             cwd=folder, capture_output=True, timeout=300)
        failures = [f"exit status {run.returncode}"] if run.returncode != 0 else []
        for number, case in enumerate(cases, 1):
            path = Path(folder, f"Result_{number}.txt")
            got = reported(path.read_text()) if path.exists() else "no file"
            if got != expected_report(*case):
                failures.append(f"{case[0]}/{case[1]} in {path.name}")
    if failures:
        print(f"seed {seed}: " + "; ".join(failures[:10]))
        return 1
    print(f"seed {seed}: {CALCULATIONS} calculations agree")
    return 0


if __name__ == "__main__":
    sys.exit(main())
