#!/usr/bin/env python3
"""terminal_test.py -- subnetter in a real terminal: tmux types the keys and reads the screen.
Usage: terminal_test.py COMMAND [unittest arguments], COMMAND being PATH/subnetter or wine64 PATH/subnetter.exe"""
import os
import re
import shlex
import signal
import subprocess
import sys
import tempfile
import time
import unicodedata
import unittest
from pathlib import Path

from machine_needs import skip_unless, tmux_version

# The program's process is found as the child of the window's shell in /proc.
skip_unless([(sys.version_info >= (3, 11), "Python 3.11 or later (unittest's enterContext)"),
             (tmux_version() >= (2, 9), "tmux 2.9 or later (resize-window)"),
             (Path(f"/proc/{os.getpid()}/task/{os.getpid()}/children").exists(), "/proc/PID/task/TID/children")])
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
# Keys that send several bytes (an arrow, F1, Alt+x, a two-byte character): each answers one pause alone.
# Escape alone is told from the start of a sequence by nothing following it.
SPLASH_KEY, ESCAPE_ALONE, PAUSE_KEYS = ["Right"], ["Escape"], [["Up"], ["F1"], ["M-x"], ["-l", "\u00e9"]]
# Refused answers at each question: from one character to several rows (67 after "False Input: " or
# "Insert Prefix: " fills a row to its last column at 80 and at 41 columns), after an empty line, after a tab,
# wide characters, and a paste of more rows than the screen has.
REFUSED = ["x", "x" * 67, "x" * 79, "x" * 80, "x" * 81, "x" * 200, "x" * 400, "\nx", "\tx", "\u4e2d" * 40, "x" * 10000]
# The questions that refuse in place, each with the answers that take the session on to the next.
QUESTIONS = [("Input:", "False", ["1", "4", "9", "Y", "N", ("form:", "192.168.1.77")]),
             ("Insert Prefix:", "The Prefix", ["28"]), ("Input: _ _", "False", ["0 0"])]
# (before the command, signal sent at the second pause, key pressed then, status, subnets kept in the file)
SIGNALS = [("", None, "C-c", 130, 2), ("", None, "C-\\", 131, 2), ("", signal.SIGTERM, None, 143, 2),
           ("", signal.SIGHUP, None, 129, 2), ("trap '' HUP; ", signal.SIGHUP, "C-c", 130, 3),
           ("", signal.SIGUSR1, None, 138, 2)]
EXPORTED = (Path(__file__).resolve().parents[1] / "e2e/sessions/quick_export/Result_1.txt").read_text()
WIDTHS = [80, 41, 300]  # columns of the terminal the refusals are tried at
KEEPS_SCROLLBACK = True  # the rows above the program stay in the terminal's history
POSIX_ONLY = unittest.skipIf(PROGRAM.suffix == ".exe", "signals and job control are POSIX's")


def as_drawn(text):
    return text


if PROGRAM.suffix == ".exe":
    # Where the Windows console under wine differs from what the checks expect, here and nowhere
    # else. Wine has no MODE: its refusals of the window set-up top the splash, two rows each.
    # Its PAUSE words the key prompt its own way (and leaves the cursor on the prompt's row,
    # which the program ends itself). Attribute 7 shows in the terminal's default colour, and the
    # console goes with the program, leaving the terminal's colours reset whatever the attribute.
    # Ctrl-C ends the program with STATUS_CONTROL_C_EXIT (0xC000013A), of which a POSIX shell sees
    # the low byte; it is tried at the first pause, as SIGTERM, SIGHUP and Ctrl-\\ are POSIX's.
    # No key ends the input (Ctrl-Z stops wine itself): the closing answer 2 and the pause after
    # it end the run. The splash key comes from a line, as the console gives single keys only to
    # PAUSE. The console keeps the width it started with when the window is resized, so refusals
    # are tried at that width alone. Its PAUSE passes over keys that type no character, such as
    # the arrows: the pauses take x. Its console draws a screen of its own, with no history of
    # the terminal's.
    GREY, INTERRUPTED, END_OF_INPUT = "39", 0x3A, [(CLOSING, "2"), (CLOSING + " 2", "Enter"), (PAUSE, "x")]
    KEEPS_SCROLLBACK = False
    SPLASH_KEY = ESCAPE_ALONE = ["Enter"]
    PAUSE_KEYS, SIGNALS, WIDTHS = [["x"]] * 4, [("", None, "C-c", INTERRUPTED, 1)], [81]
    REFUSED = REFUSED[:-2]  # the console's own line input keeps its own ways with these

    def as_drawn(text):
        text = re.sub(r"^Can't recognize 'MODE .*\n.*\n", "", text, flags=re.M)
        return text.replace("Press any key to continue...", PAUSE)


