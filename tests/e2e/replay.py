#!/usr/bin/env python3
# replay.py -- whole sessions of the built program over pipes, each in a fresh folder.
#   sessions: every recorded session, its screen and the files it leaves byte for byte.
#   cut: every recorded session cut after each of its lines, and each refused answer of dialogs/refusals.txt shown
#   with garbage after it, which is read up to the end of input and never answered by asking again on its own.
#   random FIRST: random and malformed sessions, 125 from each of six seeds from FIRST on.
#   exports [SEED]: random quick exports of every class, and a few chosen ones, byte for byte against the
#   benchmark's generator, which makes the file from first principles and Python's ipaddress.
#   descriptors: a closed standard descriptor never lends its number to the export file, and input left
#   non-blocking is waited for, not taken for its end.
# Cut and random sessions must all end by themselves with status 0, leaving no file but their exports.
# Usage: replay.py PATH/subnetter sessions | cut | random FIRST | exports [SEED] | descriptors
import ipaddress
import os
import random
import re
import resource
import subprocess
import sys
import tempfile
import time
from pathlib import Path

PROGRAM, PART = Path(sys.argv[1]).resolve(), sys.argv[2]
TESTS = Path(__file__).resolve().parents[1]
SESSIONS = sorted(folder for kept in ("e2e/sessions", "dialogs/sessions") for folder in (TESTS / kept).iterdir()
                  if folder.is_dir())
# Besides its input and screen, and the bytes of the same session typed on a terminal (terminal/typed_sessions.py),
# a session folder holds exactly the files the run must leave.
NOT_LEFT = ("input.txt", "screen.txt", "terminal.bytes")
# More output than any session writes means a runaway program: the limit stops it before it fills the disk.
MOST_OUTPUT = 64 << 20
# Pieces, one a line: valid answers, whole menus so that sessions reach the dialogs and listings behind them, and
# malformed answers. No Y or y appears outside the yes/no pairs: a yes answered twice in a row could start the quick
# export of a whole class A network, which is a matter of disk speed, not of hostile input.
PIECES = (TESTS / "hostile/pieces.txt").read_bytes().splitlines()
SEPARATORS = [b" ", b" ", b"\n", b"\n", b"\n\n", b"\t", b"\r\n", b"\v\f", b""]
# Random exports: (first octets, classful prefix); at most 2**7 subnets keeps each file small.
CLASSES = [((1, 126), 8), ((128, 191), 16), ((192, 223), 24)]
# Where the text of a subnet changes width or carries: 9/10 and 99/100 in the last octets, 255 to 0 into the octet
# before, prefixes 30, 26 and 22 (8 MB), and the last subnet of a class C, B and A network.
CHOSEN = [("192.168.1.1", 30), ("172.16.0.1", 26), ("10.0.0.1", 22)]
sys.path.insert(0, str(TESTS.parent / "bench"))
import independent_export  # noqa: E402
failures = []


def start(closed):
    resource.setrlimit(resource.RLIMIT_FSIZE, (MOST_OUTPUT,) * 2)
    for descriptor in closed:
        os.close(descriptor)


# Status (None when it ran out of time), standard output and every file left, by name; `closed` are the standard
# descriptors closed for the program.
def run(answers, seconds=30, closed=()):
    with tempfile.TemporaryDirectory() as folder:
        try:
            done = subprocess.run([PROGRAM], input=answers, stdout=subprocess.PIPE, cwd=folder, timeout=seconds,
                                  preexec_fn=lambda: start(closed))
        except subprocess.TimeoutExpired as expired:
            return None, expired.stdout or b"", {}
        return done.returncode, done.stdout, {path.name: path.read_bytes() for path in Path(folder).iterdir()}


def replay_sessions():
    for folder in SESSIONS:
        status, screen, files = run((folder / "input.txt").read_bytes())
        expected = {path.name: path.read_bytes() for path in folder.iterdir() if path.name not in NOT_LEFT}
        problems = [f"status {status}"] if status != 0 else []
        problems += ["the screen differs"] if screen != (folder / "screen.txt").read_bytes() else []
        problems += [f"left {sorted(files)}, not {sorted(expected)}, or other bytes"] if files != expected else []
        failures.extend(f"{folder.relative_to(TESTS)}: {problem}" for problem in problems)


