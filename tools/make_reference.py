#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes tests/solutions/data/reference.txt: the charge and current of series circuits to
40 significant digits, for the solution tests to compare against.

The circuit equation L·q'' + R·q' + q/C = v(t) is solved here without any closed form: the
source is folded into a linear system x' = M·x (a constant source as u' = 0, a sinusoidal one
as the oscillator s' = w0·c, c' = −w0·s), whose solution is the matrix exponential
x(t) = exp(M·t)·x(0), evaluated by mpmath in high precision. Resonance, critical damping and
widely separated rates need no special case. Each row is computed at two working precisions
and kept only if they agree to 42 digits.

Each value comes with its scale: the sum of the magnitudes of the parts due to q0, to i0 and
to the source alone, the size an error in the sum is judged against.

Needs python3-mpmath. Run from the repository root: python3 tools/make_reference.py
"""

import math
import os
import sys

import mpmath
from mpmath import mp, mpf

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "tests", "solutions", "data", "reference.txt")

DEFAULT_TIMES = ["0", "0.5", "3.7", "12.5", "50", "100"]


def program_text(value):
    """The program's text of a double: the shortest of at most 15 significant digits."""
    for digits in range(1, 16):
        text = "%.*g" % (digits, value)
        if float(text) == value:
            break
    mantissa, _, exponent = text.partition("e")
    if not exponent:
        return text
    return "%sE%s%02d" % (mantissa, exponent[0], abs(int(exponent)))


def natural_text(L, C):
    return program_text(1 / math.sqrt(float(L) * float(C)))


def ulp_above(value_text):
    return repr(math.nextafter(float(value_text), math.inf))


