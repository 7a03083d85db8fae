#!/usr/bin/env python3
# ways_out.py -- every way out keeps the export to whole lines and ends as a script expects: a signal while standard
# output or the export file takes nothing, a reader gone, a refused output, two runs in one folder; a save that fails
# (a full disk, a file size limit, a file this user may not write) leaves what had the name as it was.
# Usage: ways_out.py PATH/subnetter
import os
import pwd
import resource
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
from dataclasses import dataclass
from pathlib import Path

PROGRAM = Path(sys.argv[1]).resolve()
PATIENCE = 2  # seconds the program may take to end after a signal
# A listing of 10.0.0.1/22 shown and exported; its export is the quick export's.
LISTED = b"\n1 4 9 Y N\n10.0.0.1\n22\n0 0\n" + b"\n" * 20000 + b"2\n\n"
QUICK = b"\n1 4 9 Y Y\n10.0.0.1\n22\n2\n\n"
REFUSED = "subnetter: writing to standard output failed: "
SAVED, KEPT = b"Results saved sucessfully to file 'Result_1.txt'", b"The earlier file 'Result_1.txt' was kept as it was."
NOT_SAVED, NOT_EXPORTED = "Results could not be saved to file 'Result_1.txt': ", "Results can not be exported to file"
EARLIER = b"an earlier report\n"
# 192.168.1.1 with the default prefix exported and shown, and as a quick export, which is shown once its file is lost.
EXPORTED, QUICK_C = b"1\n3\n9\nY\nN\n192.168.1.1\n\n\n", b"1\n3\n9\nY\nY\n192.168.1.1\n\n\n"
SECOND_SAVED = b"Results saved sucessfully to file 'Result_2.txt'...\n"
failures = []


def mount_small_disk(folder, size="1M"):
    return subprocess.run(["mount", "-t", "tmpfs", "-o", f"size={size}", "tmpfs", folder], stderr=subprocess.DEVNULL)


# A full disk is a tmpfs of 1 MiB where this user may mount one (as CI may), else a file size limit; both fail a save.
with tempfile.TemporaryDirectory() as probe:
    SMALL_DISK = mount_small_disk(probe, "1k").returncode == 0 and subprocess.run(["umount", probe]).returncode == 0
FULL = "No space left on device" if SMALL_DISK else "File too large"
# A user who may not write a read-only file: this one, or nobody when this one is root, who runs a copy of the
# program in a folder open to all, as the program's own folder may be closed to others.
AS_NOBODY = {}
if os.geteuid() == 0 and "nobody" in (entry.pw_name for entry in pwd.getpwall()):
    OPEN_TO_ALL = tempfile.TemporaryDirectory()
    os.chmod(OPEN_TO_ALL.name, 0o755)
    AS_NOBODY = {"user": "nobody", "group": pwd.getpwnam("nobody").pw_gid, "extra_groups": [],
                 "executable": shutil.copy(PROGRAM, OPEN_TO_ALL.name)}
OTHER_USER = os.geteuid() != 0 or AS_NOBODY


# A pipe nobody reads: the program's writes wait once it is full.
def stalled_pipe(folder):
    reader, writer = os.pipe()
    return writer, lambda: os.close(reader)


# `| head -c COUNT`: a reader that takes COUNT bytes, then goes.
def head_pipe(count):
    def make(folder):
        reader, writer = os.pipe()
        def read_then_go():
            with os.fdopen(reader, "rb") as pipe:
                pipe.read(count)
        thread = threading.Thread(target=read_then_go)
        thread.start()
        return writer, thread.join
    return make


def to_file(name):
    def make(folder):
        return os.open(folder / name, os.O_WRONLY | os.O_CREAT | os.O_TRUNC), lambda: None
    return make


