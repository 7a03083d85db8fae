#!/usr/bin/env python3
"""screenshot.py -- the README's picture: the typical calculation run in tmux, its last screen turned into SVG.

Usage: screenshot.py PATH/subnetter OUTPUT.svg
In an 81x60 tmux window the program gets Enter at the splash, 1 4 9 N at the
menu, 192.168.1.77, prefix 26 and 0 0 for every subnet, and a key at each
pause; the screen at the closing prompt is captured with its colours
(capture-pane -e) and drawn as text in an SVG, one column per character.
"""
import html
import os
import re
import subprocess
import sys
import tempfile
import time

PROGRAM, OUTPUT = os.path.abspath(sys.argv[1]), sys.argv[2]
COLUMNS, ROWS = 81, 60
SOCKET = f"subnetter-screenshot-{os.getpid()}"
# (prompt the cursor's row ends with, what is typed there); None types nothing but Enter.
STEPS = [("PROGRAM:", None)] + [("Input:", answer) for answer in ("1", "4", "9", "N")] + [
    ("form:", "192.168.1.77"), ("Prefix:", "26"), ("Input: _ _", "0 0")] + [
    ("continue . . .", None)] * 4
LAST_PROMPT = "to RESET:"

# The colours a terminal of the Tango kind shows for the codes the program sends.
PALETTE = {"30": "#2e3436", "31": "#cc0000", "32": "#4e9a06", "33": "#c4a000", "34": "#3465a4",
           "35": "#75507b", "36": "#06989a", "37": "#d3d7cf", "90": "#555753", "91": "#ef2929",
           "92": "#8ae234", "93": "#fce94f", "94": "#729fcf", "95": "#ad7fa8", "96": "#34e2e2",
           "97": "#eeeeec"}
# The program asks for a black background (40) and draws on nothing else.
DEFAULT, BACKGROUND = PALETTE["37"], "#000000"
CELL_WIDTH, ROW_HEIGHT, FONT_SIZE, MARGIN = 8.4, 17, 14, 10
SGR = re.compile(r"\x1b\[([0-9;]*)m")


def tmux(*args):
    return subprocess.run(["tmux", "-L", SOCKET, *args], check=True, capture_output=True, text=True).stdout


def cursor_row():
    rows = tmux("capture-pane", "-p", "-t", "0").split("\n")
    return rows[int(tmux("display", "-p", "-t", "0", "#{cursor_y}"))].rstrip()


def wait_for(prompt):
    deadline = time.monotonic() + 20
    while not cursor_row().endswith(prompt):
        if time.monotonic() > deadline:
            sys.exit(f"screenshot.py: waited in vain for {prompt!r}:\n" + tmux("capture-pane", "-p", "-t", "0"))
        time.sleep(0.05)


def capture_session(folder):
    tmux("-f", "/dev/null", "new-session", "-d", "-x", str(COLUMNS), "-y", str(ROWS), "-c", folder, PROGRAM)
    for prompt, text in STEPS:
        wait_for(prompt)
        if text:
            tmux("send-keys", "-t", "0", "-l", text)
        tmux("send-keys", "-t", "0", "Enter")
    wait_for(LAST_PROMPT)
    return tmux("capture-pane", "-p", "-e", "-t", "0")


def runs_of(row, colour):
    """The row cut into (column, text, colour) runs, and the colour in force at its end: tmux writes
    a colour code only where the colour changes, so a row goes on in the colour the last one ended in."""
    pieces = SGR.split(row)
    column, runs = 0, []
    for index, piece in enumerate(pieces):
        if index % 2:
            for code in piece.split(";"):
                colour = DEFAULT if code in ("", "0", "39") else PALETTE.get(code, colour)
            continue
        if piece.strip():
            runs.append((column, piece, colour))
        column += len(piece)
    return runs, colour


def svg_of(screen):
    rows = screen.rstrip("\n").split("\n")
    while rows and not SGR.sub("", rows[-1]).strip():
        rows.pop()
    width, height = 2 * MARGIN + COLUMNS * CELL_WIDTH, 2 * MARGIN + len(rows) * ROW_HEIGHT
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{width:.0f}" height="{height}" '
           f'viewBox="0 0 {width:.0f} {height}" font-family="DejaVu Sans Mono, Menlo, Consolas, monospace" '
           f'font-size="{FONT_SIZE}">',
           f'<rect width="100%" height="100%" fill="{BACKGROUND}"/>']
    colour = DEFAULT
    for number, row in enumerate(rows):
        y = MARGIN + (number + 1) * ROW_HEIGHT - 4
        runs, colour = runs_of(row, colour)
        for column, text, colour_of_run in runs:
            x = MARGIN + column * CELL_WIDTH
            out.append(f'<text x="{x:.1f}" y="{y}" fill="{colour_of_run}" xml:space="preserve" '
                       f'textLength="{len(text) * CELL_WIDTH:.1f}">{html.escape(text)}</text>')
    out.append("</svg>")
    return "\n".join(out) + "\n"


with tempfile.TemporaryDirectory() as folder:
    try:
        screen = capture_session(folder)
    finally:
        socket = tmux("display", "-p", "#{socket_path}").strip()
        subprocess.run(["tmux", "-L", SOCKET, "kill-server"], capture_output=True)
        os.remove(socket)  # the server leaves it behind
with open(OUTPUT, "w") as svg:
    svg.write(svg_of(screen))
