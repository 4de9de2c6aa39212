#!/usr/bin/env python3
"""Measures navisift in a terminal beside bare curses programs doing the same.

    python3 bench/terminal_bench.py [--program build/bin/navisift] [--rounds 7]
                                    [--term xterm-256color]

It builds two bare peers from bench/peers with the system's C compiler against
ncursesw, in a temporary folder: a box the size of the splash with its one line
of text, and a field that echoes typed characters in the answer field's colours.
Each program runs in its own pseudo-terminal of 80 x 24; the rounds alternate
between navisift and its peer, and every figure is the median of the rounds.

What it prints, each with navisift's figure, the peer's and their ratio:
  - start to splash painted (--starts times a round): processor time (user and system, from the
    scheduler's own count in /proc/PID/schedstat) and wall time, from the fork
    to the last byte of the first frame. The first frame ends where the
    program's output has been quiet for --quiet milliseconds; the peer is
    judged the same way.
  - peak memory (VmHWM) with the About dialog open, against the bare box shown;
  - bytes sent to the terminal per typed character, and per Tab step, at
    Question 1 against the bare echo program;
  - processor time while idle at Question 1, and while the About clip plays,
    as a share of one core.

Needs python3, a C compiler and the ncursesw development files; run by hand,
not by the test suite.
"""

import argparse
import fcntl
import os
import select
import shutil
import signal
import statistics
import struct
import subprocess
import sys
import tempfile
import termios
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROWS, COLUMNS = 24, 80
ESC = b"\x1b"


def build_peers(folder):
    compiler = shutil.which("cc") or shutil.which("gcc") or shutil.which("clang")
    if compiler is None:
        sys.exit("terminal_bench: no C compiler found (cc, gcc or clang)")
    peers = {}
    for name in ("bare_box", "bare_echo"):
        output = os.path.join(folder, name)
        subprocess.run([compiler, "-O2", "-o", output,
                        os.path.join(HERE, "peers", name + ".c"), "-lncursesw"], check=True)
        peers[name] = output
    return peers


