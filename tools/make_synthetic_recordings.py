#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the synthetic recordings in examples/: samples of the exact circuit solutions (the
closed forms of src/solutions/circuitsolutions.h, restated here) plus seeded Gaussian noise,
in the layouts bench instruments write. Each file says in its first line that it is synthetic,
with the circuit, the values and the noise; the same seed always gives the same file.

    /usr/bin/python3 tools/make_synthetic_recordings.py [EXAMPLES_FOLDER]
"""
import math
import os
import random
import sys


def rlc_constant(R, L, C, v0, q0, i0):
    """Kind 4, underdamped (D < 0): charge and current about the steady charge C·v0."""
    a = -R / (2 * L)
    wd = math.sqrt(1 / (L * C) - a * a)
    A = q0 - C * v0
    B = (i0 - a * A) / wd

    def q(t):
        return math.exp(a * t) * (A * math.cos(wd * t) + B * math.sin(wd * t)) + C * v0

    def i(t):
        e = math.exp(a * t)
        return e * ((a * A + wd * B) * math.cos(wd * t) + (a * B - wd * A) * math.sin(wd * t))

    return q, i


def rc_constant(R, C, v0, q0):
    """Kind 1: A·exp(−t/(R·C)) + C·v0 with A = q0 − v0·C."""
    A = q0 - v0 * C
    return lambda t: A * math.exp(-t / (R * C)) + C * v0


def lc_constant(L, C, v0, q0, i0):
    """Kind 3: an undamped oscillation at ω = 1/sqrt(L·C) about C·v0."""
    w = 1 / math.sqrt(L * C)
    return lambda t: (q0 - C * v0) * math.cos(w * t) + (i0 / w) * math.sin(w * t) + C * v0


def before_switch(f, at_rest):
    """The scope triggers at the switch: before it the circuit rests at `at_rest`."""
    return lambda t: at_rest if t < 0 else f(t)


def times(start, step, count):
    return [start + k * step for k in range(count)]


def write_rlc_underdamped(folder):
    R, L, C, v0 = 20.0, 10e-3, 1e-6, 5.0
    q, i = rlc_constant(R, L, C, v0, 0.0, 0.0)
    vC = before_switch(lambda t: q(t) / C, 0.0)
    sigma, seed, start, step, count = 0.02, 1, -0.5e-3, 4e-6, 2250
    rng = random.Random(seed)
    with open(os.path.join(folder, "synthetic-rlc-underdamped.csv"), "w", newline="\n") as out:
        out.write("Synthetic recording: series RLC R=20 ohm L=0.01 H C=1e-06 F switched onto "
                  "v0=5 V at t=0 from q0=0 i0=0; capacitor voltage on CH1 with Gaussian noise "
                  "sigma=0.02 V seed=1\n")
        out.write("X,CH1,Start,Increment,\n")
        out.write("Sequence,Volt,%.6e,%.6e,\n" % (start, step))
        for k, t in enumerate(times(start, step, count)):
            out.write("%d,%.5e,\n" % (k, vC(t) + rng.gauss(0, sigma)))


def write_rlc_two_channels(folder):
    R, L, C, v0 = 47.0, 22e-3, 0.47e-6, 2.0
    q, i = rlc_constant(R, L, C, v0, 0.0, 0.0)
    vC = before_switch(lambda t: q(t) / C, 0.0)
    vR = before_switch(lambda t: R * i(t), 0.0)
    sigma, seed, start, step, count = 0.01, 2, -0.2e-3, 2e-6, 2600
    rng = random.Random(seed)
    with open(os.path.join(folder, "synthetic-rlc-two-channels.csv"), "w", newline="\n") as out:
        out.write("Synthetic recording: series RLC R=47 ohm L=0.022 H C=4.7e-07 F switched onto "
                  "v0=2 V at t=0 from q0=0 i0=0; capacitor voltage on channel 1 and resistor "
                  "voltage on channel 2 with Gaussian noise sigma=0.01 V seed=2\n")
        out.write("x-axis,1,2\nsecond,Volt,Volt\n")
        for t in times(start, step, count):
            out.write("%.6e,%.5e,%.5e\n" % (t, vC(t) + rng.gauss(0, sigma),
                                            vR(t) + rng.gauss(0, sigma)))


def write_rc_charging(folder):
    R, C, v0 = 1e3, 1e-6, 5.0
    q = rc_constant(R, C, v0, 0.0)
    sigma, seed, step, count = 0.01, 3, 10e-6, 600
    rng = random.Random(seed)
    with open(os.path.join(folder, "synthetic-rc-charging.txt"), "w", newline="\n") as out:
        out.write("Synthetic recording: RC R=1000 ohm C=1e-06 F charged from v0=5 V at t=0 "
                  "from q0=0; capacitor voltage with Gaussian noise sigma=0.01 V seed=3\n")
        out.write("t (ms);U_C (V)\n")
        for t in times(0.0, step, count):
            row = "%.3f;%.4f\n" % (t * 1e3, q(t) / C + rng.gauss(0, sigma))
            out.write(row.replace(".", ","))


def write_lc_oscillation(folder):
    L, C, q0 = 0.1, 10e-6, 10e-6
    q = lc_constant(L, C, 0.0, q0, 0.0)
    sigma, seed, step, count = 2e-8, 4, 20e-6, 1500
    rng = random.Random(seed)
    with open(os.path.join(folder, "synthetic-lc-charge.csv"), "w", newline="\n") as out:
        out.write("Synthetic recording,LC L=0.1 H C=1e-05 F released from q0=1e-05 C i0=0 at t=0; "
                  "charge in uC with Gaussian noise sigma=2e-08 C seed=4\n")
        out.write("Record Length,Analog:%d\nSample Interval,%.1e\nHorizontal Units,s\n"
                  "Vertical Units,uC\n" % (count, step))
        out.write("TIME,CH1\n")
        for t in times(0.0, step, count):
            out.write("%.6e,%.5f\n" % (t, (q(t) + rng.gauss(0, sigma)) * 1e6))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "examples")
    write_rlc_underdamped(folder)
    write_rlc_two_channels(folder)
    write_rc_charging(folder)
    write_lc_oscillation(folder)


if __name__ == "__main__":
    main()
