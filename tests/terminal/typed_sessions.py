#!/usr/bin/env python3
"""typed_sessions.py -- recorded sessions typed key by key on a pseudo-terminal, every byte the terminal receives.
Usage: typed_sessions.py PATH/subnetter [--record]
A session folder under tests/e2e/sessions that holds terminal.bytes is also typed: each line of its input.txt is
typed key by key, then Enter; where the screen asks for any key the line is that one key (Enter when empty).
The sessions of tests/terminal/sessions are typed from keys.txt the same way on a smaller window, whose size the
program gives back at its end. There {NAME} presses a key of KEYS, {N*TEXT} pastes TEXT N times at once (\\r is
Enter), {stop} stops the program from outside and continues it, and {SIGHUP} sends it that signal, by which it
must end; a line that ends with one of these is not followed by Enter. terminal.bytes keeps the program's colours,
erases and the kernel's echo, all of it; --record rewrites the files (to add a session, create an empty
terminal.bytes in its folder first)."""
import fcntl
import os
import re
import select
import signal
import struct
import sys
import tempfile
import termios
import time
from pathlib import Path

from machine_needs import skip_unless

PROGRAM = Path(sys.argv[1]).resolve()
RECORD = sys.argv[2:] == ["--record"]
TESTS = Path(__file__).resolve().parents[1]
SESSIONS = sorted(path.parent for path in (TESTS / "e2e/sessions").glob("*/terminal.bytes"))
KEY_SESSIONS = sorted(path.parent for path in (TESTS / "terminal/sessions").glob("*/terminal.bytes"))
KEYS = {"Left": b"\x1b[D", "C-Left": b"\x1b[1;5D", "C-Right": b"\x1b[1;5C", "M-b": b"\x1bb", "M-f": b"\x1bf",
        "M-BSpace": b"\x1b\x7f", "M-d": b"\x1bd", "C-u": b"\x15", "C-k": b"\x0b", "C-w": b"\x17", "C-y": b"\x19",
        "C-l": b"\x0c", "C-d": b"\x04", "C-z": b"\x1a", "F1": b"\x1bOP", "Up": b"\x1b[A"}
KEYS_WINDOW = (24, 80)
ENVIRONMENT = {"TERM": "xterm-256color", "LC_ALL": "C.UTF-8", "PATH": "/usr/bin:/bin"}
WINDOW, PATIENCE = (60, 81), 60  # PATIENCE: seconds a whole session may take
# The program waits for a key asleep in pselect6(1, ..., no time limit) or in read(0, ...): by machine, the
# call's number and the arguments it is told by in /proc/PID/syscall.
WAITS = {"x86_64": {"270": {0: "0x1", 4: "0x0"}, "0": {0: "0x0"}},
         "aarch64": {"72": {0: "0x1", 4: "0x0"}, "63": {0: "0x0"}}}.get(os.uname().machine)
skip_unless([(sys.version_info >= (3, 9), "Python 3.9 or later (os.waitstatus_to_exitcode)"),
             (WAITS is not None, f"a known system call table ({os.uname().machine} is not x86_64 or aarch64)"),
             (Path("/proc/self/syscall").exists(), "/proc/PID/syscall")])


def has_bytes(descriptor):
    # A poll of a terminal first moves what is still on its way into the terminal's buffer.
    return bool(select.select([descriptor], [], [], 0)[0])


def waits_for_input(pid):
    call = Path(f"/proc/{pid}/syscall").read_text().split()  # "-1 ..." or "running" elsewhere
    return call[0] in WAITS and all(call[1 + k] == value for k, value in WAITS[call[0]].items())


