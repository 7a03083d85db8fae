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

BINARY = os.path.abspath(sys.argv.pop(1))
EXPECTED = os.path.join(os.path.dirname(os.path.abspath(__file__)), "expected")
SGR = re.compile(r"\x1b\[([0-9;]*)m")
GREEN, WHITE, RED, GREY = "92", "97", "91", "37"  # the four colours as a terminal shows them
DEFAULT_COLOUR = {"", "0", "39"}
FOREGROUND = {*DEFAULT_COLOUR, *map(str, range(30, 38)), *map(str, range(90, 98))}
PATIENCE = 20  # seconds a screen may take to show what a step expects


def read(path):
    with open(path, encoding="utf-8") as text:
        return text.read()


class Terminal:
    """A detached 81x60 tmux window on a socket of its own, running sh in a fresh folder."""

    def __init__(self):
        self.folder = tempfile.TemporaryDirectory()
        self.socket = f"subnetter-test-{os.getpid()}"
        self.tmux("-f", "/dev/null", "new-session", "-d", "-x", "81", "-y", "60", "-c", self.folder.name,
                  "env PS1='$ ' sh")
        self.command("stty -g > before")

    def close(self):
        socket_path = self.tmux("display", "-p", "#{socket_path}").strip()
        subprocess.run(["tmux", "-L", self.socket, "kill-server"], capture_output=True)
        os.remove(socket_path)  # the server leaves it behind
        self.folder.cleanup()

    def tmux(self, *args):
        return subprocess.run(["tmux", "-L", self.socket, *args], check=True, capture_output=True, text=True).stdout

    def keys(self, *keys):
        self.tmux("send-keys", "-t", "0", *keys)

    def rows(self, colours=False):
        text = self.tmux("capture-pane", "-p", "-t", "0", *(["-e"] if colours else []))
        return [row.rstrip() for row in text.split("\n")]

    def screen(self):
        return "\n".join(self.rows()).rstrip("\n")

    def cursor_row(self):
        return self.rows()[int(self.tmux("display", "-p", "-t", "0", "#{cursor_y}"))]

    def file(self, name):
        return os.path.join(self.folder.name, name)

    def wait_until(self, condition, what):
        deadline = time.monotonic() + PATIENCE
        while not condition():
            if time.monotonic() > deadline:
                raise AssertionError(f"waited in vain for {what}; the screen:\n{self.screen()}")
            time.sleep(0.05)

    def wait_for(self, text):
        self.wait_until(lambda: text in self.screen(), repr(text))

    def answer(self, text):  # waits for the echo before Enter, so no key is lost
        self.keys("-l", text)
        self.wait_until(lambda: self.cursor_row().endswith(text), f"the echo of {text!r}")
        self.keys("Enter")

    def command(self, line):
        self.wait_until(lambda: self.cursor_row() == "$", "the shell prompt")
        self.answer(line)
        self.wait_until(lambda: self.cursor_row() == "$", "the shell prompt")

    def start(self):
        os.symlink(BINARY, self.file("subnetter"))
        self.answer("./subnetter")
        self.wait_for("PRESS ANY KEY TO ENTER IN PROGRAM:")

    def colour_of(self, text):
        """The foreground colour of the first `text` on the screen."""
        colour = ""  # escapes name only changes, so a colour runs on across rows
        for row in self.rows(colours=True):
            plain, shades = "", []
            for at, piece in enumerate(SGR.split(row)):
                if at % 2 == 0:
                    plain, shades = plain + piece, shades + [colour] * len(piece)
                else:
                    colour = next((code for code in piece.split(";") if code in FOREGROUND), colour)
            if text in plain:
                return shades[plain.index(text)]
        raise AssertionError(f"{text!r} is not on the screen:\n{self.screen()}")

    def assert_restored(self, status):
        """The terminal is as before the program: same stty settings, colours reset."""
        self.command('echo "status=$?"; stty -g > after')
        assert read(self.file("before")) == read(self.file("after")), "stty settings differ"
        assert self.colour_of(f"status={status}") in DEFAULT_COLOUR, "colours still set"


