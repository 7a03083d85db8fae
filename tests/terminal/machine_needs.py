"""machine_needs.py -- what a terminal test needs of the machine: one that lacks it is skipped, with the reason."""
import re
import subprocess
import sys

SKIPPED = 77  # the status CTest takes for a skip (SKIP_RETURN_CODE in tests.cmake)


def tmux_version():
    """(major, minor) of the tmux found on PATH, (0, 0) when there is none."""
    try:
        found = re.search(r"(\d+)\.(\d+)", subprocess.run(["tmux", "-V"], capture_output=True, text=True).stdout)
    except OSError:
        return (0, 0)
    return (int(found[1]), int(found[2])) if found else (0, 0)


def skip_unless(needs):
    """Ends the test as skipped at the first of the (met, what is needed) pairs not met."""
    for met, needed in needs:
        if not met:
            print(f"skipped: this machine lacks {needed}")
            sys.exit(SKIPPED)
