#!/usr/bin/env python3
"""Runs one command and prints its user and system CPU seconds, peak RSS in
KB and wall seconds on one line: "USER SYS MAXRSS_KB WALL".

Usage: measure.py OUT -- COMMAND [ARG...]

The figures are the kernel's resource usage of the finished process (wait4),
the source /usr/bin/time reads too, but kept at microseconds rather than
/usr/bin/time's hundredths of a second, which are too coarse for runs of a
few tens of milliseconds. The command's standard output and error pass
through; the exit status is the command's.
"""
import os
import sys
import time


def main(argv):
    if len(argv) < 4 or argv[2] != "--":
        sys.stderr.write(__doc__)
        return 2
    out, command = argv[1], argv[3:]
    start = time.perf_counter()
    pid = os.posix_spawnp(command[0], command, os.environ)
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter() - start
    with open(out, "w", encoding="utf-8") as f:
        f.write("%.6f %.6f %d %.6f\n" % (usage.ru_utime, usage.ru_stime, usage.ru_maxrss, wall))
    return os.waitstatus_to_exitcode(status)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