def ends_cleanly(answers):
    status, screen, files = run(answers, 10)
    left = [name for name in files if not re.fullmatch(r"Result_[1-9][0-9]*\.txt", name)]
    if status != 0 or left:
        failures.append(f"status {status}, left {left}, input {answers[:2000]!r}")
    return screen


def random_session(rng):
    session = b""
    for _ in range(5 + rng.randrange(60)):
        roll = rng.randrange(100)
        if roll < 80:
            session += rng.choice(PIECES)
        elif roll < 98:
            garbage = bytes(rng.randrange(256) for _ in range(1 + rng.randrange(8)))
            session += garbage.replace(b"y", b"x").replace(b"Y", b"x")
        else:
            session += (b"7" if roll % 2 == 0 else b"x") * 70000  # a token spanning two refills of the reader
        session += rng.choice(SEPARATORS)
    return session


def random_sessions(seeds):
    # Under the sanitizers a leak check at each exit would cost more than the session; the cut sessions keep it.
    os.environ["ASAN_OPTIONS"] = "detect_leaks=0"
    for seed in seeds:
        rng = random.Random(seed)
        for _ in range(125):
            ends_cleanly(random_session(rng))


def cut_sessions():
    for folder in SESSIONS:
        session = (folder / "input.txt").read_bytes()
        for cut in [0] + [end + 1 for end, byte in enumerate(session) if byte == ord("\n")]:
            ends_cleanly(session[:cut])
    refusals = [line.replace(b"|", b"\n") for line in (TESTS / "dialogs/refusals.txt").read_bytes().split(b"\n")]
    for answers, shown in zip(refusals[0::2], refusals[1::2]):
        screen = ends_cleanly(answers + b"#?!\n%%\n")
        if shown not in screen or len(screen) >= 20000:
            failures.append(f"{answers!r}: {shown!r} not shown, or asked again")


def random_exports(seed):
    rng = random.Random(seed)
    cases = []
    for (low, high), classful in rng.choices(CLASSES, k=150):
        address = ".".join(map(str, [rng.randint(low, high)] + [rng.randint(0, 255) for _ in range(3)]))
        cases.append((address, rng.randint(classful, min(30, classful + 7))))
    # Each calculation: menu, address, prefix; then 1 for the next one and a line for the saved message's pause.
    answers = "1\n\n".join(f"1\n4\n9\nY\nY\n{address}\n{prefix}\n" for address, prefix in cases + CHOSEN)
    status, _, files = run(f"\n{answers}2\n\n".encode(), 300)
    failures.extend([f"status {status}"] if status != 0 else [])
    for number, (address, prefix) in enumerate(cases + CHOSEN, 1):
        address = ipaddress.ip_address(address)
        expected = independent_export.head(address, prefix) + "".join(independent_export.blocks(address, prefix))
        if files.get(f"Result_{number}.txt") != expected.encode():
            failures.append(f"seed {seed}: {address}/{prefix} in Result_{number}.txt")


def standard_descriptors():
    session = TESTS / "e2e/sessions/quick_export"
    answers, report = (session / "input.txt").read_bytes(), {"Result_1.txt": (session / "Result_1.txt").read_bytes()}
    for what, closed, left in [("output", (1,), report), ("output and errors", (1, 2), report), ("input", (0,), {})]:
        status, _, files = run(answers, closed=closed)
        if (status, files) != (0, left):
            failures.append(f"{what} closed: status {status}, left {sorted(files)} or other bytes")
    # The answers come once the program has met the input empty.
    reader, writer = os.pipe()
    os.set_blocking(reader, False)
    with tempfile.TemporaryDirectory() as folder:
        program = subprocess.Popen([PROGRAM], stdin=reader, stdout=subprocess.DEVNULL, cwd=folder)
        os.close(reader)
        time.sleep(0.5)
        os.write(writer, answers)
        os.close(writer)
        status = program.wait(30)
        if (status, {path.name: path.read_bytes() for path in Path(folder).iterdir()}) != (0, report):
            failures.append(f"input non-blocking: status {status}, Result_1.txt missing or other bytes")


if PART == "random":
    random_sessions(range(int(sys.argv[3]), int(sys.argv[3]) + 6))
elif PART == "exports":
    random_exports(int(sys.argv[3]) if len(sys.argv) > 3 else random.randrange(1 << 32))
else:
    {"sessions": replay_sessions, "cut": cut_sessions, "descriptors": standard_descriptors}[PART]()
print("\n".join(failures[:20]))
sys.exit(1 if failures else 0)