class Session:
    """The program started in a fresh folder on a new pseudo-terminal, the parent holding both of its ends."""

    def __init__(self, folder, window):
        self.master, self.slave = os.openpty()
        fcntl.ioctl(self.slave, termios.TIOCSWINSZ, struct.pack("HHHH", *window, 0, 0))
        self.received, self.since_key, self.deadline = bytearray(), bytearray(), time.monotonic() + PATIENCE
        self.status, self.ending, self.pid = None, 0, os.fork()  # ending: the status a signal sent gives
        if self.pid == 0:
            try:
                os.setsid()
                fcntl.ioctl(self.slave, termios.TIOCSCTTY, 0)
                for descriptor in range(3):
                    os.dup2(self.slave, descriptor)
                os.chdir(folder)
                os.execve(PROGRAM, [PROGRAM.name], ENVIRONMENT)
            finally:
                os._exit(127)

    def read(self):
        chunk = os.read(self.master, 65536)
        self.received += chunk
        self.since_key += chunk

    def waiting(self):
        """Whether the program waits for a key with all it wrote read and nothing typed left unread. In this order:
        once what was typed is in the terminal and none is left, a program asleep in its wait has taken it, and
        what it wrote before it slept is on its way to the master."""
        return not has_bytes(self.slave) and waits_for_input(self.pid) and not has_bytes(self.master)

    def ended(self):
        if self.status is None and (child := os.waitpid(self.pid, os.WNOHANG))[0]:
            self.status = os.waitstatus_to_exitcode(child[1])
        return self.status is not None

    def settle(self, to_the_end=False):
        while not self.ended() and (to_the_end or not self.waiting()):
            if time.monotonic() > self.deadline:
                os.kill(self.pid, 9)
                raise TimeoutError(f"no end after {PATIENCE} s; the last bytes: {bytes(self.received[-300:])!r}")
            if select.select([self.master], [], [], 0.01)[0]:
                self.read()

    def press(self, key):
        os.write(self.master, key)
        self.since_key.clear()
        self.settle()

    def state(self):
        return Path(f"/proc/{self.pid}/stat").read_text().rsplit(")", 1)[1].split()[0]

    def act(self, name):
        if name == "stop":
            for sent, stopped in ((signal.SIGSTOP, True), (signal.SIGCONT, False)):
                os.kill(self.pid, sent)
                while (self.state() == "T") != stopped:
                    time.sleep(0.01)
            return self.settle()
        if name.startswith("SIG"):
            self.ending = -getattr(signal, name)
            return os.kill(self.pid, -self.ending)
        count, _, pasted = name.partition("*")
        self.press(pasted.replace("\\r", "\r").encode() * int(count) if pasted else KEYS[name])

    def type_line(self, line):
        if b"any key" in self.since_key.lower() and b"{" not in line:
            return self.press(line or b"\r")
        for number, part in enumerate(re.split(r"\{([^}]+)\}", line.decode())):  # text, a {name}, text...
            if number % 2:
                self.act(part)
            else:
                for character in part:
                    self.press(character.encode())
        if not line.endswith(b"}"):
            self.press(b"\r")

    def end(self):
        """Waits for the program's end and reads what it wrote last."""
        self.settle(to_the_end=True)
        while has_bytes(self.master):
            self.read()
        os.close(self.master)
        os.close(self.slave)


def typed(folder):
    keys = folder / "keys.txt"
    with tempfile.TemporaryDirectory() as work:
        session = Session(work, KEYS_WINDOW if keys.exists() else WINDOW)
        session.settle()
        for line in (keys if keys.exists() else folder / "input.txt").read_bytes().splitlines():
            session.type_line(line)
        session.end()
        return bytes(session.received), session.status - session.ending  # 0 when it ended as it should


def difference(got, expected):
    at = next((k for k, (a, b) in enumerate(zip(got, expected)) if a != b), min(len(got), len(expected)))
    return (f"first difference at byte {at} of {len(got)} (expected {len(expected)}):\n"
            f"  got:      {got[max(0, at - 120):at + 120]!r}\n  expected: {expected[max(0, at - 120):at + 120]!r}")


def main():
    failures = 0
    for folder in SESSIONS + KEY_SESSIONS:
        got, status = typed(folder)
        stored = folder / "terminal.bytes"
        if RECORD and status == 0:
            stored.write_bytes(got)
        elif status != 0 or got != stored.read_bytes():
            failures += 1
            print(f"{folder.name}: exit status {status}; " + difference(got, stored.read_bytes()))
        print(f"{folder.name}: {'recorded' if RECORD else 'checked'}, {len(got)} bytes")
    print(f"{len(SESSIONS) + len(KEY_SESSIONS) - failures} passed, {failures} failed")
    return 1 if failures or not SESSIONS else 0


if __name__ == "__main__":
    sys.exit(main())