class TerminalTest(unittest.TestCase):
    """Each test starts the program from sh in a detached 81x60 tmux window, in a fresh folder.
    Every key waits for the prompt that asks for it: the cursor's row ends with that prompt."""

    def setUp(self):
        self.folder, self.socket = Path(self.enterContext(tempfile.TemporaryDirectory())), f"subnetter-{os.getpid()}"
        self.tmux("-f", "/dev/null", "new-session", "-d", "-x", "81", "-y", "60", "-c", self.folder, "env PS1='$ ' sh")
        self.addCleanup(os.remove, self.tmux("display", "-p", "#{socket_path}").strip())  # the server leaves it behind
        self.addCleanup(subprocess.run, ["tmux", "-L", self.socket, "kill-server"], capture_output=True)
        self.addCleanup(self.kill_left_running)
        (self.folder / PROGRAM.name).symlink_to(PROGRAM)
        self.start()

    def start(self, before="", after="", until=SPLASH):
        """The program started from the shell prompt, its settings saved first; `before` and `after` its command."""
        self.answer(f"stty -g > before; {before}{shlex.join([*LAUNCHER, './' + PROGRAM.name])}{after}", at="$", until=until)

    def tmux(self, *args):
        return subprocess.run(["tmux", "-L", self.socket, *args], check=True, capture_output=True, text=True).stdout

    def capture(self, *options):
        return "\n".join(row.rstrip() for row in self.tmux("capture-pane", "-p", "-t", "0", *options).split("\n"))

    def screen(self):
        return as_drawn(self.capture()).rstrip("\n")

    def cursor_row(self):
        return as_drawn(self.capture().split("\n")[int(self.tmux("display", "-p", "-t", "0", "#{cursor_y}"))])

    def shows_before_cursor(self, text):
        """Whether `text` ends at the cursor, on its row and (when longer) the rows it wrapped from."""
        column = int(self.tmux("display", "-p", "-t", "0", "#{cursor_x}"))
        row = before = self.cursor_row()
        while sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in before) > column:
            before = before[:-1]
        return row.endswith(text) or column > 0 and (before.endswith(text) or text.endswith(before))

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
        """Types each answer at its prompt (`at`, or a pair's first) and Enter once echoed, so no key is lost;
        a line end in an answer is an Enter of its own, and a tab shows as blanks."""
        for answer in answers:
            prompt, text = answer if isinstance(answer, tuple) else (at, answer)
            self.wait_for(prompt)
            for line in text.split("\n"):
                if line:
                    self.tmux("send-keys", "-t", "0", "-l", line)
                self.wait_until(lambda: self.shows_before_cursor(line.split("\t")[-1]), f"the echo of {line!r}")
                self.tmux("send-keys", "-t", "0", "Enter")
        if until:
            self.wait_for(until)

    def colour_of(self, text, last=False):
        """The foreground colour of the first (or last) `text` on the screen: the last one set before it, on any row."""
        screen = self.capture("-e")
        self.assertIn(text, screen)
        codes = [code for codes in SGR.findall(screen[:(screen.rindex if last else screen.index)(text)])
                 for code in codes.split(";")]
        return next((code for code in reversed(codes) if code in FOREGROUND), "")

    def assertScreen(self, name):
        self.assertEqual(self.screen(), (EXPECTED / name).read_text().rstrip("\n"))

    def assertColours(self, *pairs):
        """Each (text, colour): the colour the first such text is shown in."""
        self.assertEqual([(text, self.colour_of(text)) for text, _ in pairs], list(pairs))

    def assertRestored(self, status, last=False):
        """The terminal is as before the program (also while it is stopped): same stty settings, colours reset."""
        self.answer('s=$?; stty -g > after; echo "status=$s"', at="$", until="$")
        self.assertIn(f"\nstatus={status}\n", self.screen())
        self.assertEqual((self.folder / "before").read_text(), (self.folder / "after").read_text(), "stty settings")
        self.assertIn(self.colour_of(f"status={status}", last), DEFAULT_COLOUR, "colours still set")

    def program_id(self):
        shell = self.tmux("display", "-p", "-t", "0", "#{pane_pid}").strip()
        return int(Path(f"/proc/{shell}/task/{shell}/children").read_text().split()[0])

    def kill_left_running(self):
        """A program still running when the server goes meets its terminal's hang-up, and in a sanitizer build the leak
        check of that exit can spin for good: whatever the shell still runs is killed first."""
        shell = self.tmux("display", "-p", "-t", "0", "#{pane_pid}").strip()
        for child in Path(f"/proc/{shell}/task/{shell}/children").read_text().split():
            os.kill(int(child), signal.SIGKILL)

    @staticmethod
    def state(process):
        return Path(f"/proc/{process}/stat").read_text().split()[2]

    def resize(self, columns):
        """The window made `columns` wide, waited for until the terminal has it: tmux passes a resize on a little
        later, and a resize still on its way would make the next one seem done at once."""
        self.tmux("resize-window", "-t", "0", "-x", str(columns))
        self.wait_until(lambda: f" columns {columns};" in self.pane_settings(), f"{columns} columns")

    def pane_settings(self):
        tty = self.tmux("display", "-p", "-t", "0", "#{pane_tty}").strip()
        return subprocess.run(["stty", "-a", "-F", tty], capture_output=True, text=True).stdout

    def test_typical_calculation_row_by_row(self):
        self.assertScreen("splash.txt")
        if KEEPS_SCROLLBACK:
            self.assertIn("stty -g > before", self.capture("-S", "-"))
        self.assertColours((" 0  011000", GREEN), ("PRESS ANY KEY", GREEN))
        self.keys(*SPLASH_KEY, at=SPLASH, until="Input:")
        self.assertScreen("options_menu.txt")
        self.assertColours(("To insert:", GREEN), ("# IPv4 in decimal Form", WHITE))
        self.answer("1", "4", "9", until="Input:")
        self.assertEqual(self.colour_of("Export to file"), GREY)
        self.answer("N", until="decimal form:")
        self.assertColours(("Please insert an IPv4 Address", GREEN))
        self.answer(("decimal form:", "192.168.1.77"), ("Insert Prefix:", "26"), until="Input: _ _")
        self.assertColours(("Total Sub Networks", GREEN), ("# Please set the range", WHITE))
        self.answer(("Input: _ _", "0 0"), until=PAUSE)
        self.assertScreen("typical_report.txt")
        self.assertColours(("/26", GREEN), ("Sub Network 1/4", GREEN), ("# Network IP", WHITE))
        for subnet, key in zip((2, 3, 4), PAUSE_KEYS):
            self.keys(*key)  # one key press, however many bytes it sends
            self.wait_until(lambda: f"Sub Network {subnet}/4" in self.screen()
                            and self.screen().count("Press any key") == 1, f"subnet {subnet} below the erased pause")
        self.keys(*PAUSE_KEYS[-1], until=CLOSING)
        self.assertNotIn("Press any key", self.screen())
        self.answer("1", at=CLOSING, until="Input:")  # nothing left of the keys to spoil the answer
        self.assertScreen("options_menu.txt")
        self.keys("C-c", at="Input:")
        self.assertRestored(INTERRUPTED)

    def test_refusals_erase_what_was_drawn(self):
        """At each question, every refused answer leaves the screen its first refusal left, which kept every row above
        the question's own; then the same answers from a FIFO, not echoed, leave the same screens."""
        for columns in WIDTHS:
            with self.subTest(columns=columns):
                self.check_refusals_erase_what_was_drawn(columns)

    def check_refusals_erase_what_was_drawn(self, columns):
        if columns != WIDTHS[0]:
            self.resize(81)
            self.start()
        self.resize(columns)
        self.tmux("send-keys", "-t", "0", *SPLASH_KEY)
        screens = []
        for prompt, mark, answers in QUESTIONS:
            self.wait_for(prompt)
            asked = self.screen().split("\n")
            self.answer(REFUSED[0], at=prompt)
            self.wait_until(lambda: self.cursor_row().endswith(prompt) and self.screen().split("\n") != asked, "a refusal")
            screens.append(self.screen())
            self.assertEqual(screens[-1].split("\n")[:len(asked) - 1], asked[:-1])
            self.assertEqual(self.colour_of(mark), RED)
            for refused in REFUSED[1:]:
                self.answer(refused, at=prompt)
                self.wait_until(lambda: self.screen() == screens[-1], f"the screen of the first refusal after {refused!r}")
            self.answer(*answers, at=prompt)
        self.wait_for(PAUSE)
        screens.append(self.screen())
        self.keys("C-c")
        os.mkfifo(self.folder / f"answers{columns}")
        self.start(after=f" < answers{columns}", until=None)
        steps = [[""]] + [[answer[-1] if isinstance(answer, tuple) else answer for answer in answers]
                          for _, _, answers in QUESTIONS]
        with open(self.folder / f"answers{columns}", "w") as fifo:
            for number, (lines, screen) in enumerate(zip(steps, screens)):
                fifo.write("\n".join(lines + (REFUSED if number < len(QUESTIONS) else [])) + "\n")
                fifo.flush()
                self.wait_until(lambda: self.screen() == screen, f"the screen typed, step {number}")
        self.wait_for("$")

    def test_signals_keep_the_export_and_restore_the_terminal(self):
        """In an exported listing on screen: the file keeps the information block and the subnets shown, whole lines;
        the terminal is as before and the status tells the signal. A SIGHUP ignored by the shell stays ignored."""
        for number, (before, sent, key, status, kept) in enumerate(SIGNALS):
            with self.subTest(before=before, sent=sent, key=key):
                if number > 0:
                    self.start(before=before)
                self.keys(*SPLASH_KEY, at=SPLASH)
                for prompt, _, answers in QUESTIONS:
                    self.answer(*answers, at=prompt)
                for subnet in range(2, kept + 1):
                    self.keys("x")
                    self.wait_until(lambda: f"Sub Network {subnet}/16" in self.screen()
                                    and self.cursor_row().endswith(PAUSE), f"subnet {subnet}")
                    if subnet == 2 and sent:
                        os.kill(self.program_id(), sent)
                if key:
                    self.keys(key)
                self.assertRestored(status)
                if kept:
                    self.assertEqual((self.folder / "Result_1.txt").read_text(),
                                     EXPORTED[:EXPORTED.index(f"\nSub Network {kept + 1}/16")])

    @POSIX_ONLY
    def test_ctrl_z_stops_with_the_terminal_as_before_and_fg_goes_on(self):
        self.keys(*SPLASH_KEY, at=SPLASH)
        self.answer("1", "3", "9", "N", ("decimal form:", "192.168.1.1"), until=PAUSE)
        self.keys("C-z")
        self.assertRestored(148, last=True)
        self.answer("fg", at="$")
        self.wait_until(lambda: "-icanon" in self.pane_settings(), "the program's raw input back after fg")
        self.keys("Up", at="")  # the default prefix's pause, then the listing's, before the stop
        self.wait_until(lambda: "Sub Network 1/1" in self.screen() and self.cursor_row().endswith(PAUSE), "the listing")
        program = self.program_id()  # stopped from outside, the shell takes the terminal, so the continued
        os.kill(program, signal.SIGSTOP)  # program waits in the background to take it back
        self.wait_until(lambda: "Stopped" in self.screen() and self.state(program) == "T", "the stop")
        os.kill(program, signal.SIGCONT)
        self.wait_until(lambda: self.state(program) == "T", "a stop in the background")
        self.tmux("send-keys", "-t", "0", "fg", "Enter")  # the stop left the terminal as the program had it
        self.wait_until(lambda: self.state(program) != "T", "the program going on in the foreground")
        self.keys("x", at="", until=CLOSING)  # one key, one pause: nothing typed at the closing prompt

    @POSIX_ONLY
    def test_started_in_the_background_under_bash_takes_the_terminal_at_fg(self):
        """The modes kept to restore are bash's own, not those of its line editor around a background start."""
        self.keys("C-c", at=SPLASH)
        self.answer("exec bash --norc --noprofile", at="$", until="$")
        self.start(after=" &", until="$")
        self.answer("fg", at="$", until=SPLASH)
        self.keys(*SPLASH_KEY, at=SPLASH, until="Input:")
        self.answer("1", until="Input:")  # echoed, and taken by Enter
        self.keys("C-c", at="Input:")
        self.assertRestored(INTERRUPTED)

    @POSIX_ONLY
    def test_a_resize_has_rows_counted_at_the_new_width(self):
        """Narrowed 81 -> 40 or widened 40 -> 81 at the range question with the cursor inside a refused answer over
        rows, the refusal and the answer erase exactly their rows: the screen ends as one drawn at the new width from
        the start (the terminal reflows)."""
        screens = {}
        for first, then in (81, 40), (40, 40), (40, 81), (81, 81):
            if screens:
                self.resize(81)
                self.start()
            self.resize(first)
            self.tmux("send-keys", "-t", "0", *SPLASH_KEY)
            self.answer("1", "4", "9", "N", ("form:", "192.168.1.77"), ("Insert Prefix:", "26"), until="Input: _ _")
            self.tmux("send-keys", "-t", "0", "-l", "x" * 200)
            self.tmux("send-keys", "-t", "0", "-N", "150", "Left")
            self.wait_until(lambda: self.tmux("display", "-p", "-t", "0", "#{cursor_x}").strip() == str(57 % first),
                            "the cursor 150 places back")
            self.resize(then)
            self.tmux("send-keys", "-t", "0", "Enter")
            self.answer("0 0", at="Input: _ _", until=PAUSE)
            screens[first, then] = self.screen().split("\n")
            self.keys("C-c", until="$")  # ended before the window changes again
        for first, then in (81, 40), (40, 81):
            rows = min(len(screens[first, then]), len(screens[then, then]))
            self.assertEqual(screens[first, then][-rows:], screens[then, then][-rows:])

    def test_vlsm_dialogs_vanish_colours_and_end_of_input(self):
        self.keys(*ESCAPE_ALONE, at=SPLASH)
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
