// SPDX-License-Identifier: GPL-3.0-or-later
#include "rangecheck.h"

#include "circuitfigures.h"

#include <algorithm>
#include <cmath>

namespace kel::solutions
{

namespace
{

RangeProblem outOfRange(Parameter which, double lowest, double highest)
{
    return {RangeProblem::Cause::OutOfRange, which, lowest, highest, 0};
}

} // namespace

std::optional<RangeProblem> checkRange(int circuitKind, const CircuitParameters &p, double t1,
                                       double t2, int samples)
{
    const CaseRow *row = caseFor(circuitKind);
    if (!row)
        return std::nullopt;
    for (const Parameter which : row->reads) {
        const double magnitude = std::abs(parameterValue(p, which));
        if (magnitude != 0 && !(magnitude >= kSmallestMagnitude && magnitude <= kLargestMagnitude))
            return outOfRange(which, kSmallestMagnitude, kLargestMagnitude);
    }
    const double farthest = std::max(std::abs(t1), std::abs(t2));
    const bool driven = circuitKind >= 5;
    if (driven && std::abs(p.w0) * farthest > kLargestPhase)
        return outOfRange(Parameter::w0, 0, kLargestPhase / farthest);
    const bool oscillates =
        circuitKind == 3 || circuitKind == 4 || circuitKind == 5 || circuitKind == 8;
    if (oscillates && p.L * p.C > 0) {
        // ω0·T <= kLargestPhase  <=>  L >= (T/kLargestPhase)²/C.
        const double omega0 = naturalFrequency(p.L, p.C);
        if (omega0 * farthest > kLargestPhase) {
            const double ratio = farthest / kLargestPhase;
            return outOfRange(Parameter::L, ratio * ratio / std::abs(p.C), kLargestMagnitude);
        }
    }
    const CircuitFigures figures = figuresOf(circuitKindOf(circuitKind), p);
    const int count = std::max(samples, 2);
    const double step = (t2 - t1) / (count - 1);
    for (int n = 0; n < count; ++n) {
        const double t = n == count - 1 ? t2 : t1 + step * n;
        const bool chargeBad = row->charge && !std::isfinite(chargeAt(figures, t));
        if (chargeBad || !std::isfinite(currentAt(figures, t)))
            return RangeProblem{RangeProblem::Cause::NotFinite, std::nullopt, 0, 0, t};
    }
    return std::nullopt;
}

} // namespace kel::solutions
