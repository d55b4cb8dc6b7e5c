#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times SciPy's curve_fit on the samples bench/fit_bench.cpp fits (BM_FitRlcCapacitorVoltage100k).

A student without the lab would fit a plain damped cosine A·exp(−a·t)·cos(w·t + φ) to the
capacitor voltage of an underdamped RLC circuit: R = 47 Ω, L = 0.1 H, C = 1 µF, vC(0) = 5 V,
i(0) = 0, 100,000 samples over 20 ms with Gaussian noise of 0.05 V drawn from the same
splitmix64 and Box–Muller as the benchmark. curve_fit gets a start 10% off the answer, which
favours it: the lab's fit starts from the data alone.

    /usr/bin/python3 tools/fit_scipy_bench.py [--repeat N]   (Debian's python3-numpy, python3-scipy)
"""
import argparse
import math
import time

import numpy as np
from scipy.optimize import curve_fit

MASK = (1 << 64) - 1


def splitmix_uniforms(count, seed=2026):
    state = seed
    out = np.empty(count)
    for k in range(count):
        state = (state + 0x9E3779B97F4A7C15) & MASK
        z = state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & MASK
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & MASK
        z ^= z >> 31
        out[k] = ((z >> 11) + 0.5) * 2.0**-53
    return out


def samples(points=100000):
    R, L, C, v = 47.0, 0.1, 1e-6, 5.0
    t = 20e-3 * np.arange(points) / (points - 1)
    a = R / (2 * L)
    wd = math.sqrt(1 / (L * C) - a * a)
    # vC = q/C of the underdamped solution from q0 = C·v, i0 = 0.
    clean = v * np.exp(-a * t) * (np.cos(wd * t) + (a / wd) * np.sin(wd * t))
    u = splitmix_uniforms(2 * points)
    noise = 0.05 * np.sqrt(-2 * np.log(u[0::2])) * np.cos(2 * math.pi * u[1::2])
    return t, clean + noise, (v * math.hypot(1, a / wd), a, wd, -math.atan2(a / wd, 1))


def damped_cosine(t, A, a, w, phase):
    return A * np.exp(-a * t) * np.cos(w * t + phase)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--repeat", type=int, default=20)
    args = parser.parse_args()
    t, y, answer = samples()
    start = [1.1 * answer[0], 1.1 * answer[1], 1.1 * answer[2], answer[3] + 0.1]
    # Wall and processor time, as Google Benchmark reports them ("Time" and "CPU"): on a
    # shared machine the processor time is the fairer figure.
    wall, cpu = [], []
    for _ in range(args.repeat):
        begin, begin_cpu = time.perf_counter(), time.process_time()
        fitted, _ = curve_fit(damped_cosine, t, y, p0=start)
        wall.append(time.perf_counter() - begin)
        cpu.append(time.process_time() - begin_cpu)
    wall.sort()
    cpu.sort()
    middle = len(wall) // 2
    print(f"curve_fit, damped cosine, {len(t)} points, 4 parameters, {args.repeat} runs: "
          f"median {1000 * wall[middle]:.1f} ms wall, {1000 * cpu[middle]:.1f} ms CPU; "
          f"best {1000 * wall[0]:.1f} ms wall, {1000 * cpu[0]:.1f} ms CPU; "
          f"a = {fitted[1]:.3f} 1/s (true {answer[1]:.3f}), "
          f"w = {fitted[2]:.3f} rad/s (true {answer[2]:.3f})")


if __name__ == "__main__":
    main()
