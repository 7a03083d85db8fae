"""machine_needs.py -- what a terminal test needs of the machine: one that lacks it is skipped, with the reason, by
status 77, the SKIP_RETURN_CODE of tests.cmake."""
import re
import subprocess
import sys


def tmux_version():
    try:
        return tuple(map(int, re.search(r"(\d+)\.(\d+)", subprocess.run(["tmux", "-V"], capture_output=True, text=True).stdout).groups()))
    except (OSError, AttributeError):  # no tmux, or no version in what it says
        return (0, 0)


def skip_unless(needs):
    lacking = [needed for met, needed in needs if not met]
    if lacking:
        print(f"skipped: this machine lacks {lacking[0]}")
        sys.exit(77)
