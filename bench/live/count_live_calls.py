#!/usr/bin/env python3
"""Counts the messages Tavrin sends LibreOffice over the UNO pipe for each style's live letter.

Runs build/bench/bench_live under strace, one style at a time, and counts the sendto calls made by
Tavrin's own process (LibreOffice, which bench_live starts, is traced too and left out). Every UNO call
is one message, and so is every reference Tavrin releases; a call waits for its answer, a release does
not. The count per letter is the whole run's, less a run that only starts LibreOffice, over the
number of letters.

    bench/live/count_live_calls.py [build folder] [style ...]
"""

import os
import re
import subprocess
import sys
import tempfile

STYLES = ["Simple", "Romantic", "Dark", "Classic", "Elegant", "Modernistic"]
LETTERS = 40  # bench_live's iterations for each live letter
LINE = re.compile(r"^(\d+)\s+(\w+)\((.*)\)\s+=\s+(-?\d+)")
UNFINISHED = re.compile(r"^(\d+)\s+(\w+)\((.*) <unfinished \.\.\.>$")
RESUMED = re.compile(r"^(\d+)\s+<\.\.\. (\w+) resumed>(.*)\)\s+=\s+(-?\d+)")


def calls(trace):
    """(thread, call, arguments, result) for each finished call, the halves of interrupted ones joined."""
    pending = {}
    for line in trace:
        line = line.rstrip("\n")
        if match := UNFINISHED.match(line):
            pending[match[1]] = match[3]
        elif match := RESUMED.match(line):
            yield int(match[1]), match[2], pending.pop(match[1], "") + match[3], int(match[4])
        elif match := LINE.match(line):
            yield int(match[1]), match[2], match[3], int(match[4])


def sends_of_main_process(trace_path):
    """sendto calls made by the first process in the trace and its threads, not by its children."""
    process_of = {}
    main = None
    sends = 0
    with open(trace_path, encoding="utf-8", errors="replace") as trace:
        for tid, call, arguments, result in calls(trace):
            if main is None:
                main = tid
                process_of[tid] = tid
            process = process_of.setdefault(tid, tid)
            if call in ("clone", "clone3", "fork", "vfork") and result > 0:
                process_of[result] = process if "CLONE_THREAD" in arguments else result
            elif call == "sendto" and process == main:
                sends += 1
    return sends


def traced_sends(build, benchmark_filter):
    with tempfile.NamedTemporaryFile(suffix=".strace") as trace:
        subprocess.run(
            ["strace", "-f", "-qq", "-e", "trace=sendto,clone,clone3,fork,vfork", "-o", trace.name,
             os.path.join(build, "bench", "bench_live"), "--benchmark_filter=" + benchmark_filter],
            check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return sends_of_main_process(trace.name)


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    styles = sys.argv[2:] or STYLES
    # bench_live's letters share one LibreOffice, started and connected once: its three cold starts
    # give what that costs.
    one_start = traced_sends(build, "coldStartToConnected/ExistingProfile") / 3
    for style in styles:
        total = traced_sends(build, "letter/%sLive/" % style)
        print("%-12s %6.0f messages a letter" % (style, (total - one_start) / LETTERS), flush=True)


if __name__ == "__main__":
    main()
