#!/usr/bin/env python3
"""terminal_test.py -- subnetter in a real terminal: tmux types the keys and reads the screen.
Usage: terminal_test.py SUBNETTER [unittest arguments]"""
import os
import re
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

BINARY = os.path.abspath(sys.argv.pop(1))
EXPECTED = Path(__file__).resolve().parent / "expected"
SGR = re.compile(r"\x1b\[([0-9;]*)m")
GREEN, WHITE, RED, GREY = "92", "97", "91", "37"  # the four colours as a terminal shows them
DEFAULT_COLOUR = {"", "0", "39"}
FOREGROUND = {*DEFAULT_COLOUR, *map(str, range(30, 38)), *map(str, range(90, 98))}
PATIENCE = 20  # seconds a screen may take to show what a step expects


class TerminalTest(unittest.TestCase):
    """Each test starts the program from sh in a detached 81x60 tmux window, in a fresh folder."""

    def setUp(self):
        self.folder, self.socket = Path(self.enterContext(tempfile.TemporaryDirectory())), f"subnetter-{os.getpid()}"
        self.tmux("-f", "/dev/null", "new-session", "-d", "-x", "81", "-y", "60", "-c", self.folder, "env PS1='$ ' sh")
        self.addCleanup(os.remove, self.tmux("display", "-p", "#{socket_path}").strip())  # the server leaves it behind
        self.addCleanup(subprocess.run, ["tmux", "-L", self.socket, "kill-server"], capture_output=True)
        (self.folder / "subnetter").symlink_to(BINARY)
        self.shell("stty -g > before; ./subnetter", until="PRESS ANY KEY TO ENTER IN PROGRAM:")

    def tmux(self, *args):
        return subprocess.run(["tmux", "-L", self.socket, *args], check=True, capture_output=True, text=True).stdout

    def keys(self, *keys, until=""):
        self.tmux("send-keys", "-t", "0", *keys)
        self.wait_until(lambda: until in self.screen(), repr(until))

    def rows(self, *options):
        return [row.rstrip() for row in self.tmux("capture-pane", "-p", "-t", "0", *options).split("\n")]

    def screen(self):
        return "\n".join(self.rows()).rstrip("\n")

    def cursor_row(self):
        return self.rows()[int(self.tmux("display", "-p", "-t", "0", "#{cursor_y}"))]

    def wait_until(self, condition, what):
        deadline = time.monotonic() + PATIENCE
        while not condition():
            if time.monotonic() > deadline:
                self.fail(f"waited in vain for {what}; the screen:\n{self.screen()}")
            time.sleep(0.05)

    def answer(self, *answers, until=""):
        """Types each answer and Enter, the Enter only after the echo so that no key is lost."""
        for text in answers:
            self.keys("-l", text)
            self.wait_until(lambda: self.cursor_row().endswith(text), f"the echo of {text!r}")
            self.keys("Enter")
        self.wait_until(lambda: until in self.screen(), repr(until))

    def shell(self, line, until):
        self.wait_until(lambda: self.cursor_row() == "$", "the shell prompt")
        self.answer(line, until=until)

    def colour_of(self, text):
        """The foreground colour of the first `text` on the screen: the last one set before it, on any row."""
        screen = "\n".join(self.rows("-e"))
        self.assertIn(text, screen)
        codes = [code for codes in SGR.findall(screen[:screen.index(text)]) for code in codes.split(";")]
        return next((code for code in reversed(codes) if code in FOREGROUND), "")

    def assertScreen(self, name):
        self.assertEqual(self.screen(), (EXPECTED / name).read_text().rstrip("\n"))

    def assertRewritten(self, row):
        """A refused answer's row is rewritten in place, not repeated below."""
        self.wait_until(lambda: self.cursor_row().startswith(row), f"the row {row!r}")
        self.assertEqual(self.screen().count("False"), 1)

    def assertRestored(self, status):
        """The terminal is as before the program: same stty settings, colours reset."""
        self.shell('s=$?; stty -g > after; echo "status=$s"', until=f"status={status}")
        self.assertEqual((self.folder / "before").read_text(), (self.folder / "after").read_text(), "stty settings")
        self.assertIn(self.colour_of(f"status={status}"), DEFAULT_COLOUR, "colours still set")

    def test_typical_calculation_row_by_row(self):
        self.assertScreen("splash.txt")
        self.keys("Enter", until="Input:")
        self.assertScreen("options_menu.txt")
        self.answer("1", "4", "9", "N", until="decimal form:")
        self.answer("192.168.1.77", "26", until="Input: _ _")
        self.answer("0 0", until="Press any key")
        self.assertScreen("typical_report.txt")
        for subnet in (2, 3, 4):
            self.keys("x")  # one key press, no Enter
            self.wait_until(lambda: f"Sub Network {subnet}/4" in self.screen()
                            and self.screen().count("Press any key") == 1, f"subnet {subnet} below the erased pause")
        self.keys("x", until="to RESET:")
        self.assertNotIn("Press any key", self.screen())
        self.answer("2")
        self.assertRestored(0)

    def test_refusals_reprompt_in_place_and_ctrl_c_restores(self):
        self.keys("Enter")
        self.answer("x", "7")
        self.assertRewritten("False Input:")
        self.assertEqual((self.colour_of("False"), self.colour_of("Input:")), (RED, GREEN))
        self.answer("1", "4", "9", until="Export to file")
        self.assertEqual(self.colour_of("Export to file"), GREY)
        self.answer("N", "192.168.1.77", until="Insert Prefix:")
        self.answer("7", until="Class C IPv4 Addresses must be")
        self.answer("99", until="must be >= 0 & <= 30")
        self.assertNotIn("Class C IPv4 Addresses must be", self.screen())
        self.assertEqual(self.screen().count("Insert Prefix:"), 1)
        self.assertEqual(self.colour_of("must be >= 0"), RED)
        self.answer("26", "9 9", "5 1")
        self.assertRewritten("False Input: _ _")
        self.answer("0 0", until="Press any key")
        self.assertNotRegex(self.screen(), "SUBNET SELECTION|Sub Networks")
        self.keys("C-c")  # in the middle of the pause, while keys come one at a time
        self.assertRestored(130)

    def test_vlsm_dialogs_vanish_colours_and_end_of_input(self):
        self.keys("Enter")
        self.answer("1", "3", "10", "Y", "192.168.1.0", until="Press any key")
        self.keys("x")
        self.wait_until(lambda: "New Prefix" in self.screen() and "Press any key" not in self.screen(), "the pass menu")
        self.assertEqual(self.colour_of("VARIABLE LENGH"), GREEN)
        self.answer("1", until="Insert Prefix:")
        self.assertNotIn("New Prefix", self.screen())
        self.answer("26", until="Continue or '1' to STOP:")
        texts = "11000000.10101000.00000001.00000001", "192.168.1.1", "# Used Hosts        : 64/256:"
        self.assertEqual([self.colour_of(text) for text in texts], [GREEN, WHITE, WHITE])
        self.answer("1", until="to RESET:")
        self.assertNotIn("to STOP", self.screen())
        self.assertEqual(self.colour_of("Press any 'Char' to EXIT/SAVE"), GREEN)
        self.keys("C-d")
        self.assertRestored(0)
        self.assertIn("# Remaining Hosts   : 192/256:", (self.folder / "Result_1.txt").read_text())


if __name__ == "__main__":
    unittest.main()
