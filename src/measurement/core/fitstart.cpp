// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitstart.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace kel::measurement
{

namespace
{

using Root = std::complex<double>;
constexpr double kTwoPi = 2 * std::numbers::pi;

// Values for free parameters that neither the data nor the problem give: a bench's typical
// parts, only ever the point along a direction that the data leave open.
double fallbackFor(FitParameter p)
{
    switch (p) {
    case FitParameter::R:
        return 100;
    case FitParameter::L:
        return 0.01;
    case FitParameter::C:
        return 1e-6;
    case FitParameter::f0:
        return 100;
    default:
        return 0;
    }
}

bool positiveKind(FitParameter p)
{
    return p == FitParameter::R || p == FitParameter::L || p == FitParameter::C ||
           p == FitParameter::f0;
}

bool isFree(const std::vector<FitParameter> &free, FitParameter p)
{
    return std::find(free.begin(), free.end(), p) != free.end();
}

// At most `limit` samples, evenly spread: the start needs the shape, not every point.
struct Thinned {
    std::vector<double> t, y;
};

Thinned thinned(std::span<const double> t, std::span<const double> y, std::size_t limit)
{
    Thinned out;
    const std::size_t stride = std::max<std::size_t>(1, (t.size() + limit - 1) / limit);
    for (std::size_t k = 0; k < t.size(); k += stride) {
        out.t.push_back(t[k]);
        out.y.push_back(y[k]);
    }
    return out;
}

// The characteristic roots (1/s) of the order-N linear ODE with constant coefficients and a
// constant forcing that the samples satisfy best: y integrated N times from the first sample
// turns it into y = −Σ c_(N−k)·I_k[y] + a polynomial of degree N in t, linear in the unknowns.
std::vector<Root> characteristicRoots(const Thinned &s, int order)
{
    const auto m = static_cast<Eigen::Index>(s.t.size());
    const Eigen::Index columns = 2 * order + 1;
    if (m < 4 * columns)
        return {};
    const double t0 = s.t.front(), span = s.t.back() - t0;
    if (!(span > 0))
        return {};
    Eigen::MatrixXd design(m, columns);
    Eigen::VectorXd previous(m), current(m), b(m);
    for (Eigen::Index i = 0; i < m; ++i) {
        previous[i] = s.y[static_cast<std::size_t>(i)];
        b[i] = previous[i];
    }
    for (int k = 0; k < order; ++k) {
        current[0] = 0;
        for (Eigen::Index i = 1; i < m; ++i) {
            const double du =
                (s.t[static_cast<std::size_t>(i)] - s.t[static_cast<std::size_t>(i - 1)]) / span;
            current[i] = current[i - 1] + du * (previous[i] + previous[i - 1]) / 2;
        }
        design.col(k) = current;
        previous = current;
    }
    for (Eigen::Index i = 0; i < m; ++i) {
        const double u = (s.t[static_cast<std::size_t>(i)] - t0) / span;
        double power = 1;
        for (int d = 0; d <= order; ++d) {
            design(i, order + d) = power;
            power *= u;
        }
    }
    const Eigen::VectorXd norms = design.colwise().norm().transpose().cwiseMax(1e-300);
    const Eigen::MatrixXd scaledDesign = design * norms.cwiseInverse().asDiagonal();
    const Eigen::VectorXd solution =
        norms.cwiseInverse().asDiagonal() * scaledDesign.colPivHouseholderQr().solve(b);
    if (!solution.allFinite())
        return {};
    // s^N + c_(N−1)·s^(N−1) + … + c_0 with c_(N−k) = −solution[k − 1].
    Eigen::MatrixXd companion = Eigen::MatrixXd::Zero(order, order);
    for (int k = 1; k <= order; ++k)
        companion(0, k - 1) = solution[k - 1];
    for (int r = 1; r < order; ++r)
        companion(r, r - 1) = 1;
    const Eigen::EigenSolver<Eigen::MatrixXd> eigen(companion, false);
    if (eigen.info() != Eigen::Success)
        return {};
    std::vector<Root> roots;
    for (Eigen::Index k = 0; k < order; ++k)
        roots.push_back(eigen.eigenvalues()[k] / span);
    return roots;
}

// The rates of the circuit's own response, and the source's angular frequency.
struct Reading {
    std::vector<Root> transient;
    double drive = 0; // rad/s, 0 where none was found
};

// The ways the roots split into the source's pair and the circuit's own roots: with f0 held
// the pair nearest its ω; otherwise each complex pair in turn, the one nearest the imaginary
// axis first.
std::vector<Reading> readingsOf(std::vector<Root> roots, bool driven, double heldDrive)
{
    if (!driven)
        return {Reading{std::move(roots), 0}};
    std::vector<std::size_t> upper;
    for (std::size_t k = 0; k < roots.size(); ++k)
        if (roots[k].imag() > 0)
            upper.push_back(k);
    if (heldDrive > 0) {
        std::sort(upper.begin(), upper.end(), [&](std::size_t a, std::size_t b) {
            return std::abs(roots[a] - Root(0, heldDrive)) <
                   std::abs(roots[b] - Root(0, heldDrive));
        });
        upper.resize(std::min<std::size_t>(upper.size(), 1));
    } else {
        std::sort(upper.begin(), upper.end(), [&](std::size_t a, std::size_t b) {
            return std::abs(roots[a].real() / roots[a].imag()) <
                   std::abs(roots[b].real() / roots[b].imag());
        });
    }
    std::vector<Reading> readings;
    for (const std::size_t pick : upper) {
        Reading reading;
        reading.drive = heldDrive > 0 ? heldDrive : roots[pick].imag();
        // Leave out the picked root and its conjugate, the nearest root to it.
        std::size_t partner = roots.size();
        double nearest = INFINITY;
        for (std::size_t k = 0; k < roots.size(); ++k) {
            const double gap = std::abs(roots[k] - std::conj(roots[pick]));
            if (k != pick && gap < nearest) {
                nearest = gap;
                partner = k;
            }
        }
        for (std::size_t k = 0; k < roots.size(); ++k)
            if (k != pick && k != partner)
                reading.transient.push_back(roots[k]);
        readings.push_back(std::move(reading));
    }
    return readings;
}

// log R, log L, log C from the features the roots give (τ = R·C, τ = L/R, 2α = R/L,
// ω0² = 1/(L·C)), changed as little as possible from `values` where the features leave them
// open, and only for free ones.
void applyFeatures(FitCircuit circuit, const std::vector<Root> &transient,
                   const std::vector<FitParameter> &free, ParameterValues<double> &values)
{
    struct Row {
        std::array<double, 3> exponents; // of R, L, C
        double logValue;
    };
    std::vector<Row> rows;
    if (transient.size() == 1) {
        const double rate = -transient[0].real();
        if (rate > 0 && std::isfinite(rate)) {
            if (circuit == FitCircuit::RC)
                rows.push_back({{1, 0, 1}, -std::log(rate)});
            else if (circuit == FitCircuit::RL)
                rows.push_back({{-1, 1, 0}, -std::log(rate)});
        }
    } else if (transient.size() == 2) {
        const double twoAlpha = -(transient[0] + transient[1]).real();
        const double omega0Squared = (transient[0] * transient[1]).real();
        if (omega0Squared > 0 && std::isfinite(omega0Squared))
            rows.push_back({{0, -1, -1}, std::log(omega0Squared)});
        if (circuit == FitCircuit::RLC && twoAlpha > 0 && std::isfinite(twoAlpha))
            rows.push_back({{1, -1, 0}, std::log(twoAlpha)});
    }
    constexpr std::array<FitParameter, 3> kComponents{FitParameter::R, FitParameter::L,
                                                      FitParameter::C};
    std::vector<int> unknown;
    for (int c = 0; c < 3; ++c)
        if (isFree(free, kComponents[static_cast<std::size_t>(c)]))
            unknown.push_back(c);
    if (rows.empty() || unknown.empty())
        return;
    Eigen::MatrixXd powers(static_cast<Eigen::Index>(rows.size()),
                           static_cast<Eigen::Index>(unknown.size()));
    Eigen::VectorXd rhs(static_cast<Eigen::Index>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        double predicted = 0;
        for (int c = 0; c < 3; ++c) {
            const double v = values[indexOf(kComponents[static_cast<std::size_t>(c)])];
            if (rows[r].exponents[static_cast<std::size_t>(c)] != 0)
                predicted += rows[r].exponents[static_cast<std::size_t>(c)] * std::log(v);
        }
        rhs[static_cast<Eigen::Index>(r)] = rows[r].logValue - predicted;
        for (std::size_t u = 0; u < unknown.size(); ++u)
            powers(static_cast<Eigen::Index>(r), static_cast<Eigen::Index>(u)) =
                rows[r].exponents[static_cast<std::size_t>(unknown[u])];
    }
    const Eigen::VectorXd change = powers.completeOrthogonalDecomposition().solve(rhs);
    if (!change.allFinite())
        return;
    for (std::size_t u = 0; u < unknown.size(); ++u) {
        double &v = values[indexOf(kComponents[static_cast<std::size_t>(unknown[u])])];
        v *= std::exp(change[static_cast<Eigen::Index>(u)]);
    }
}

// The model at the thinned times with `values`.
Eigen::VectorXd modelAt(const FitProblem &problem, const ParameterValues<double> &values,
                        const std::vector<double> &t)
{
    const std::optional<Signal<double>> signal =
        signalOf(problem.circuit, problem.source, problem.quantity, values);
    Eigen::VectorXd out(static_cast<Eigen::Index>(t.size()));
    for (std::size_t k = 0; k < t.size(); ++k)
        out[static_cast<Eigen::Index>(k)] =
            signal ? valueAt(*signal, t[k]) : std::numeric_limits<double>::quiet_NaN();
    return out;
}

// The free ones of v0, q0, i0 by linear least squares, the model being linear in them; their
// typical sizes into `typical`.
bool solveLinear(const FitProblem &problem, const std::vector<FitParameter> &free, const Thinned &s,
                 ParameterValues<double> &values, ParameterValues<double> *typical)
{
    std::vector<FitParameter> linear;
    for (const FitParameter p : free)
        if (!positiveKind(p))
            linear.push_back(p);
    if (linear.empty())
        return true;
    ParameterValues<double> base = values;
    for (const FitParameter p : linear)
        base[indexOf(p)] = 0;
    const Eigen::VectorXd offset = modelAt(problem, base, s.t);
    const auto m = static_cast<Eigen::Index>(s.t.size());
    Eigen::MatrixXd design(m, static_cast<Eigen::Index>(linear.size()));
    for (std::size_t j = 0; j < linear.size(); ++j) {
        ParameterValues<double> unit = base;
        unit[indexOf(linear[j])] = 1;
        design.col(static_cast<Eigen::Index>(j)) = modelAt(problem, unit, s.t) - offset;
    }
    Eigen::VectorXd b(m);
    for (Eigen::Index i = 0; i < m; ++i)
        b[i] = s.y[static_cast<std::size_t>(i)] - offset[i];
    if (!design.allFinite() || !b.allFinite())
        return false;
    const Eigen::VectorXd norms = design.colwise().norm().transpose();
    const double rmsY = b.norm() > 0 ? b.norm() : 1;
    Eigen::MatrixXd scaledDesign = design;
    for (Eigen::Index j = 0; j < design.cols(); ++j)
        scaledDesign.col(j) /= norms[j] > 0 ? norms[j] : 1;
    const Eigen::VectorXd x = scaledDesign.completeOrthogonalDecomposition().solve(b);
    for (std::size_t j = 0; j < linear.size(); ++j) {
        const auto index = static_cast<Eigen::Index>(j);
        const double norm = norms[index] > 0 ? norms[index] : 1;
        values[indexOf(linear[j])] = x[index] / norm;
        if (typical)
            (*typical)[indexOf(linear[j])] = rmsY / norm;
    }
    return x.allFinite();
}

} // namespace

StartValues startValues(const FitProblem &problem, const std::vector<FitParameter> &free,
                        const ParameterValues<double> &held, std::span<const double> t,
                        std::span<const double> y)
{
    StartValues out;
    ParameterValues<double> given = held;
    for (const FitParameter p : free) {
        const double v = problem[p].value;
        given[indexOf(p)] = positiveKind(p) ? (v > 0 && std::isfinite(v) ? v : fallbackFor(p)) : 0;
    }
    const bool driven = problem.source == FitSource::Alternating;
    const int order =
        (problem.circuit == FitCircuit::RC || problem.circuit == FitCircuit::RL) ? 1 : 2;
    const Thinned forRoots = thinned(t, y, 20000);
    const Thinned forLinear = thinned(t, y, 4000);
    const double heldDrive =
        isFree(free, FitParameter::f0) || !driven ? 0 : kTwoPi * held[indexOf(FitParameter::f0)];
    const std::vector<Root> roots = characteristicRoots(forRoots, order + (driven ? 2 : 0));
    const std::vector<Reading> readings =
        roots.empty() ? std::vector<Reading>{} : readingsOf(roots, driven, heldDrive);

    bool typicalSet = false;
    const auto add = [&](ParameterValues<double> values) {
        ParameterValues<double> typical{};
        if (!solveLinear(problem, free, forLinear, values, &typical))
            return;
        if (!typicalSet) {
            out.typicalSize = typical;
            typicalSet = true;
        }
        out.starts.push_back(values);
    };
    for (const Reading &reading : readings) {
        ParameterValues<double> values = given;
        applyFeatures(problem.circuit, reading.transient, free, values);
        if (driven && isFree(free, FitParameter::f0) && reading.drive > 0)
            values[indexOf(FitParameter::f0)] = reading.drive / kTwoPi;
        add(values);
    }
    add(given);
    return out;
}

} // namespace kel::measurement