# name, kind, R, L, C, v0, w0, q0, i0, times (None: the default span). A w0 of "natural" is
# the program's text of 1/sqrt(L·C), as "Set f to Natural Frequency" writes it.
CASES = [
    # RC
    ("RcDischarge", 1, "1", "0", "10", "0", "0", "10", "0", None),
    ("RcCharging", 1, "1000", "0", "1E-06", "5", "0", "-0.001", "0",
     ["0", "1E-05", "0.0003", "0.001", "0.004"]),
    ("RcHugeR", 1, "1E+120", "0", "1E-119", "2E-100", "0", "3E-119", "0", None),
    ("RcTinyR", 1, "1E-160", "0", "2E+161", "7", "0", "1E+160", "0", None),
    # RL
    ("Rl", 2, "2", "0.5", "0", "3", "0", "0", "-1", ["0", "0.05", "0.3", "1", "4"]),
    ("RlSlow", 2, "0.1", "10", "0", "1", "0", "0", "2", None),
    ("RlHuge", 2, "1E+200", "1E+201", "0", "1E+200", "0", "0", "0.5", None),
    # LC, constant source
    ("LcFree", 3, "0", "10", "10", "0", "0", "10", "0", None),
    ("LcConstant", 3, "0", "10", "10", "1", "0", "1", "0", None),
    ("LcProductOverflows", 3, "0", "1E+200", "1E+150", "0", "0", "1E-10", "3", None),
    ("LcProductUnderflows", 3, "0", "1E-170", "1E-160", "0", "0", "1E-20", "0",
     ["0", "1E-166", "3.3E-165", "1E-163", "2.5E-162"]),
    # RLC, constant source
    ("RlcOverdamped", 4, "3", "1", "1", "2", "0", "1", "-1", None),
    ("RlcCritical", 4, "2", "1", "1", "1", "0", "0.5", "2", None),
    ("RlcUnderdamped", 4, "1", "1", "1", "-3", "0", "0", "1", None),
    ("RlcDefault", 4, "1", "10", "10", "0", "0", "10", "0", None),
    ("RlcAboveCritical1e-6", 4, "2.000002", "1", "1", "1", "0", "1", "0", None),
    ("RlcBelowCritical1e-6", 4, "1.999998", "1", "1", "1", "0", "1", "0", None),
    ("RlcAboveCritical1e-12", 4, "2.000000000002", "1", "1", "0", "0", "1", "-0.5", None),
    ("RlcBelowCritical1e-12", 4, "1.999999999998", "1", "1", "0", "0", "1", "-0.5", None),
    ("RlcSeparatedMicro", 4, "1E+06", "1E-06", "0.001", "1", "0", "0", "1", None),
    ("RlcSeparated", 4, "1E+07", "10", "10", "0", "0", "1", "0.3", None),
    ("RlcTinyR", 4, "1E-14", "1", "1", "1", "0", "0", "1", None),
    ("RlcHugeMagnitudes", 4, "2E+160", "1E+160", "1E+160", "1E-150", "0", "1E+10", "0", None),
    ("RlcTinyMagnitudes", 4, "1E-160", "1E-160", "1E+160", "1E-150", "0", "0", "1E-5",
     None),
    # LC, sinusoidal source
    ("LcDrivenOff", 5, "0", "1", "1", "1", "2", "0.5", "0", None),
    ("LcDrivenDetuned1e-4", 5, "0", "1", "1", "1", "1.0001", "0", "0", None),
    ("LcDrivenDetuned1e-8", 5, "0", "1", "1", "1", "1.00000001", "0", "0", None),
    ("LcDrivenUlpFromNatural", 5, "0", "2", "3", "1", "0.4082482904638630", "0", "0", None),
    ("LcDrivenUlpAbove", 5, "0", "2", "3", "1", "ulp-above-natural", "0.1", "0", None),
    ("LcDrivenEqualNumberOtherText", 5, "0", "1", "1", "1", "1.0", "0", "0", None),
    ("LcDrivenAtNatural", 5, "0", "10", "10", "1", "natural", "0", "0", None),
    ("LcDrivenAtNaturalInexact", 5, "0", "2", "3", "-2", "natural", "0.25", "1", None),
    ("LcDrivenNegativeW0", 5, "0", "1", "1", "2", "-1", "0", "0.5", None),
    ("LcDrivenFast", 5, "0", "0.001", "1E-09", "1000", "1E+06", "1E-06", "0",
     ["0", "1E-06", "3.7E-05", "0.001", "0.01"]),
    # RC, sinusoidal source
    ("RcDriven", 6, "1", "0", "1", "1", "2", "0.3", "0", None),
    ("RcDrivenMains", 6, "1000", "0", "1E-06", "-10", "314.159", "0", "0",
     ["0", "0.0005", "0.003", "0.02", "0.1"]),
    ("RcDrivenFast", 6, "1", "0", "10", "10", "1E+03", "10", "0", None),
    ("RcDrivenHugeU", 6, "1E+80", "0", "1E+80", "1E+80", "1", "0", "0", None),
    # RL, sinusoidal source
    ("RlDriven", 7, "2", "0.5", "0", "4", "3", "0", "1", ["0", "0.1", "0.7", "3", "20"]),
    ("RlDrivenSlow", 7, "1", "10", "0", "5", "100", "0", "10", None),
    ("RlDrivenHuge", 7, "1E+160", "1E+160", "0", "1E+160", "2", "0", "0", None),
    # RLC, sinusoidal source
    ("RlcDrivenOver", 8, "3", "1", "1", "2", "1.5", "0", "1", None),
    ("RlcDrivenCritical", 8, "2", "1", "1", "1", "0.7", "0.2", "0", None),
    ("RlcDrivenUnder", 8, "1", "1", "1", "1", "1", "0", "0", None),
    ("RlcDrivenDefault", 8, "1", "10", "10", "5", "6.28318530717959", "10", "0", None),
    ("RlcDrivenAboveCritical1e-6", 8, "2.000002", "1", "1", "1", "0.5", "0", "0", None),
    ("RlcDrivenBelowCritical1e-6", 8, "1.999998", "1", "1", "1", "0.5", "0", "0", None),
    ("RlcDrivenAboveCritical1e-12", 8, "2.000000000002", "1", "1", "1", "3", "1", "0", None),
    ("RlcDrivenBelowCritical1e-12", 8, "1.999999999998", "1", "1", "1", "3", "1", "0", None),
    ("RlcDrivenSeparatedMicro", 8, "1E+06", "1E-06", "0.001", "1", "50", "0", "0", None),
    ("RlcDrivenSeparated", 8, "1E+07", "10", "10", "1", "0.2", "0", "0", None),
    ("RlcDrivenTinyRAtResonance", 8, "1E-14", "1", "1", "1", "1", "0", "0", None),
    ("RlcDrivenTinyRDetuned1e-8", 8, "1E-14", "1", "1", "1", "1.00000001", "0", "0", None),
    ("RlcDrivenSmallRAtResonance", 8, "0.001", "1", "1", "1", "1", "0", "0", None),
    ("RlcDrivenSmallRDetuned1e-4", 8, "0.001", "1", "1", "1", "1.0001", "1", "0", None),
    ("RlcDrivenNearResonanceBand", 8, "0.3", "1", "1", "1", "1.2", "0", "0.5", None),
    ("RlcDrivenTinyRUlpAbove", 8, "1E-14", "1", "1", "1", "1.0000000000000002", "0", "0",
     None),
    # Both sides of each switch between forms: the near-resonance band's edge at
    # α + |w0 − ωd| = ω0/2, and overdamped rates far enough apart at β = α/2.
    ("RlcDrivenBandInside", 8, "0.2", "1", "1", "1", "1.3", "0.5", "0", None),
    ("RlcDrivenBandOutside", 8, "0.2", "1", "1", "1", "1.4", "0.5", "0", None),
    ("RlcRatesCloser", 4, "2.3", "1", "1", "1", "0", "1", "0", None),
    ("RlcRatesApart", 4, "2.32", "1", "1", "1", "0", "1", "0", None),
    ("RlcDrivenRatesCloser", 8, "2.3", "1", "1", "1", "0.8", "0", "1", None),
    ("RlcDrivenRatesApart", 8, "2.32", "1", "1", "1", "0.8", "0", "1", None),
    # Early times from rest, where the source's part is still small.
    ("LcDrivenEarly", 5, "0", "1", "1", "1", "2", "0", "0", ["1E-06", "0.001", "0.03"]),
    ("RlcDrivenEarly", 8, "1", "1", "1", "1", "2", "0", "0", ["1E-06", "0.001", "0.03"]),
    ("RlcDrivenNearResonanceEarly", 8, "0.001", "1", "1", "1", "1", "0", "0",
     ["1E-06", "0.001", "0.03"]),
    ("RcDrivenEarly", 6, "1", "0", "1", "1", "2", "0", "0", ["1E-06", "0.001", "0.03"]),
    ("RlcDrivenLossless", 8, "0", "1", "1", "1", "2", "1", "-1", None),
    ("RlcDrivenFar", 8, "1", "1", "1", "1", "300", "0", "0", None),
    ("RlcDrivenHuge", 8, "1E+155", "1E+155", "1E-155", "1E+160", "1", "0", "0", None),
    ("RlcDrivenTiny", 8, "1E-155", "1E-155", "1E+155", "1E-160", "1", "0", "0", None),
    ("RlcDrivenFastCircuit", 8, "10", "0.001", "1E-06", "1000", "50000", "1E-06", "0",
     ["0", "1E-05", "0.00037", "0.002", "0.01"]),
]