# Result_1.txt a FIFO: without a reader the program waits in its open; a reader that takes nothing lets it wait in its
# writes. What the reader gets is read once the program has ended.
def fifo_export(folder, reader):
    os.mkfifo(folder / "Result_1.txt")
    if not reader:
        return lambda: b""
    fifo = os.open(folder / "Result_1.txt", os.O_RDONLY | os.O_NONBLOCK)
    def rest():
        os.set_blocking(fifo, True)
        with os.fdopen(fifo, "rb") as pipe:
            return pipe.read()
    return rest


def regular_export(folder):
    return lambda: (folder / "Result_1.txt").read_bytes() if (folder / "Result_1.txt").is_file() else b""


def earlier_file(folder):
    (folder / "Result_1.txt").write_bytes(EARLIER)


def link_to(target):
    return lambda folder: (folder / "Result_1.txt").symlink_to(target)


# Result_1.txt a link to kept/report.txt, an earlier file; or, dangling, a chain of links: to k, a name one letter
# long, to next.txt in kept/, to report.txt there.
def link_into_folder(with_file):
    def make(folder):
        (folder / "kept").mkdir()
        if with_file:
            (folder / "kept" / "report.txt").write_bytes(EARLIER)
        else:
            (folder / "kept" / "next.txt").symlink_to("report.txt")
            (folder / "k").symlink_to("kept/next.txt")
        link_to("kept/report.txt" if with_file else "k")(folder)
    return make


SCREEN = to_file("screen")


@dataclass
class Case:
    name: str
    answers: bytes
    status: int  # the exit status, or minus the signal that ended the program
    output: object = SCREEN  # makes (descriptor, what to do once the program has ended) in the folder
    sent: int = 0  # the signal sent after a second
    export: str = ""  # "fifo" without reader, "fifo read" by a reader that takes nothing; else a regular file
    ignore_pipe: bool = False
    size_limit: int = 0
    errors: str = ""  # standard error
    shown: tuple = ()  # on the screen
    least: int = 1  # bytes the export keeps at least
    full_disk: bool = False
    before: object = None  # puts what has the name before the run in the folder
    kept: bytes = None  # a failed save leaves Result_1.txt so (b"": none), and nothing is told saved
    read_only: str = ""  # "file" (Result_1.txt) or "folder" made read-only, for a user who is not root
    left: tuple = ()  # files the run leaves besides Result_1.txt and the screen


