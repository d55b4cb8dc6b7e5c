// SPDX-License-Identifier: GPL-3.0-or-later
// A fit of 100,000 samples of an underdamped RLC circuit's capacitor voltage with four free
// parameters (R, L, q0, i0; C held), on the data tools/fit_scipy_bench.py fits with SciPy's
// curve_fit as a plain damped cosine: the same samples, the same seeded noise.
#include "measurement/core/circuitfit.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace
{

using namespace kel::measurement;

// splitmix64, written the same way in the Python script, so both fit the same numbers.
std::uint64_t nextRandom(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double uniform(std::uint64_t &state)
{
    return (static_cast<double>(nextRandom(state) >> 11) + 0.5) * 0x1.0p-53;
}

struct Samples {
    std::vector<double> t, y;
};

// vC of R = 47 Ω, L = 0.1 H, C = 1 µF from vC(0) = 5 V, i(0) = 0 over 20 ms, with Gaussian
// noise of 0.05 V (Box–Muller).
Samples benchSamples(FitProblem &problem)
{
    problem.circuit = FitCircuit::RLC;
    problem.source = FitSource::None;
    problem.quantity = Quantity::CapacitorVoltage;
    problem[FitParameter::R] = {47, true};
    problem[FitParameter::L] = {0.1, true};
    problem[FitParameter::C] = {1e-6, false};
    problem[FitParameter::q0] = {5e-6, true};
    problem[FitParameter::i0] = {0, true};
    constexpr std::size_t kPoints = 100000;
    Samples s;
    for (std::size_t k = 0; k < kPoints; ++k)
        s.t.push_back(20e-3 * static_cast<double>(k) / static_cast<double>(kPoints - 1));
    s.y = modelCurve(problem, s.t);
    std::uint64_t state = 2026;
    for (double &v : s.y) {
        const double u1 = uniform(state), u2 = uniform(state);
        v += 0.05 * std::sqrt(-2 * std::log(u1)) * std::cos(2 * std::numbers::pi * u2);
    }
    return s;
}

void BM_FitRlcCapacitorVoltage100k(benchmark::State &state)
{
    FitProblem problem;
    const Samples s = benchSamples(problem);
    // The values the student typed, a factor off: the fit starts from the data anyway.
    problem[FitParameter::R].value = 100;
    problem[FitParameter::L].value = 0.05;
    for (auto _ : state) {
        const FitResult result = fitCircuit(problem, s.t, s.y);
        if (!result.converged)
            state.SkipWithError("the fit did not converge");
        benchmark::DoNotOptimize(result.rmsResidual);
        state.counters["iterations"] = result.iterations;
    }
}
BENCHMARK(BM_FitRlcCapacitorVoltage100k)->Unit(benchmark::kMillisecond);

} // namespace