def system(kind, R, L, C, v0, w0):
    """The matrix M of x' = M·x, the index of q and of i in x (None: not a state), and the
    source state's initial values."""
    Z = mpf(0)
    if kind in (1, 6):  # R·q' + q/C = v: x = (q, source)
        rows = [[-1 / (R * C)]]
        couple = 1 / R
    elif kind in (2, 7):  # L·i' + R·i = v: x = (i, source)
        rows = [[-R / L]]
        couple = 1 / L
    else:  # L·q'' + R·q' + q/C = v: x = (q, i, source)
        if kind in (3, 5):
            R = Z
        rows = [[Z, mpf(1)], [-1 / (L * C), -R / L]]
        couple = 1 / L
    n = len(rows)
    if kind <= 4:  # constant source u' = 0, v = v0·u
        size = n + 1
        M = mpmath.zeros(size, size)
        M[n - 1, n] = couple * v0
        source = [mpf(1)]
    else:  # v = v0·s, s' = w0·c, c' = −w0·s
        size = n + 2
        M = mpmath.zeros(size, size)
        M[n - 1, n] = couple * v0
        M[n, n + 1] = w0
        M[n + 1, n] = -w0
        source = [mpf(0), mpf(1)]
    for r in range(n):
        for c in range(n):
            M[r, c] = rows[r][c]
    return M, n, source


