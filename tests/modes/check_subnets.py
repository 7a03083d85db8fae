#!/usr/bin/env python3
# check_subnets.py SUBNETTER [SEED] -- random quick exports of every class, and a few chosen ones, byte for byte
# against the benchmark's generator, which makes the file from first principles and Python's ipaddress.
import ipaddress
import random
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "bench"))
import independent_export  # noqa: E402

CALCULATIONS = 150
# (first octets, classful prefix); at most 2**7 subnets keeps each file small.
CLASSES = [((1, 126), 8), ((128, 191), 16), ((192, 223), 24)]
MOST_BORROWED_BITS = 7
# Where the text of a subnet changes width or carries: 9/10 and 99/100 in the last
# octets, 255 to 0 into the octet before, prefixes 30, 26 and 22 (8 MB), and the
# last subnet of a class C, B and A network.
CHOSEN = [("192.168.1.1", 30), ("172.16.0.1", 26), ("10.0.0.1", 22)]


def random_case(rng):
    (low, high), classful = rng.choice(CLASSES)
    octets = [rng.randint(low, high)] + [rng.randint(0, 255) for _ in range(3)]
    return ".".join(map(str, octets)), rng.randint(classful, min(30, classful + MOST_BORROWED_BITS))


def expected_file(address, prefix):
    address = ipaddress.ip_address(address)
    return (independent_export.head(address, prefix) + "".join(independent_export.blocks(address, prefix))).encode()


def main():
    seed = int(sys.argv[2]) if len(sys.argv) > 2 else random.randrange(1 << 32)
    rng = random.Random(seed)
    cases = [random_case(rng) for _ in range(CALCULATIONS)] + CHOSEN
    # Each calculation: menu, address, prefix; then 1 for the next one and a line for the saved message's pause.
    answers = "1\n\n".join(f"1\n4\n9\nY\nY\n{address}\n{prefix}\n" for address, prefix in cases)
    with tempfile.TemporaryDirectory() as folder:
        run = subprocess.run([Path(sys.argv[1]).resolve()], input=f"\n{answers}2\n\n", text=True, cwd=folder,
                             capture_output=True, timeout=300)
        failures = [f"exit status {run.returncode}"] if run.returncode != 0 else []
        for number, case in enumerate(cases, 1):
            path = Path(folder, f"Result_{number}.txt")
            if not path.exists() or path.read_bytes() != expected_file(*case):
                failures.append(f"{case[0]}/{case[1]} in {path.name}")
    print(f"seed {seed}: " + ("; ".join(failures[:10]) or f"{len(cases)} calculations agree"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
