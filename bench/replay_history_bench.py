#!/usr/bin/env python3
"""Speed and memory of vspace-replay on long and heavy sessions, for one or more builds.

    bench/replay_history_bench.py [--runs N] [--timeout SECONDS] [--only NAME]... [--keep]
                                  COMMAND [COMMAND...]

Each COMMAND is a replay command as one quoted string, optionally labelled LABEL=COMMAND:

    bench/replay_history_bench.py build/tools/vspace-replay \\
        old=/work/old/bf23a29/build/tools/vspace-replay "web=node build-web/vspace-replay.js"

The sessions are generated (the same bytes every time) into a temporary folder:

  presses-100k       100,000 presses of short teaching runs, a Clear every 50th press, as
                     bench/engine_bench.cpp's teachingSession() makes them; played with the
                     report printed and with --quiet
  huge-values        60 times a Positive of six values of 174,000 bytes each, then a Clear
                     (about 62 MB); played with the report printed
  undo-across-clear  32,001 distinct examples, a Clear, then 1,000 times Undo and Redo; played
                     with --quiet, and so is the same session without the Undo and Redo lines;
                     the difference divided by 2,000 is the time of one undo or redo

Every command plays every session --runs times (default 5), each run bounded by --timeout seconds
(default 120), with its output sent to /dev/null and --export-dir in the temporary folder. One
line is printed per session and command as soon as it is measured: the median wall time and the
median peak resident set size (ru_maxrss of the process, from os.wait4, in MB of 1024 KiB), each
with its least and greatest value. A child's ru_maxrss is never below the peak of the process
that started it, so the sessions are written line by line and this process's own peak is reset
before each run (where Linux allows it); its RSS, printed at the top, is the least figure a run
can show, and a peak no greater than it is shown as "<=" it. A run that fails or outlasts the timeout is said so on its line,
after the figures of the runs before it, and the command is not run again on that session. The figures are printed, never judged: the exit
status is 0 whatever they are (2 for a usage error).
"""

import argparse
import os
import re
import shlex
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

# ---------------------------------------------------------------------------------------------
# Sessions


def _line(obj_fields, press):
    """One JSON Lines row; the values are plain ASCII with no quote or backslash."""
    if obj_fields is None:
        return '{"press":"%s"}\n' % press
    key, values = obj_fields
    return '{"%s":[%s],"press":"%s"}\n' % (key, ",".join('"%s"' % v for v in values), press)


def teaching_session(presses):
    """Short teaching runs of 49 presses and a Clear, drawn from a hidden conjunctive concept:
    the same generator and values as teachingSession() in bench/engine_bench.cpp, so the same
    bytes."""
    values = [["Sunny", "Cloudy", "Rainy"], ["Warm", "Cold", "Mild"],
              ["Normal", "High", "Low"], ["Strong", "Weak", "Calm"],
              ["Warm", "Cool", "Hot"], ["Same", "Change", "Other"]]
    seed = 12345

    def next_value():
        nonlocal seed
        seed = (seed * 1103515245 + 12345) & 0xFFFFFFFF
        return seed >> 16

    for press in range(presses):
        if press % 50 == 49:
            yield '{"press":"Clear"}\n'
            continue
        fields = []
        positive = True
        for a in range(6):
            v = next_value() % 3
            if a in (0, 1) and v != 0:
                positive = False
            fields.append(values[a][v])
        first = press % 50 == 0
        if first:  # every run starts with a positive example
            fields = ["Sunny", "Warm", "Normal", "Strong", "Warm", "Same"]
            positive = True
        predict = (not first) and next_value() % 5 == 0
        yield _line(("Text2" if predict else "Text1", fields),
                    "Predict" if predict else "Positive" if positive else "Negative")


def huge_values_session(examples=60, value_bytes=174000):
    """Positives of six long values, each different from every other, each followed by a Clear.
    A line stays under the reader's limit of 1 MiB."""
    for press in range(examples):
        prefix = str(press)
        fields = [prefix + letter * (value_bytes - len(prefix)) for letter in "abcdef"]
        yield _line(("Text1", fields), "Positive")
        yield _line(None, "Clear")


def learnt_examples(count=32001):
    """`count` distinct examples of the concept "the first attribute is a1v0": the first two
    positive (so that S leaves only the first attribute and every later example is learnt), then
    positive or negative from a fixed-seed generator. Every value but a positive's first is
    a<attribute>v<index>, so no two examples are alike and neither G nor the version space ever
    grows past a row or two."""
    seed = 2026
    for i in range(count):
        seed = (seed * 1103515245 + 12345) & 0xFFFFFFFF
        positive = i < 2 or (seed >> 16) % 2 == 0
        fields = ["a%dv%d" % (a, i) for a in range(1, 7)]
        if positive:
            fields[0] = "a1v0"
        yield _line(("Text1", fields), "Positive" if positive else "Negative")