def solve(kind, params, t):
    """(q, q scale, i, i scale) at time t; q is None for the RL circuits."""
    R, L, C, v0, w0, q0, i0 = params
    M, n, source = system(kind, R, L, C, v0, w0)
    E = mpmath.expm(M * t)
    starts = []
    if kind in (1, 6):
        starts = [[q0] + [0] * len(source), [0] * (1 + len(source)), [0] + source]
    elif kind in (2, 7):
        starts = [[0] * (1 + len(source)), [i0] + [0] * len(source), [0] + source]
    else:
        starts = [[q0, 0] + [0] * len(source), [0, i0] + [0] * len(source), [0, 0] + source]
    qs, is_ = [], []
    for start in starts:
        x = E * mpmath.matrix([mpf(v) for v in start])
        if kind in (1, 6):
            qs.append(x[0])
            is_.append((M * x)[0])
        elif kind in (2, 7):
            is_.append(x[0])
        else:
            qs.append(x[0])
            is_.append(x[1])
    q = sum(qs) if qs else None
    qscale = sum(abs(v) for v in qs) if qs else None
    return q, qscale, sum(is_), sum(abs(v) for v in is_)


def resolve_w0(text, L, C):
    if text == "natural":
        return natural_text(L, C)
    if text == "ulp-above-natural":
        return ulp_above(natural_text(L, C))
    return text


def digits(value):
    if value is None:
        return "-"
    return mpmath.nstr(value, 40, min_fixed=1, max_fixed=0)


def main():
    lines = [
        "# SPDX-License-Identifier: GPL-3.0-or-later",
        "# Charge and current of series circuits to 40 digits, from tools/make_reference.py",
        "# (do not edit). Columns: name kind t R L C v0 w0 q0 i0 q q-scale i i-scale; the",
        "# parameters are the texts typed, read as the program reads them; a scale is the sum",
        "# of the magnitudes of the parts due to q0, to i0 and to the source; '-' means none.",
    ]
    worst_disagreement = mpf(0)
    for name, kind, R, L, C, v0, w0, q0, i0, times in CASES:
        w0 = resolve_w0(w0, L, C)
        texts = [R, L, C, v0, w0, q0, i0]
        for t in times or DEFAULT_TIMES:
            results = []
            for dps in (80, 120):
                mp.dps = dps
                params = [mpf(float(x)) for x in texts]
                results.append(solve(kind, params, mpf(float(t))))
            mp.dps = 80
            for a, b, scale in ((results[0][0], results[1][0], results[1][1]),
                                (results[0][2], results[1][2], results[1][3])):
                if a is None or scale == 0:
                    continue
                disagreement = abs(a - b) / scale
                worst_disagreement = max(worst_disagreement, disagreement)
                if disagreement > mpf(10) ** -42:
                    sys.exit("%s at t = %s: precisions disagree by %s" %
                             (name, t, mpmath.nstr(disagreement, 3)))
            q, qscale, i, iscale = results[1]
            lines.append(" ".join([name, str(kind), t] + texts +
                                  [digits(q), digits(qscale), digits(i), digits(iscale)]))
    os.makedirs(os.path.dirname(OUT), exist_ok=True)
    with open(OUT, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")
    print("%d rows written to %s; the two precisions agree to %s of the scale" %
          (len(lines) - 5, os.path.relpath(OUT), mpmath.nstr(worst_disagreement, 3)))


if __name__ == "__main__":
    main()
