#!/usr/bin/env python3
"""terminal_test.py -- subnetter in a real terminal: tmux types the keys and reads the screen.
Usage: terminal_test.py COMMAND [unittest arguments], COMMAND being PATH/subnetter or wine64 PATH/subnetter.exe"""
import os
import re
import shlex
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

*LAUNCHER, PROGRAM = shlex.split(sys.argv.pop(1))
PROGRAM = Path(PROGRAM).resolve()
EXPECTED = Path(__file__).resolve().parent / "expected"
SGR = re.compile(r"\x1b\[([0-9;]*)m")
GREEN, WHITE, RED, GREY = "92", "97", "91", "37"  # the four colours as a terminal shows them
DEFAULT_COLOUR = {"", "0", "39"}
FOREGROUND = {*DEFAULT_COLOUR, *map(str, range(30, 38)), *map(str, range(90, 98))}
PATIENCE = 20  # seconds a screen may take to show what a step expects
SPLASH, PAUSE, CLOSING = "PRESS ANY KEY TO ENTER IN PROGRAM:", "Press any key to continue . . .", "to RESET:"
INTERRUPTED, END_OF_INPUT = 130, [(CLOSING, "C-d")]  # the status after Ctrl-C; (prompt, key) steps


def as_drawn(text):
    return text


if PROGRAM.suffix == ".exe":
    # Where the Windows console under wine differs from what the checks expect, here and nowhere
    # else. Wine has no MODE: its refusals of the window set-up top the splash, two rows each.
    # Its PAUSE words the key prompt its own way (and leaves the cursor on the prompt's row,
    # which the program ends itself). A full row moves the console's cursor on at once, so the
    # 81 underscores of the splash are followed by one blank row more. Attribute 7 shows in the
    # terminal's default colour, Ctrl-C ends the program with status 0, and the console goes
    # with the program, leaving the terminal's colours reset whatever the attribute. No key ends
    # the input (Ctrl-Z stops wine itself): the closing answer 2 and the pause after it end the run.
    GREY, INTERRUPTED, END_OF_INPUT = "39", 0, [(CLOSING, "2"), (CLOSING + " 2", "Enter"), (PAUSE, "x")]

    def as_drawn(text):
        text = re.sub(r"^Can't recognize 'MODE .*\n.*\n", "", text, flags=re.M)
        return re.sub(r"^(.{81}\n)\n", r"\1", text, flags=re.M).replace("Press any key to continue...", PAUSE)