def learnt_then_cleared():
    yield from learnt_examples()
    yield '{"press":"Clear"}\n'


def undo_across_clear_session(rounds=1000):
    yield from learnt_then_cleared()
    for _ in range(rounds):
        yield '{"press":"Undo"}\n'
        yield '{"press":"Redo"}\n'


def reset_peak_rss():
    """Sets this process's peak RSS back to its current RSS where Linux allows it. A child
    started with vfork (as subprocess does) reports at least the high-water mark of its parent's
    memory as its own ru_maxrss, so the parent's peak is kept low before each run."""
    try:
        with open("/proc/self/clear_refs", "w") as f:
            f.write("5")
    except OSError:
        pass


def own_rss_kib():
    try:
        with open("/proc/self/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return None


# ---------------------------------------------------------------------------------------------
# Measuring


class Run:
    def __init__(self, seconds, peak_kib, floor_kib, status, timed_out, error):
        self.seconds = seconds
        self.peak_kib = peak_kib
        self.floor_kib = floor_kib  # this process's RSS as the run started: the least peak seen
        self.status = status
        self.timed_out = timed_out
        self.error = error


# GNU time, where installed, reports the peak of the command it runs; it is small, so the figure
# is the command's own down to a megabyte or two.
GNU_TIME = "/usr/bin/time" if os.access("/usr/bin/time", os.X_OK) else None


def run_once(argv, timeout, err_path):
    """Runs argv once with its output to /dev/null; returns a Run with the wall time and the
    child's peak RSS from GNU time, or else from wait4."""
    peak_path = err_path + ".peak"
    if GNU_TIME:
        argv = [GNU_TIME, "-f", "%M", "-o", peak_path] + list(argv)
    with open(os.devnull, "wb") as devnull, open(err_path, "wb") as err:
        reset_peak_rss()
        floor_kib = 0 if GNU_TIME else own_rss_kib() or 0
        start = time.perf_counter()
        proc = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=devnull, stderr=err,
                                start_new_session=True)
        timed_out = threading.Event()

        def kill():
            timed_out.set()
            try:
                os.killpg(proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass

        timer = threading.Timer(timeout, kill)
        timer.start()
        try:
            while True:
                try:
                    _, status, usage = os.wait4(proc.pid, 0)
                    break
                except InterruptedError:
                    continue
        finally:
            timer.cancel()
        seconds = time.perf_counter() - start
        proc.returncode = os.waitstatus_to_exitcode(status)  # reaped here, not by Popen
    error = ""
    if proc.returncode != 0 and not timed_out.is_set():
        with open(err_path, "rb") as f:
            text = f.read(4096).decode("utf-8", "replace").strip().splitlines()
        error = text[0][:160] if text else ""
    peak_kib = usage.ru_maxrss
    if GNU_TIME:
        try:
            with open(peak_path) as f:
                peak_kib = int(f.read().split()[-1])
        except (OSError, ValueError, IndexError):
            pass
    return Run(seconds, peak_kib, floor_kib, proc.returncode, timed_out.is_set(), error)


def measure(argv, runs, timeout, err_path):
    """Up to `runs` runs; stops at the first that fails or times out. Returns (runs, failure)."""
    done = []
    for _ in range(runs):
        r = run_once(argv, timeout, err_path)
        if r.timed_out:
            return done, "timed out after %g s" % timeout
        if r.status != 0:
            how = ("killed by signal %d" % -r.status) if r.status < 0 else "exit %d" % r.status
            return done, how + (": " + r.error if r.error else "")
        done.append(r)
    return done, None


def mb(kib):
    return kib / 1024.0


def describe(done):
    t = [r.seconds for r in done]
    m = [mb(r.peak_kib) for r in done]
    # A peak that is no more than the floor (give or take the parent's few pages) is the
    # parent's, not the command's: the command's own is at most that.
    at_floor = max(m) <= mb(max(r.floor_kib for r in done)) * 1.01
    return ("%9.3f s (%.3f-%.3f)  %s%7.1f MB (%.1f-%.1f)%s"
            % (statistics.median(t), min(t), max(t), "<=" if at_floor else "  ",
               statistics.median(m), min(m), max(m),
               "  at this process's own RSS" if at_floor else ""))


# ---------------------------------------------------------------------------------------------
# Command line

SESSIONS = ["presses-100k", "huge-values", "undo-across-clear"]


def parse_command(text):
    match = re.match(r"^([A-Za-z0-9_.+-]+)=(.+)$", text, re.S)
    if match and "/" not in match.group(1):
        label, command = match.group(1), match.group(2)
    else:
        label, command = text, text
    argv = shlex.split(command)
    if not argv:
        raise ValueError("an empty command")
    return label, argv


def main():
    parser = argparse.ArgumentParser(
        description=__doc__.split("\n\n")[0],
        epilog="sessions: " + ", ".join(SESSIONS),
        formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("commands", nargs="+", metavar="COMMAND",
                        help='a replay command, e.g. "build/tools/vspace-replay" or '
                             '"web=node build-web/vspace-replay.js"')
    parser.add_argument("--runs", type=int, default=5, help="runs of each (default 5)")
    parser.add_argument("--timeout", type=float, default=120.0,
                        help="seconds a run may take (default 120)")
    parser.add_argument("--only", action="append", choices=SESSIONS, metavar="NAME",
                        help="play only this session (may be given again); one of "
                             + ", ".join(SESSIONS))
    parser.add_argument("--keep", action="store_true",
                        help="keep the temporary folder and say where it is")
    args = parser.parse_args()
    if args.runs < 1:
        parser.error("--runs needs at least 1")
    if args.timeout <= 0:
        parser.error("--timeout needs a positive number of seconds")
    try:
        commands = [parse_command(c) for c in args.commands]
    except ValueError as e:
        parser.error(str(e))
    chosen = [s for s in SESSIONS if not args.only or s in args.only]

    folder = tempfile.mkdtemp(prefix="vspace-replay-bench-")
    export = os.path.join(folder, "export")
    os.mkdir(export)
    err_path = os.path.join(folder, "stderr.txt")
    try:
        files = {}

        def write(name, lines):
            # Line by line, so that this process never holds a whole session (see
            # reset_peak_rss).
            path = os.path.join(folder, name + ".jsonl")
            count = 0
            with open(path, "w", encoding="ascii", newline="\n") as f:
                for line in lines:
                    f.write(line)
                    count += 1
            files[name] = path
            print("# %-32s %8d lines %12d bytes" % (name, count, os.path.getsize(path)),
                  flush=True)

        if "presses-100k" in chosen:
            write("presses-100k", teaching_session(100000))
        if "huge-values" in chosen:
            write("huge-values", huge_values_session())
        if "undo-across-clear" in chosen:
            write("undo-across-clear", undo_across_clear_session())
            write("undo-across-clear-no-history", learnt_then_cleared())

        # (row name, session file, options)
        rows = []
        if "presses-100k" in chosen:
            rows.append(("presses-100k", "presses-100k", []))
            rows.append(("presses-100k --quiet", "presses-100k", ["--quiet"]))
        if "huge-values" in chosen:
            rows.append(("huge-values", "huge-values", []))
        if "undo-across-clear" in chosen:
            rows.append(("undo-across-clear --quiet", "undo-across-clear", ["--quiet"]))
            rows.append(("...-no-history --quiet", "undo-across-clear-no-history", ["--quiet"]))

        width = max(len(label) for label, _ in commands)
        print("# %d runs each, timeout %g s; median wall time (least-greatest), "
              "median peak RSS (least-greatest), MB = 1024 KiB" % (args.runs, args.timeout))
        floor = own_rss_kib()
        if floor is not None:
            print("# a peak below this process's own RSS, %.1f MB, shows as that" % mb(floor))
        for label, argv in commands:
            print("# %-*s  %s" % (width, label, shlex.join(argv)))
        print(flush=True)

        medians = {}
        for row, session, options in rows:
            for label, argv in commands:
                full = argv + options + ["--export-dir", export, files[session]]
                done, failure = measure(full, args.runs, args.timeout, err_path)
                figures = describe(done) if done else ""
                if done:
                    medians[(session, label)] = (statistics.median(r.seconds for r in done),
                                                 len(done))
                if failure:
                    figures += ("  " if done else "") + "FAILED (run %d of %d): %s" % (
                            len(done) + 1, args.runs, failure)
                print("%-28s %-*s %s" % (row, width, label, figures), flush=True)
            if session == "undo-across-clear-no-history":
                for label, _ in commands:
                    a = medians.get(("undo-across-clear", label))
                    b = medians.get(("undo-across-clear-no-history", label))
                    if a is None or b is None:
                        each = "not measured"
                    else:
                        each = "%.3f ms" % ((a[0] - b[0]) / 2000 * 1000)
                        if min(a[1], b[1]) < args.runs:
                            each += " (from %d and %d runs)" % (a[1], b[1])
                    print("%-28s %-*s %s" % ("per undo or redo", width, label, each),
                          flush=True)
    finally:
        if args.keep:
            print("# sessions kept in " + folder)
        else:
            shutil.rmtree(folder, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
