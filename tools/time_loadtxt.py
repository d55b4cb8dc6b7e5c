#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times NumPy's loadtxt on a million-row recording, beside the program's own reader.

Writes FILE (default /tmp/kel-bench-recording.csv) when it is missing, as "t,v" and rows of
"%.6e,%.6e" (a damped oscillation), times np.loadtxt on it several times and prints the
median; then run the program's benchmark on the same file:

    /usr/bin/python3 tools/time_loadtxt.py /tmp/rec.csv
    KEL_BENCH_RECORDING=/tmp/rec.csv build/bench/kel_bench --benchmark_filter=ReadMillionRow
"""
import math
import os
import statistics
import sys
import time

import numpy as np

ROWS = 1_000_000


def write(path):
    with open(path, "w", encoding="ascii") as out:
        out.write("t,v\n")
        for i in range(ROWS):
            t = i * 1e-6
            v = 0.5 * math.exp(-t / 2e-4) * math.cos(2 * math.pi * 5000 * t)
            out.write("%.6e,%.6e\n" % (t, v))


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "/tmp/kel-bench-recording.csv"
    if not os.path.exists(path):
        write(path)
    times, cpu = [], []
    for _ in range(5):
        start, start_cpu = time.perf_counter(), time.process_time()
        data = np.loadtxt(path, delimiter=",", skiprows=1)
        times.append(time.perf_counter() - start)
        cpu.append(time.process_time() - start_cpu)
    assert data.shape == (ROWS, 2)
    # The machine may be shared: the processor time is the steadier figure.
    print("numpy %s loadtxt, %d rows: median %.3f s wall (min %.3f, max %.3f), %.3f s cpu"
          % (np.__version__, ROWS, statistics.median(times), min(times), max(times),
             statistics.median(cpu)))


if __name__ == "__main__":
    main()