class TerminalTest(unittest.TestCase):
    def setUp(self):
        self.t = Terminal()
        self.addCleanup(self.t.close)

    def menu(self, *answers, until):
        for answer in answers:
            self.t.answer(answer)
        self.t.wait_for(until)

    def assertScreen(self, name):
        self.assertEqual(self.t.screen(), read(os.path.join(EXPECTED, name)).rstrip("\n"))

    def test_typical_calculation_row_by_row(self):
        t = self.t
        t.start()
        self.assertScreen("splash.txt")
        t.keys("Enter")
        t.wait_for("Input:")
        self.assertScreen("options_menu.txt")
        self.menu("1", "4", "9", "N", until="decimal form:")
        self.menu("192.168.1.77", "26", until="Input: _ _")
        t.answer("0 0")
        t.wait_for("Press any key")
        self.assertScreen("typical_report.txt")
        for subnet in (2, 3, 4):
            t.keys("x")  # one key press, no Enter
            t.wait_until(lambda: f"Sub Network {subnet}/4" in t.screen() and t.screen().count("Press any key") == 1,
                         f"subnet {subnet} below the erased pause")
        t.keys("x")
        t.wait_for("to RESET:")
        self.assertNotIn("Press any key", t.screen())
        t.answer("2")
        t.assert_restored(0)

    def test_refusals_reprompt_in_place_and_ctrl_c_restores(self):
        t = self.t
        t.start()
        t.keys("Enter")
        self.menu("x", "7", until="False Input:")
        t.wait_until(lambda: t.cursor_row() == "False Input:", "the answer row to be rewritten")
        self.assertEqual(t.screen().count("False"), 1)
        self.assertEqual(t.colour_of("False"), RED)
        self.assertEqual(t.colour_of("Input:"), GREEN)
        self.menu("1", "4", "9", until="Export to file")
        self.assertEqual(t.colour_of("Export to file"), GREY)
        self.menu("N", "192.168.1.77", until="Insert Prefix:")
        self.menu("7", until="Class C IPv4 Addresses must be")
        self.menu("99", until="must be >= 0 & <= 30")
        self.assertNotIn("Class C IPv4 Addresses must be", t.screen())
        self.assertEqual(t.screen().count("Insert Prefix:"), 1)
        self.assertEqual(t.colour_of("must be >= 0"), RED)
        self.menu("26", "9 9", "5 1", until="False Input: _ _")
        t.wait_until(lambda: t.cursor_row().startswith("False Input: _ _"), "the range row to be rewritten")
        self.assertEqual(t.screen().count("False"), 1)
        t.answer("0 0")
        t.wait_for("Press any key")
        self.assertNotIn("SUBNET SELECTION", t.screen())
        self.assertNotIn("Sub Networks", t.screen())
        t.keys("C-c")  # in the middle of the pause, while keys come one at a time
        t.assert_restored(130)

    def test_vlsm_dialogs_vanish_colours_and_end_of_input(self):
        t = self.t
        t.start()
        t.keys("Enter")
        self.menu("1", "3", "10", "Y", "192.168.1.0", until="Press any key")
        t.keys("x")
        t.wait_until(lambda: "New Prefix" in t.screen() and "Press any key" not in t.screen(), "the pass menu")
        self.assertEqual(t.colour_of("VARIABLE LENGH"), GREEN)
        self.menu("1", until="Insert Prefix:")
        self.assertNotIn("New Prefix", t.screen())
        self.menu("26", until="Continue or '1' to STOP:")
        self.assertEqual(t.colour_of("11000000.10101000.00000001.00000001"), GREEN)
        self.assertEqual(t.colour_of("192.168.1.1"), WHITE)
        self.assertEqual(t.colour_of("# Used Hosts        : 64/256:"), WHITE)
        self.menu("1", until="to RESET:")
        self.assertNotIn("to STOP", t.screen())
        self.assertEqual(t.colour_of("Press any 'Char' to EXIT/SAVE"), GREEN)
        t.keys("C-d")
        t.assert_restored(0)
        self.assertIn("# Remaining Hosts   : 192/256:", read(t.file("Result_1.txt")))


if __name__ == "__main__":
    unittest.main()
