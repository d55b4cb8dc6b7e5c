// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuitfit.h"

#include "circuitmodel.h"
#include "fitstart.h"

#include <Eigen/Dense>
#include <unsupported/Eigen/LevenbergMarquardt>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kel::measurement
{

namespace
{

// R, L, C and f0 are fitted as logarithms, so they stay positive and a factor counts the same
// at every scale; v0, q0 and i0 take either sign and are fitted in units of a typical size.
bool onLogScale(FitParameter p)
{
    return p == FitParameter::R || p == FitParameter::L || p == FitParameter::C ||
           p == FitParameter::f0;
}

// Relative singular value of the column-scaled Jacobian below which a direction of the
// parameters is taken as not fixed by the data: an exact trade-off between parameters shows
// as rounding (1e-15), a strong but real correlation well above.
constexpr double kRankTolerance = 1e-8;

// The order in which parameters are suggested for holding: a capacitor's marked value is the
// most trustworthy on a student's bench, a coil's inductance and resistance less so.
constexpr std::array<FitParameter, kFitParameterCount> kHoldPreference{
    FitParameter::C,  FitParameter::L,  FitParameter::R, FitParameter::f0,
    FitParameter::v0, FitParameter::q0, FitParameter::i0};

// The free parameters and how the fit's unknowns θ map to their values.
struct Unknowns {
    std::vector<FitParameter> free;
    std::vector<double> scale; // the size of one unit of θ for v0, q0, i0

    ParameterValues<Dual> values(const ParameterValues<double> &held, const Eigen::VectorXd &x,
                                 bool differentiate) const
    {
        ParameterValues<Dual> v;
        for (std::size_t k = 0; k < kFitParameterCount; ++k)
            v[k] = Dual{held[k], {}};
        for (std::size_t j = 0; j < free.size(); ++j) {
            const auto index = static_cast<Eigen::Index>(j);
            Dual &d = v[indexOf(free[j])];
            d.v = onLogScale(free[j]) ? std::exp(x[index]) : x[index] * scale[j];
            if (differentiate)
                d.d[j] = onLogScale(free[j]) ? d.v : scale[j];
        }
        return v;
    }

    ParameterValues<double> plain(const ParameterValues<double> &held,
                                  const Eigen::VectorXd &x) const
    {
        ParameterValues<double> v = held;
        const ParameterValues<Dual> d = values(held, x, false);
        for (std::size_t k = 0; k < kFitParameterCount; ++k)
            v[k] = d[k].v;
        return v;
    }

    Eigen::VectorXd unknownsOf(const ParameterValues<double> &v) const
    {
        Eigen::VectorXd x(static_cast<Eigen::Index>(free.size()));
        for (std::size_t j = 0; j < free.size(); ++j) {
            const double value = v[indexOf(free[j])];
            x[static_cast<Eigen::Index>(j)] =
                onLogScale(free[j]) ? std::log(value) : value / scale[j];
        }
        return x;
    }
};

// The residuals model − y and their Jacobian, for Eigen's Levenberg–Marquardt.
struct Residuals : Eigen::DenseFunctor<double> {
    const FitProblem &problem;
    const Unknowns &unknowns;
    const ParameterValues<double> &held;
    std::span<const double> t, y;
    const std::atomic<bool> *cancel;
    // A residual for a model without a finite value: large, so the step is refused.
    double refusal;

    Residuals(const FitProblem &problem, const Unknowns &unknowns,
              const ParameterValues<double> &held, std::span<const double> t,
              std::span<const double> y, const std::atomic<bool> *cancel, double refusal)
        : DenseFunctor(static_cast<int>(unknowns.free.size()), static_cast<int>(t.size())),
          problem(problem), unknowns(unknowns), held(held), t(t), y(y), cancel(cancel),
          refusal(refusal)
    {
    }

    bool cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }

    bool evaluateAt(const Eigen::VectorXd &x, Eigen::VectorXd &fvec, double *jacobian) const
    {
        const std::optional<Signal<Dual>> signal =
            signalOf(problem.circuit, problem.source, problem.quantity,
                     unknowns.values(held, x, jacobian != nullptr));
        fvec.resize(static_cast<Eigen::Index>(t.size()));
        if (!signal)
            return false;
        evaluate(*signal, t, std::span<double>(fvec.data(), t.size()), jacobian,
                 unknowns.free.size());
        bool finite = true;
        for (std::size_t k = 0; k < t.size(); ++k) {
            const auto index = static_cast<Eigen::Index>(k);
            fvec[index] -= y[k];
            finite = finite && std::isfinite(fvec[index]);
        }
        if (!finite)
            fvec.setConstant(refusal);
        return finite;
    }

    int operator()(const Eigen::VectorXd &x, Eigen::VectorXd &fvec) const
    {
        if (cancelled())
            return -1;
        evaluateAt(x, fvec, nullptr);
        return 0;
    }

    int df(const Eigen::VectorXd &x, Eigen::MatrixXd &fjac) const
    {
        if (cancelled())
            return -1;
        fjac.resize(static_cast<Eigen::Index>(t.size()),
                    static_cast<Eigen::Index>(unknowns.free.size()));
        Eigen::VectorXd values;
        if (!evaluateAt(x, values, fjac.data()))
            fjac.setZero();
        return 0;
    }
};

struct Run {
    Eigen::VectorXd x;
    double ssr = std::numeric_limits<double>::infinity();
    bool converged = false;
    bool cancelled = false;
    int iterations = 0;
};

Run minimise(const Residuals &residuals, Eigen::VectorXd start, const FitProgress &progress,
             int iterationsBefore)
{
    Residuals functor = residuals;
    Eigen::LevenbergMarquardt<Residuals> lm(functor);
    Run run;
    run.x = std::move(start);
    Eigen::LevenbergMarquardtSpace::Status status = lm.minimizeInit(run.x);
    const double n = static_cast<double>(residuals.t.size());
    while (status == Eigen::LevenbergMarquardtSpace::NotStarted ||
           status == Eigen::LevenbergMarquardtSpace::Running) {
        status = lm.minimizeOneStep(run.x);
        ++run.iterations;
        if (progress)
            progress(iterationsBefore + run.iterations, lm.fnorm() / std::sqrt(n));
    }
    run.cancelled = status == Eigen::LevenbergMarquardtSpace::UserAsked;
    Eigen::VectorXd fvec;
    const bool finite = residuals.evaluateAt(run.x, fvec, nullptr);
    run.ssr = finite ? fvec.squaredNorm() : std::numeric_limits<double>::infinity();
    run.converged = finite && lm.info() == Eigen::Success && !run.cancelled;
    return run;
}

// The noise of the samples from their successive differences, an upper bound where the
// signal itself changes between samples.
double noiseOf(std::span<const double> y)
{
    double sum = 0;
    for (std::size_t k = 1; k < y.size(); ++k)
        sum += (y[k] - y[k - 1]) * (y[k] - y[k - 1]);
    return std::sqrt(sum / (2.0 * static_cast<double>(y.size() - 1)));
}

FitResult failed(FitStatus status)
{
    FitResult result;
    result.status = status;
    return result;
}

// Which parameters to hold so that the rest are fixed by the data: one for each direction
// the data leave open, chosen in the order of kHoldPreference among those that direction
// moves.
std::vector<FitParameter> holdsFor(Eigen::MatrixXd open, const std::vector<FitParameter> &free)
{
    std::vector<FitParameter> holds;
    while (open.cols() > 0) {
        Eigen::Index chosen = -1;
        for (const FitParameter p : kHoldPreference) {
            const auto at = std::find(free.begin(), free.end(), p);
            if (at == free.end())
                continue;
            const auto row = static_cast<Eigen::Index>(at - free.begin());
            if (open.row(row).norm() > 1e-4) {
                chosen = row;
                holds.push_back(p);
                break;
            }
        }
        if (chosen < 0)
            break;
        // The open directions that leave the held parameter alone.
        const Eigen::RowVectorXd along = open.row(chosen);
        Eigen::FullPivLU<Eigen::MatrixXd> lu(along);
        const Eigen::MatrixXd kernel = lu.kernel();
        if (kernel.cols() == 0 || (kernel.cols() == 1 && kernel.norm() == 0))
            break;
        open = open * kernel;
        Eigen::HouseholderQR<Eigen::MatrixXd> qr(open);
        open = qr.householderQ() * Eigen::MatrixXd::Identity(open.rows(), open.cols());
    }
    return holds;
}

} // namespace

