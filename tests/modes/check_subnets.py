#!/usr/bin/env python3
"""check_subnets.py SUBNETTER [SEED] -- every subnet of random quick exports against Python's ipaddress,
and whole quick export files byte for byte against the benchmark's independent generator."""
import hashlib
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
# Where the text of a subnet changes width or carries: 9/10 and 99/100 in the last
# octets, 255 to 0 into the octet before, prefixes 30, 26 and 22 (8 MB), and the
# last subnet of a class C, B and A network.
WHOLE_FILES = [("192.168.1.1", 30), ("172.16.0.1", 26), ("10.0.0.1", 22)]
GENERATOR = Path(__file__).resolve().parents[2] / "bench" / "independent_export.py"
VALUE_LINE = re.compile(r"# (Network Class|Subnets|Hosts/Subnet) *: (.*)$")


def random_case(rng):
    (low, high), classful = rng.choice(CLASSES)
    octets = [rng.randint(low, high)] + [rng.randint(0, 255) for _ in range(3)]
    return ".".join(map(str, octets)), rng.randint(classful, min(30, classful + MOST_BORROWED_BITS)), classful


def expected_report(address, prefix, classful):
    """Value lines and (label, address, prefix) of every address line, from ipaddress alone."""
    network = ipaddress.IPv4Network(f"{address}/{prefix}", strict=False)
    subnets = list(ipaddress.IPv4Network(f"{address}/{classful}", strict=False).subnets(new_prefix=prefix))
    wording = "Classfull" if prefix in (8, 16, 24) else "Classless (CIDR)"
    values = [("Network Class", f"{'ABC'[classful // 8 - 1]} {wording}"), ("Subnets", str(len(subnets))),
              ("Hosts/Subnet", f"{network.num_addresses - 2}+2 (Network IP & Broadcast IP)")]
    lines = [("IPv4 Address", address), ("Network Mask", network.netmask),
             ("Current Network IP", network.network_address)]
    for subnet in subnets:
        first = subnet.network_address
        lines += [("Network IP", first), ("Default Gateway", first + 1)]
        lines += [("First Host IP", first + 2)] if prefix != 30 else []
        lines += [("Last Host IP", subnet.broadcast_address - 1), ("Broadcast IP", subnet.broadcast_address)]
    return values, [(label, str(value), prefix) for label, value in lines]


def reported(text):
    values, lines = [], []
    for row in text.splitlines():
        if match := VALUE_LINE.match(row):
            values.append(match.groups())
        elif match := ADDRESS_LINE.match(row):
            label, bits, decimal, prefix = match.groups()
            # A binary form that disagrees with its decimal form spoils the decimal one.
            if bits != ".".join(format(int(octet), "08b") for octet in decimal.split(".")):
                decimal += f" shown as {bits}"
            lines.append((label, decimal, int(prefix)))
    return values, lines


def main():
    seed = int(sys.argv[2]) if len(sys.argv) > 2 else random.randrange(1 << 32)
    rng = random.Random(seed)
    cases = [random_case(rng) for _ in range(CALCULATIONS)]
    # Each calculation: menu, address, prefix; then 1 for the next one and a line for the saved message's pause.
    answers = "1\n\n".join(f"1\n4\n9\nY\nY\n{address}\n{prefix}\n" for address, prefix, *_ in cases + WHOLE_FILES)
    with tempfile.TemporaryDirectory() as folder:
        run = subprocess.run([Path(sys.argv[1]).resolve()], input=f"\n{answers}2\n\n", text=True, cwd=folder,
                             capture_output=True, timeout=300)
        failures = [f"exit status {run.returncode}"] if run.returncode != 0 else []
        for number, case in enumerate(cases, 1):
            path = Path(folder, f"Result_{number}.txt")
            if not path.exists() or reported(path.read_text()) != expected_report(*case):
                failures.append(f"{case[0]}/{case[1]} in {path.name}")
        for number, (address, prefix) in enumerate(WHOLE_FILES, CALCULATIONS + 1):
            expected = subprocess.run([sys.executable, GENERATOR, address, str(prefix)], capture_output=True, text=True)
            written = Path(folder, f"Result_{number}.txt").read_bytes()
            if expected.stdout.split() != [str(len(written)), hashlib.sha256(written).hexdigest()]:
                failures.append(f"whole file of {address}/{prefix}")
    print(f"seed {seed}: " + ("; ".join(failures[:10]) or f"{CALCULATIONS} calculations agree"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