LIMIT = 2000 * 1024
FAILED = "subnetter: " + NOT_SAVED
DENIED = f"subnetter: {NOT_EXPORTED} 'Result_1.txt': Permission denied\n"
DEVICE_FULL, WHOLE = NOT_SAVED.encode() + b"No space left on device\n", 1 << 40  # least: the whole report
ON_FULL_DEVICE = {"before": link_to("/dev/full"), "kept": b"", "errors": "subnetter: " + DEVICE_FULL.decode()}
CASES = [
    Case("SIGTERM, output a full pipe", LISTED, -signal.SIGTERM, stalled_pipe, sent=signal.SIGTERM),
    Case("SIGINT, output a full pipe", LISTED, -signal.SIGINT, stalled_pipe, sent=signal.SIGINT),
    # The highest real-time signal, as this script's C library and the program's (glibc or musl) agree on it alone.
    *([Case("SIGRTMAX, output a full pipe", LISTED, -signal.SIGRTMAX, stalled_pipe, sent=signal.SIGRTMAX)]
      if hasattr(signal, "SIGRTMAX") and not os.environ.get("SUBNETTER_WITHOUT_REALTIME_SIGNALS") else []),
    Case("SIGTERM, export a FIFO without reader", QUICK, -signal.SIGTERM, sent=signal.SIGTERM, export="fifo", least=0),
    Case("SIGINT, export a FIFO nobody reads", QUICK, -signal.SIGINT, sent=signal.SIGINT, export="fifo read"),
    Case("reader gone, SIGPIPE at its default", LISTED, -signal.SIGPIPE, head_pipe(3000000), least=1000000),
    Case("reader gone, SIGPIPE ignored", LISTED, 1, head_pipe(3000000), ignore_pipe=True,
         errors=REFUSED + "Broken pipe\n", least=1000000),
    Case("full device", LISTED, 1, to_file("/dev/full"), errors=REFUSED + "No space left on device\n", least=0),
    Case("end of input in the listing", LISTED[:-20000], 0, shown=(SAVED,)),
    Case("earlier file replaced", QUICK, 0, before=earlier_file, least=WHOLE, shown=(SAVED,)),
    Case("link to a file", QUICK, 0, before=link_into_folder(True), least=WHOLE, left=("kept",)),
    Case("dangling link", QUICK, 0, before=link_into_folder(False), least=WHOLE, left=("k", "kept")),
    # Failed saves: the run goes on, and its status and standard error tell a script what the screen says.
    Case("file size limit", QUICK, 1, size_limit=LIMIT, errors=FAILED + "File too large\n", kept=b"",
         shown=(NOT_SAVED.encode() + b"File too large\n\n",)),
    Case("full disk, > /dev/null", QUICK, 1, to_file("/dev/null"), full_disk=True, errors=FAILED + FULL + "\n", kept=b""),
    Case("full disk, earlier file", QUICK, 1, full_disk=True, errors=FAILED + FULL + "\n", before=earlier_file,
         shown=(KEPT,), kept=EARLIER),
    Case("read-only earlier file", QUICK, 1, read_only="file", before=earlier_file, kept=EARLIER, errors=DENIED,
         shown=(NOT_EXPORTED.encode(),)),
    Case("read-only folder", QUICK, 1, to_file("/dev/null"), read_only="folder", kept=b"", errors=DENIED),
    Case("name taken by a folder", b"\n" + QUICK_C + b"1\n" + EXPORTED + b"2\n\n", 1,
         before=lambda folder: (folder / "Result_1.txt").mkdir(), kept=b"", left=("Result_2.txt",),
         errors=f"subnetter: {NOT_EXPORTED} 'Result_1.txt': Is a directory\n",
         shown=(b"Is a directory\n" + b"_" * 79 + b"\n" + b" " * 29 + b"<< IPv4 INFORMATIONS >>\n", SECOND_SAVED)),
    Case("full device, then a second export", b"\n" + EXPORTED + b"1\n\n" + EXPORTED + b"2\n\n", 1,
         left=("Result_2.txt",), shown=(DEVICE_FULL, SECOND_SAVED), **ON_FULL_DEVICE),
    Case("full device, class A quick export", b"\n1\n4\n9\nY\nY\n10.0.0.1\n30\n2\n\n", 1, shown=(DEVICE_FULL,),
         **ON_FULL_DEVICE),
    Case("full device, end of input", b"\n" + EXPORTED, 1, shown=(b"\n" + DEVICE_FULL,), **ON_FULL_DEVICE),
]


def limit_file_size(size):
    return lambda: resource.setrlimit(resource.RLIMIT_FSIZE, (size, size))


# Mounts the small disk on the folder and puts the earlier file in it; returns what the run needs for them.
def prepare(folder, case):
    if case.full_disk and SMALL_DISK:
        mount_small_disk(folder).check_returncode()
    if case.before:
        case.before(folder)
    if case.read_only == "file":
        (folder / "Result_1.txt").chmod(0o444)
    if case.read_only:
        folder.chmod(0o777 if case.read_only == "file" else 0o555)
        if os.geteuid() == 0:
            return AS_NOBODY
    limit = case.size_limit or (LIMIT if case.full_disk and not SMALL_DISK else 0)
    return {"preexec_fn": limit_file_size(limit) if limit else None}


