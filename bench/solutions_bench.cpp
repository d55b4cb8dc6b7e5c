// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one evaluation of a solution function: from numbers, and from the seven
// parameter texts as the lab window hands them over (read, convert, evaluate).
#include "solutions/circuitsolutions.h"
#include "solutions/numbertext.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace
{

using namespace kel::solutions;

// Parameters of each kind's usual case; kind 5 sits at resonance, the costlier branch, since
// its test writes the text of ω.
CircuitParameters paramsFor(int kind)
{
    CircuitParameters p{1, 1, 1, 1, 2, 0.5, 0.25, "2"};
    if (kind == 4 || kind == 8)
        p.R = 1; // underdamped: exp, cos and sin
    if (kind == 5) {
        p.w0 = 1;
        p.w0Text = "1";
    }
    return p;
}

void BM_SolutionFromNumbers(benchmark::State &state, SolutionFunction f, int kind)
{
    const CircuitParameters p = paramsFor(kind);
    double t = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(p, t));
        t += 0.5;
        if (t > 100)
            t = 0;
    }
}

#define KEL_BENCH_SOLUTION(name, kind) BENCHMARK_CAPTURE(BM_SolutionFromNumbers, name, &name, kind)
KEL_BENCH_SOLUTION(q1, 1);
KEL_BENCH_SOLUTION(i1, 1);
KEL_BENCH_SOLUTION(i2, 2);
KEL_BENCH_SOLUTION(q3, 3);
KEL_BENCH_SOLUTION(i3, 3);
KEL_BENCH_SOLUTION(q4, 4);
KEL_BENCH_SOLUTION(i4, 4);
KEL_BENCH_SOLUTION(q5, 5);
KEL_BENCH_SOLUTION(i5, 5);
KEL_BENCH_SOLUTION(q6, 6);
KEL_BENCH_SOLUTION(i6, 6);
KEL_BENCH_SOLUTION(i7, 7);
KEL_BENCH_SOLUTION(q8, 8);
KEL_BENCH_SOLUTION(i8, 8);
KEL_BENCH_SOLUTION(VS, 8);
#undef KEL_BENCH_SOLUTION

// The forms that keep the curves exact at the boundaries, each at a circuit that selects it:
// the driven RLC circuit near resonance, near critical damping and with well separated rates,
// and the driven LC circuit a little off resonance.
void BM_BoundaryForm(benchmark::State &state, SolutionFunction f, CircuitParameters p)
{
    double t = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(p, t));
        t += 0.5;
        if (t > 100)
            t = 0;
    }
}
BENCHMARK_CAPTURE(BM_BoundaryForm, i8_nearResonance, &i8,
                  CircuitParameters{0.001, 1, 1, 1, 1, 0.5, 0, "1"});
BENCHMARK_CAPTURE(BM_BoundaryForm, i8_nearlyCritical, &i8,
                  CircuitParameters{2.000002, 1, 1, 1, 0.5, 1, 0, "0.5"});
BENCHMARK_CAPTURE(BM_BoundaryForm, i8_separatedRates, &i8,
                  CircuitParameters{1e6, 1e-6, 1e-3, 1, 50, 0, 1, "50"});
BENCHMARK_CAPTURE(BM_BoundaryForm, q5_detuned, &q5,
                  CircuitParameters{0, 1, 1, 1, 1.0001, 0, 0, "1.0001"});

// Reading the kind's texts (all seven for kind 8) and evaluating, as each sample of a curve
// does: nothing is carried from one evaluation to the next.
void BM_SolutionThroughTexts(benchmark::State &state, int kind)
{
    const CircuitParameters p = paramsFor(kind);
    const std::array<std::string, 7> texts{toText(p.R), toText(p.L),  toText(p.C), toText(p.v0),
                                           p.w0Text,    toText(p.q0), toText(p.i0)};
    const auto textOf = [&texts](Parameter which) {
        return texts[static_cast<std::size_t>(which)];
    };
    const CaseRow &row = *caseFor(kind);
    double t = 0;
    for (auto _ : state) {
        const ReadResult read = readParameters(textOf, row.reads);
        benchmark::DoNotOptimize(row.current(*read.parameters, t));
        t += 0.5;
        if (t > 100)
            t = 0;
    }
}
BENCHMARK_CAPTURE(BM_SolutionThroughTexts, i1_fourTexts, 1);
BENCHMARK_CAPTURE(BM_SolutionThroughTexts, i5_sixTextsAtResonance, 5);
BENCHMARK_CAPTURE(BM_SolutionThroughTexts, i8_sevenTexts, 8);

} // namespace