class TerminalTest(unittest.TestCase):
    """Each test starts the program from sh in a detached 81x60 tmux window, in a fresh folder.
    Every key waits for the prompt that asks for it: the cursor's row ends with that prompt."""

    def setUp(self):
        self.folder, self.socket = Path(self.enterContext(tempfile.TemporaryDirectory())), f"subnetter-{os.getpid()}"
        self.tmux("-f", "/dev/null", "new-session", "-d", "-x", "81", "-y", "60", "-c", self.folder, "env PS1='$ ' sh")
        self.addCleanup(os.remove, self.tmux("display", "-p", "#{socket_path}").strip())  # the server leaves it behind
        self.addCleanup(subprocess.run, ["tmux", "-L", self.socket, "kill-server"], capture_output=True)
        (self.folder / PROGRAM.name).symlink_to(PROGRAM)
        self.answer(f"stty -g > before; {shlex.join([*LAUNCHER, './' + PROGRAM.name])}", at="$", until=SPLASH)

    def tmux(self, *args):
        return subprocess.run(["tmux", "-L", self.socket, *args], check=True, capture_output=True, text=True).stdout

    def capture(self, *options):
        return "\n".join(row.rstrip() for row in self.tmux("capture-pane", "-p", "-t", "0", *options).split("\n"))

    def screen(self):
        return as_drawn(self.capture()).rstrip("\n")

    def cursor_row(self):
        return as_drawn(self.capture().split("\n")[int(self.tmux("display", "-p", "-t", "0", "#{cursor_y}"))])

    def wait_until(self, condition, what):
        deadline = time.monotonic() + PATIENCE
        while not condition():
            if time.monotonic() > deadline:
                self.fail(f"waited in vain for {what}; the screen:\n{self.screen()}")
            time.sleep(0.05)

    def wait_for(self, prompt):
        self.wait_until(lambda: self.cursor_row().endswith(prompt), f"the prompt {prompt!r}")

    def keys(self, *keys, at=PAUSE, until=None):
        self.wait_for(at)
        self.tmux("send-keys", "-t", "0", *keys)
        if until:
            self.wait_for(until)

    def answer(self, *answers, at="Input:", until=None):
        """Types each answer at its prompt (`at`, or a pair's first) and Enter once echoed, so no key is lost."""
        for answer in answers:
            prompt, text = answer if isinstance(answer, tuple) else (at, answer)
            self.keys("-l", text, at=prompt)
            self.wait_until(lambda: self.cursor_row().endswith(text), f"the echo of {text!r}")
            self.tmux("send-keys", "-t", "0", "Enter")
        if until:
            self.wait_for(until)

    def colour_of(self, text):
        """The foreground colour of the first `text` on the screen: the last one set before it, on any row."""
        screen = self.capture("-e")
        self.assertIn(text, screen)
        codes = [code for codes in SGR.findall(screen[:screen.index(text)]) for code in codes.split(";")]
        return next((code for code in reversed(codes) if code in FOREGROUND), "")

    def assertScreen(self, name):
        self.assertEqual(self.screen(), (EXPECTED / name).read_text().rstrip("\n"))

    def assertColours(self, *pairs):
        """Each (text, colour): the colour the first such text is shown in."""
        self.assertEqual([(text, self.colour_of(text)) for text, _ in pairs], list(pairs))

    def assertRewritten(self, row):
        """A refused answer's row is rewritten in place, not repeated below."""
        self.wait_for(row)
        self.assertEqual(self.screen().count("False"), 1)

    def assertRestored(self, status):
        """The terminal is as before the program: same stty settings, colours reset."""
        self.answer('s=$?; stty -g > after; echo "status=$s"', at="$", until="$")
        self.assertIn(f"\nstatus={status}\n", self.screen())
        self.assertEqual((self.folder / "before").read_text(), (self.folder / "after").read_text(), "stty settings")
        self.assertIn(self.colour_of(f"status={status}"), DEFAULT_COLOUR, "colours still set")

    def test_typical_calculation_row_by_row(self):
        self.assertScreen("splash.txt")
        self.assertColours((" 0  011000", GREEN), ("PRESS ANY KEY", GREEN))
        self.keys("Enter", at=SPLASH, until="Input:")
        self.assertScreen("options_menu.txt")
        self.assertColours(("To insert:", GREEN), ("# IPv4 in decimal Form", WHITE))
        self.answer("1", "4", "9", "N", until="decimal form:")
        self.assertColours(("Please insert an IPv4 Address", GREEN))
        self.answer(("decimal form:", "192.168.1.77"), ("Insert Prefix:", "26"), until="Input: _ _")
        self.assertColours(("Total Sub Networks", GREEN), ("# Please set the range", WHITE))
        self.answer(("Input: _ _", "0 0"), until=PAUSE)
        self.assertScreen("typical_report.txt")
        for subnet in (2, 3, 4):
            self.keys("x")  # one key press, no Enter
            self.wait_until(lambda: f"Sub Network {subnet}/4" in self.screen()
                            and self.screen().count("Press any key") == 1, f"subnet {subnet} below the erased pause")
        self.keys("x", until=CLOSING)
        self.assertNotIn("Press any key", self.screen())
        self.answer("2", at=CLOSING)
        self.assertRestored(0)

    def test_refusals_reprompt_in_place_and_ctrl_c_restores(self):
        self.keys("Enter", at=SPLASH)
        self.answer("x", "7")
        self.assertRewritten("False Input:")
        self.assertEqual((self.colour_of("False"), self.colour_of("Input:")), (RED, GREEN))
        self.answer("1", "4", "9", until="Input:")
        self.assertEqual(self.colour_of("Export to file"), GREY)
        self.answer("N", ("decimal form:", "192.168.1.77"), ("Insert Prefix:", "7"), until="Insert Prefix:")
        self.assertIn("Class C IPv4 Addresses must be", self.screen())
        self.answer("99", at="Insert Prefix:", until="Insert Prefix:")
        self.assertNotIn("Class C IPv4 Addresses must be", self.screen())
        self.assertEqual(self.screen().count("Insert Prefix:"), 1)
        self.assertEqual(self.colour_of("must be >= 0 & <= 30"), RED)
        self.answer(("Insert Prefix:", "26"), ("Input: _ _", "9 9"), ("Input: _ _", "5 1"))
        self.assertRewritten("False Input: _ _")
        self.answer("0 0", at="Input: _ _", until=PAUSE)
        self.assertNotRegex(self.screen(), "SUBNET SELECTION|Sub Networks")
        self.keys("C-c")  # in the middle of the pause, while keys come one at a time
        self.assertRestored(INTERRUPTED)

    def test_vlsm_dialogs_vanish_colours_and_end_of_input(self):
        self.keys("Enter", at=SPLASH)
        self.answer("1", "7", "10", "Y", ("decimal form:", "192.168.1.0"), ("Mask:", "255.0.255.0"), until="Mask:")
        self.assertEqual(self.colour_of("invalid Network Mask"), RED)
        self.answer(("Mask:", "255.255.255.0"))
        self.keys("x", until="Input:")
        self.assertIn("New Prefix", self.screen())
        self.assertNotIn("Press any key", self.screen())
        self.assertEqual(self.colour_of("VARIABLE LENGH"), GREEN)
        self.answer("1", until="Insert Prefix:")
        self.assertNotIn("New Prefix", self.screen())
        self.answer("26", at="Insert Prefix:", until="to STOP:")
        texts = "11000000.10101000.00000001.00000001", "192.168.1.1", "# Used Hosts        : 64/256:"
        self.assertEqual([self.colour_of(text) for text in texts], [GREEN, WHITE, WHITE])
        self.answer("1", at="to STOP:", until=CLOSING)
        self.assertNotIn("to STOP", self.screen())
        self.assertEqual(self.colour_of("Press any 'Char' to EXIT/SAVE"), GREEN)
        for prompt, key in END_OF_INPUT:
            self.keys(key, at=prompt)
        self.assertRestored(0)
        self.assertIn("# Remaining Hosts   : 192/256:", (self.folder / "Result_1.txt").read_text())


if __name__ == "__main__":
    unittest.main()
