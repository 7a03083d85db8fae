#!/usr/bin/env python3
# command_line.py -- --help, --version and refused arguments: status, both streams, and a terminal left alone.
#
# Usage: command_line.py PATH/subnetter VERSION
# Each run has a terminal (a pseudo-terminal) as standard input and output unless
# its standard output is captured, and standard error on a pipe. A program that
# ignored its arguments would wait on that terminal for the splash key, resize
# it and colour it.
import os
import pty
import select
import subprocess
import sys
import termios

PROGRAM, VERSION = sys.argv[1], sys.argv[2]
USAGE = "usage: subnetter [--help | --version]\n"

# Arguments, exit status, what standard output must hold (None: it is the
# terminal, which must receive nothing), standard error.
ROWS = [
    (["--version"], 0, f"subnetter {VERSION}\n", ""),
    (["--help"], 0, "help", ""),
    (["foo"], 2, None, USAGE),
    (["-h"], 2, None, USAGE),
    (["--version", "--help"], 2, None, USAGE),
    (["--help=all"], 2, None, USAGE),
    ([""], 2, None, USAGE),
]


# Runs the program; returns status, standard output (or what reached the terminal), standard error,
# and the terminal's settings and size before and after.
def run_on_terminal(arguments, capture_output):
    master, slave = pty.openpty()
    try:
        before = (termios.tcgetattr(slave), termios.tcgetwinsize(slave))
        run = subprocess.run([PROGRAM, *arguments], stdin=slave,
                             stdout=subprocess.PIPE if capture_output else slave,
                             stderr=subprocess.PIPE, timeout=10)
        after = (termios.tcgetattr(slave), termios.tcgetwinsize(slave))
        reached = b""
        while select.select([master], [], [], 0.2)[0]:
            reached += os.read(master, 4096)
        output = run.stdout if capture_output else reached
        return run.returncode, output.decode(), run.stderr.decode(), before, after
    finally:
        os.close(master)
        os.close(slave)


# The help: the usage line, that it is interactive, a scripted session, and the manual.
def is_help(text):
    return (text.startswith(USAGE) and "interactive" in text and "| subnetter" in text
            and text.endswith("The manual: man subnetter\n"))


failures = 0
for arguments, status, output, error in ROWS:
    got_status, got_output, got_error, before, after = run_on_terminal(arguments, output is not None)
    problems = [problem for wrong, problem in [
        (got_status != status, f"status {got_status}, not {status}"),
        (output == "help" and not is_help(got_output), "standard output is not the help"),
        (output not in (None, "help") and got_output != output, f"standard output {got_output!r}, not {output!r}"),
        (output is None and got_output, f"the terminal received {got_output!r}"),
        (got_error != error, f"standard error {got_error!r}, not {error!r}"),
        (before != after, f"the terminal changed: {before} then {after}")] if wrong]
    for problem in problems:
        print(f"subnetter {arguments}: {problem}")
    failures += bool(problems)

# Standard output that refuses the answer is told on standard error and by the status, as in a session; a closed
# one is the null device.
for argument, redirection, status, error in [("--help", "> /dev/full", 1, "No space left on device"),
                                             ("--version", ">&-", 0, "")]:
    if "/dev/full" in redirection and not os.path.exists("/dev/full"):
        print(f"subnetter {argument} {redirection}: skipped, as this system has no /dev/full")
        continue
    run = subprocess.run(["sh", "-c", f'exec "$0" {argument} {redirection}', PROGRAM], stderr=subprocess.PIPE, timeout=10)
    expected = error and f"subnetter: writing to standard output failed: {error}\n"
    if (run.returncode, run.stderr.decode()) != (status, expected):
        print(f"subnetter {argument} {redirection}: status {run.returncode}, standard error {run.stderr!r}")
        failures += 1
sys.exit(1 if failures else 0)