const FittedParameter *FitResult::find(FitParameter parameter) const
{
    for (const FittedParameter &p : parameters)
        if (p.parameter == parameter)
            return &p;
    return nullptr;
}

FitResult fitCircuit(const FitProblem &problem, std::span<const double> t,
                     std::span<const double> y, const std::atomic<bool> *cancel,
                     const FitProgress &progress)
{
    if (!hasQuantity(problem.circuit, problem.quantity))
        return failed(FitStatus::NoSuchQuantity);
    if (t.size() != y.size())
        return failed(FitStatus::BadSamples);
    for (std::size_t k = 0; k < t.size(); ++k)
        if (!std::isfinite(t[k]) || !std::isfinite(y[k]))
            return failed(FitStatus::BadSamples);

    const std::span<const FitParameter> present = parametersOf(problem.circuit, problem.source);
    Unknowns unknowns;
    ParameterValues<double> held{};
    for (const FitParameter p : present) {
        const ParameterSetting &setting = problem[p];
        if (setting.free) {
            unknowns.free.push_back(p);
            continue;
        }
        if (!std::isfinite(setting.value) || (onLogScale(p) && setting.value <= 0))
            return failed(FitStatus::BadHeldValue);
        held[indexOf(p)] = setting.value;
    }
    if (unknowns.free.empty())
        return failed(FitStatus::NothingFree);
    if (t.size() < unknowns.free.size() + 1)
        return failed(FitStatus::TooFewPoints);

    const StartValues start = startValues(problem, unknowns.free, held, t, y);
    unknowns.scale.resize(unknowns.free.size());
    for (std::size_t j = 0; j < unknowns.free.size(); ++j) {
        const double typical = start.typicalSize[indexOf(unknowns.free[j])];
        unknowns.scale[j] = typical > 0 && std::isfinite(typical) ? typical : 1.0;
    }

    double sizeOfY = 0;
    for (const double v : y)
        sizeOfY = std::max(sizeOfY, std::abs(v));
    const Residuals residuals(problem, unknowns, held, t, y, cancel,
                              1e100 * std::max(sizeOfY, 1e-300));

    // From the data's own start; from the given values too where that leaves the residual
    // well above the noise (a start the data misread).
    Run best;
    int iterations = 0;
    const double noise = noiseOf(y);
    const double n = static_cast<double>(t.size());
    for (const ParameterValues<double> &candidate : start.starts) {
        if (best.converged && std::sqrt(best.ssr / n) <= 2 * noise)
            break;
        Run run = minimise(residuals, unknowns.unknownsOf(candidate), progress, iterations);
        iterations += run.iterations;
        if (run.cancelled)
            return failed(FitStatus::Cancelled);
        if (run.ssr < best.ssr)
            best = std::move(run);
    }
    if (!std::isfinite(best.ssr))
        return failed(FitStatus::NoSolution);

    // The Jacobian at the answer, its columns scaled to unit length, and its singular values.
    const auto p = static_cast<Eigen::Index>(unknowns.free.size());
    Eigen::VectorXd fvec;
    Eigen::MatrixXd jacobian(static_cast<Eigen::Index>(t.size()), p);
    residuals.evaluateAt(best.x, fvec, jacobian.data());
    Eigen::VectorXd norms = jacobian.colwise().norm().transpose();
    for (Eigen::Index j = 0; j < p; ++j) {
        if (norms[j] > 0)
            jacobian.col(j) /= norms[j];
        else
            norms[j] = 1;
    }
    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(jacobian, Eigen::ComputeFullV);
    const Eigen::VectorXd &sigma = svd.singularValues();
    const double largest = sigma.size() > 0 ? sigma[0] : 0;
    Eigen::Index rank = 0;
    while (rank < sigma.size() && sigma[rank] > kRankTolerance * largest)
        ++rank;
    const Eigen::MatrixXd &rightVectors = svd.matrixV();
    const Eigen::MatrixXd open = rightVectors.rightCols(p - rank);

    const double dof = std::max(1.0, n - static_cast<double>(rank));
    const double s2 = best.ssr / dof;
    Eigen::MatrixXd covariance = Eigen::MatrixXd::Zero(p, p);
    for (Eigen::Index k = 0; k < rank; ++k)
        covariance += rightVectors.col(k) * rightVectors.col(k).transpose() / (sigma[k] * sigma[k]);
    const Eigen::VectorXd inverseNorms = norms.cwiseInverse();
    covariance = inverseNorms.asDiagonal() * covariance * inverseNorms.asDiagonal();
    covariance *= s2;

    FitResult result;
    result.points = t.size();
    result.rmsResidual = std::sqrt(best.ssr / n);
    result.converged = best.converged;
    result.iterations = iterations;
    const ParameterValues<double> fitted = unknowns.plain(held, best.x);
    std::vector<bool> determined(unknowns.free.size(), true);
    for (Eigen::Index j = 0; j < p; ++j) {
        if (open.cols() > 0 && open.row(j).norm() > 1e-4) {
            determined[static_cast<std::size_t>(j)] = false;
            result.notDetermined.push_back(unknowns.free[static_cast<std::size_t>(j)]);
        }
    }
    if (!result.notDetermined.empty())
        result.suggestHold = holdsFor(open, unknowns.free);

    for (const FitParameter parameter : present) {
        FittedParameter out;
        out.parameter = parameter;
        const auto at = std::find(unknowns.free.begin(), unknowns.free.end(), parameter);
        if (at == unknowns.free.end()) {
            out.value = held[indexOf(parameter)];
            out.fixed = true;
        } else {
            const auto j = static_cast<std::size_t>(at - unknowns.free.begin());
            const auto index = static_cast<Eigen::Index>(j);
            out.value = fitted[indexOf(parameter)];
            const double spread = std::sqrt(std::max(0.0, covariance(index, index)));
            out.uncertainty =
                onLogScale(parameter) ? out.value * spread : unknowns.scale[j] * spread;
            out.determined = determined[j];
        }
        result.parameters.push_back(out);
    }
    for (Eigen::Index a = 0; a < p; ++a) {
        for (Eigen::Index b = a + 1; b < p; ++b) {
            if (!determined[static_cast<std::size_t>(a)] ||
                !determined[static_cast<std::size_t>(b)])
                continue;
            const double scale = std::sqrt(covariance(a, a) * covariance(b, b));
            if (!(scale > 0))
                continue;
            const double rho = covariance(a, b) / scale;
            if (std::abs(rho) > 0.95)
                result.correlations.push_back({unknowns.free[static_cast<std::size_t>(a)],
                                               unknowns.free[static_cast<std::size_t>(b)], rho});
        }
    }
    return result;
}

std::vector<double> modelCurve(const FitProblem &problem, std::span<const double> t)
{
    ParameterValues<double> values{};
    for (std::size_t k = 0; k < kFitParameterCount; ++k)
        values[k] = problem.settings[k].value;
    const std::optional<Signal<double>> signal =
        signalOf(problem.circuit, problem.source, problem.quantity, values);
    if (!signal)
        return {};
    std::vector<double> curve(t.size());
    for (std::size_t k = 0; k < t.size(); ++k)
        curve[k] = valueAt(*signal, t[k]);
    return curve;
}

FitProblem withFittedValues(FitProblem problem, const FitResult &result)
{
    for (const FittedParameter &p : result.parameters)
        problem[p.parameter].value = p.value;
    return problem;
}

} // namespace kel::measurement