class PtyRun:
    """One program in a pseudo-terminal of 80 x 24, its output counted as it comes."""

    def __init__(self, argv, term, folder):
        self.started = time.monotonic()
        pid, fd = os.forkpty()
        if pid == 0:
            try:
                size = struct.pack("HHHH", ROWS, COLUMNS, 0, 0)
                fcntl.ioctl(0, termios.TIOCSWINSZ, size)
                os.chdir(folder)
                env = dict(os.environ, TERM=term, LANG="C.UTF-8", LC_ALL="C.UTF-8")
                env.pop("COLUMNS", None)
                env.pop("LINES", None)
                os.execvpe(argv[0], argv, env)
            finally:
                os._exit(127)
        self.pid = pid
        self.fd = fd
        self.output = bytearray()
        self.last_byte_at = self.started

    def pump(self, seconds, first_only=False):
        """Reads whatever arrives within the given time, or only the first chunk."""
        deadline = time.monotonic() + seconds
        while True:
            left = deadline - time.monotonic()
            if left <= 0:
                return
            ready, _, _ = select.select([self.fd], [], [], left)
            if not ready:
                return
            try:
                chunk = os.read(self.fd, 65536)
            except OSError:
                return
            if not chunk:
                return
            self.output += chunk
            self.last_byte_at = time.monotonic()
            if first_only:
                return

    def settle(self, quiet, limit=10.0):
        """Waits for output, then reads until it has been quiet for `quiet` seconds;
        returns how many bytes came."""
        before = len(self.output)
        give_up = time.monotonic() + limit
        while len(self.output) == before and time.monotonic() < give_up:
            self.pump(give_up - time.monotonic(), first_only=True)
        while time.monotonic() < give_up:
            mark = len(self.output)
            self.pump(quiet)
            if len(self.output) == mark:
                break
        return len(self.output) - before

    def send(self, data):
        os.write(self.fd, data)

    def processor_seconds(self):
        with open(f"/proc/{self.pid}/schedstat") as stat:
            return int(stat.read().split()[0]) / 1e9

    def peak_kilobytes(self):
        with open(f"/proc/{self.pid}/status") as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
        return 0

    def end(self):
        try:
            os.kill(self.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        self.pump(0.05)
        os.waitpid(self.pid, 0)
        os.close(self.fd)


def first_frame(run, quiet):
    """Processor and wall time until the first frame's last byte."""
    run.settle(quiet)
    if not run.output:
        sys.exit("terminal_bench: the program drew nothing; is it built?")
    return run.processor_seconds(), run.last_byte_at - run.started


def measure_start(argv, term, folder, quiet):
    run = PtyRun(argv, term, folder)
    cpu, wall = first_frame(run, quiet)
    run.end()
    return cpu, wall


def bytes_per_key(run, key, count, quiet):
    sizes = []
    for _ in range(count):
        run.send(key)
        sizes.append(run.settle(quiet, limit=2.0))
    return statistics.median(sizes)


def idle_share(run, seconds):
    before = run.processor_seconds()
    run.pump(seconds)
    return (run.processor_seconds() - before) / seconds


def navisift_at_question(program, term, folder, quiet):
    run = PtyRun([program], term, folder)
    run.settle(quiet)
    run.send(b"\r")  # the splash away
    run.settle(quiet)
    run.send(b"\r")  # Start
    run.settle(quiet)
    return run


def navisift_at_about(program, term, folder, quiet):
    run = PtyRun([program], term, folder)
    run.settle(quiet)
    run.send(b"\r")  # the splash away
    run.settle(quiet)
    run.send(ESC + b"a")  # Alt+A: About
    run.settle(quiet)
    return run


def round_of(program, peers, term, folder, args):
    """One round: each measurement taken of navisift, then at once of its peer."""
    figures = {}
    quiet = args.quiet / 1000
    key_quiet = args.key_quiet / 1000

    # Starts are short and the machine noisy: several of each, alternating.
    starts = [], []
    for _ in range(args.starts):
        starts[0].append(measure_start([program], term, folder, quiet))
        starts[1].append(measure_start([peers["bare_box"]], term, folder, quiet))
    figures["start"] = starts

    about = navisift_at_about(program, term, folder, quiet)
    about_peak = about.peak_kilobytes()
    about_idle = idle_share(about, args.idle)
    about.end()
    box = PtyRun([peers["bare_box"]], term, folder)
    box.settle(quiet)
    box_peak = box.peak_kilobytes()
    box_idle = idle_share(box, args.idle)
    box.end()
    figures["peak"] = (about_peak, box_peak)
    figures["clip idle"] = (about_idle, box_idle)

    question = navisift_at_question(program, term, folder, quiet)
    question_idle = idle_share(question, args.idle)
    typed = bytes_per_key(question, b"w", args.keys, key_quiet)
    tabbed = bytes_per_key(question, b"\t", args.keys, key_quiet)
    question.end()
    echo = PtyRun([peers["bare_echo"]], term, folder)
    echo.settle(quiet)
    echo_idle = idle_share(echo, args.idle)
    echo_typed = bytes_per_key(echo, b"w", args.keys, key_quiet)
    echo_tabbed = bytes_per_key(echo, b"\t", args.keys, key_quiet)
    echo.end()
    figures["question idle"] = (question_idle, echo_idle)
    figures["typed"] = (typed, echo_typed)
    figures["tab"] = (tabbed, echo_tabbed)
    return figures


def ratio(ours, theirs):
    if theirs == 0:
        return "   -  " if ours == 0 else "  inf "
    return f"{ours / theirs:5.2f}x"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", default=os.path.join(HERE, "..", "build", "bin", "navisift"))
    parser.add_argument("--rounds", type=int, default=7)
    parser.add_argument("--term", default="xterm-256color")
    parser.add_argument("--starts", type=int, default=5, help="starts of each program per round")
    parser.add_argument("--keys", type=int, default=15, help="keys typed per round")
    parser.add_argument("--idle", type=float, default=4.0, help="seconds of each idle sample")
    parser.add_argument("--quiet", type=float, default=300,
                        help="milliseconds of silence that end a frame")
    parser.add_argument("--key-quiet", type=float, default=80,
                        help="milliseconds of silence that end a key's output")
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    if not os.access(program, os.X_OK):
        sys.exit(f"terminal_bench: {program} is not built")

    with tempfile.TemporaryDirectory(prefix="navisift-bench-") as folder:
        peers = build_peers(folder)
        work = os.path.join(folder, "work")
        os.mkdir(work)
        rounds = []
        for number in range(args.rounds):
            rounds.append(round_of(program, peers, args.term, work, args))
            print(f"round {number + 1} of {args.rounds} done", file=sys.stderr)

    def median(key, part, index=None):
        if key == "start":
            return statistics.median(start[index] for r in rounds for start in r[key][part])
        values = [r[key][part] if index is None else r[key][part][index] for r in rounds]
        return statistics.median(values)

    load = os.getloadavg()
    print(f"navisift beside bare curses programs, TERM={args.term}, 80 x 24, "
          f"{args.rounds} rounds, medians; load average {load[0]:.2f} {load[1]:.2f} {load[2]:.2f}")
    print(f"{'figure':<34}{'navisift':>12}{'bare':>12}{'ratio':>9}  peer")

    def line(name, key, unit, scale, digits, peer, index=None):
        ours, theirs = median(key, 0, index), median(key, 1, index)
        print(f"{name:<34}{ours * scale:>10.{digits}f}{unit:<2}{theirs * scale:>10.{digits}f}"
              f"{unit:<2}{ratio(ours, theirs):>9}  {peer}")

    line("start to splash painted, CPU", "start", "ms", 1000, 2, "box", 0)
    line("start to splash painted, wall", "start", "ms", 1000, 2, "box", 1)
    line("peak memory at About", "peak", "kB", 1, 0, "box shown")
    line("bytes per typed character", "typed", "B", 1, 0, "echo")
    line("bytes per Tab step", "tab", "B", 1, 0, "echo")
    line("idle CPU at Question 1", "question idle", "%", 100, 3, "echo")
    line("idle CPU while the clip plays", "clip idle", "%", 100, 3, "box shown")


if __name__ == "__main__":
    main()