def run_case(case, whole):
    if case.read_only and not OTHER_USER:
        print(f"{case.name}: skipped, as root with no user nobody to run as")
        return
    if case.name.startswith("full device") and not os.path.exists("/dev/full"):
        print(f"{case.name}: skipped, as this system has no /dev/full")
        return
    with tempfile.TemporaryDirectory() as scratch:
        folder = Path(scratch)
        as_prepared = prepare(folder, case)
        link = (folder / "Result_1.txt").is_symlink()  # stays one
        exported = fifo_export(folder, case.export == "fifo read") if case.export else regular_export(folder)
        out, finish = case.output(folder)
        process = subprocess.Popen([PROGRAM], cwd=folder, stdin=subprocess.PIPE, stdout=out, stderr=subprocess.PIPE,
                                   restore_signals=not case.ignore_pipe, **as_prepared)
        os.close(out)
        feeder = threading.Thread(target=feed, args=(process, case.answers))
        feeder.start()
        if case.sent:
            time.sleep(1)
            process.send_signal(case.sent)
        try:
            process.wait(timeout=PATIENCE if case.sent else 60)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
            failures.append(f"{case.name}: still running" + (f" {PATIENCE} s after the signal" if case.sent else ""))
        finish()
        feeder.join()
        got = exported()
        screen = (folder / "screen").read_bytes() if (folder / "screen").exists() else b""
        problems = []
        if process.returncode != case.status:
            problems.append(f"status {process.returncode}, not {case.status}")
        if process.stderr.read().decode() != case.errors:
            problems.append("standard error differs")
        if case.kept is not None and (got != case.kept or SAVED in screen):
            problems.append(f"Result_1.txt of {len(got)} bytes is not the one there before, or told saved")
        if case.kept is None and (len(got) < min(case.least, len(whole)) or got and not got.endswith(b"\n")
                                  or not whole.startswith(got)):
            problems.append(f"export of {len(got)} bytes is not whole lines of the report")
        problems += [f"{text!r} not on the screen" for text in case.shown if text not in screen]
        left = sorted(path.name for path in folder.iterdir() if path.name not in ("Result_1.txt", "screen"))
        if left != list(case.left) or link != (folder / "Result_1.txt").is_symlink():
            problems.append(f"left {left}, Result_1.txt a link: {(folder / 'Result_1.txt').is_symlink()}")
        failures.extend(f"{case.name}: {problem}" for problem in problems)
        if case.full_disk and SMALL_DISK:
            subprocess.run(["umount", folder], check=True)


def feed(process, answers):
    try:
        process.stdin.write(answers)
        process.stdin.close()
    except BrokenPipeError:
        pass


def whole_report(answers):
    with tempfile.TemporaryDirectory() as scratch:
        subprocess.run([PROGRAM], cwd=scratch, input=answers, stdout=subprocess.DEVNULL, check=True)
        return (Path(scratch) / "Result_1.txt").read_bytes()


# A listing paged slowly and a quick export started meanwhile: Result_1.txt is one of the two whole reports.
def two_runs_in_one_folder():
    paged, quick = b"\n1 4 9 Y N\n192.168.1.77\n26\n0 0\n", b"\n1 4 9 Y Y\n192.168.2.1\n27\n2\n\n"
    reports = [whole_report(paged + b"\n" * 5 + b"2\n\n"), whole_report(quick)]
    with tempfile.TemporaryDirectory() as scratch:
        first = subprocess.Popen([PROGRAM], cwd=scratch, stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
        first.stdin.write(paged)
        first.stdin.flush()
        time.sleep(0.5)
        subprocess.run([PROGRAM], cwd=scratch, input=quick, stdout=subprocess.DEVNULL, check=True)
        for _ in range(5):
            first.stdin.write(b"\n")
            first.stdin.flush()
            time.sleep(0.1)
        first.communicate(b"2\n\n")
        files = sorted(path.name for path in Path(scratch).iterdir())
        if files != ["Result_1.txt"] or (Path(scratch) / "Result_1.txt").read_bytes() not in reports:
            failures.append(f"two runs in one folder: {files}, not one whole report")


whole = whole_report(QUICK)
for case in CASES:
    run_case(case, whole)
two_runs_in_one_folder()
print("\n".join(failures))
sys.exit(1 if failures else 0)
