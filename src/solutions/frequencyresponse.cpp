// SPDX-License-Identifier: GPL-3.0-or-later
#include "frequencyresponse.h"

#include <cmath>
#include <numbers>

namespace kel::solutions
{

namespace
{

// A Bode plot is drawn against the exact 2π: its corners and peaks are checked against
// 1/(2πRC) and the like, not against the single-precision Pi of the lab's w0.
constexpr double kExactTwoPi = 2 * std::numbers::pi;

bool hasR(CircuitKind kind)
{
    return isDriven(kind) && hasResistor(kind);
}
bool hasL(CircuitKind kind)
{
    return isDriven(kind) && hasInductor(kind);
}
bool hasC(CircuitKind kind)
{
    return isDriven(kind) && hasCapacitor(kind);
}

bool usable(double value)
{
    return std::isfinite(value) && value > 0;
}

bool parametersUsable(CircuitKind kind, const CircuitParameters &p)
{
    return (!hasR(kind) || usable(p.R)) && (!hasL(kind) || usable(p.L)) &&
           (!hasC(kind) || usable(p.C));
}

ResponsePoint point(CircuitKind kind, const CircuitParameters &p, Response response, double omega)
{
    return responseAt(kind, p, response, omega / kExactTwoPi);
}

} // namespace

bool hasResponse(CircuitKind kind, Response response)
{
    if (!isDriven(kind))
        return false;
    switch (response) {
    case Response::VR:
        return hasR(kind);
    case Response::VC:
        return hasC(kind);
    case Response::VL:
        return hasL(kind);
    case Response::Current:
        return true;
    }
    return false;
}

std::complex<double> transfer(CircuitKind kind, const CircuitParameters &p, Response response,
                              double omega)
{
    using namespace std::complex_literals;
    const std::complex<double> zR = hasR(kind) ? std::complex<double>(p.R) : 0.0;
    const std::complex<double> zL = hasL(kind) ? 1i * omega * p.L : 0.0;
    const std::complex<double> zC = hasC(kind) ? 1.0 / (1i * omega * p.C) : 0.0;
    const std::complex<double> z = zR + zL + zC;
    switch (response) {
    case Response::VR:
        return zR / z;
    case Response::VC:
        return zC / z;
    case Response::VL:
        return zL / z;
    case Response::Current:
        return 1.0 / z;
    }
    return 0.0;
}

ResponsePoint responseAt(CircuitKind kind, const CircuitParameters &p, Response response,
                         double frequency)
{
    const std::complex<double> h = transfer(kind, p, response, kExactTwoPi * frequency);
    return {frequency, 20 * std::log10(std::abs(h)), std::arg(h)};
}

std::vector<ResponsePoint> responseCurve(CircuitKind kind, const CircuitParameters &p,
                                         Response response, double fLow, double fHigh, int count)
{
    std::vector<ResponsePoint> curve;
    if (count < 2)
        return curve;
    curve.reserve(static_cast<std::size_t>(count));
    const double low = std::log10(fLow), high = std::log10(fHigh);
    for (int k = 0; k < count; ++k)
        curve.push_back(
            responseAt(kind, p, response, std::pow(10.0, low + (high - low) * k / (count - 1))));
    return curve;
}

std::optional<ResponseFeatures> featuresOf(CircuitKind kind, const CircuitParameters &p,
                                           Response response)
{
    if (!hasResponse(kind, response) || !parametersUsable(kind, p))
        return std::nullopt;
    ResponseFeatures f;
    const auto toHz = [](double omega) { return omega / kExactTwoPi; };
    if (kind == CircuitKind::DrivenRc || kind == CircuitKind::DrivenRl) {
        // First order: one corner; the capacitor's voltage (RC) and the resistor's (RL) pass
        // the low frequencies, the others the high ones, the current as its resistor does.
        const double corner = kind == CircuitKind::DrivenRc ? 1 / (p.R * p.C) : p.R / p.L;
        f.corners = {toHz(corner)};
        const bool lowPass = (kind == CircuitKind::DrivenRc && response == Response::VC) ||
                             (kind == CircuitKind::DrivenRl && response != Response::VL);
        f.lowSlope = lowPass ? 0 : 20;
        f.highSlope = lowPass ? -20 : 0;
        return f;
    }
    // Second order: ω0, and 1/Q = R/(ω0·L) (0 for the LC).
    const double omega0 = 1 / std::sqrt(p.L * p.C);
    const double inverseQ = kind == CircuitKind::DrivenRlc ? p.R / (omega0 * p.L) : 0;
    switch (response) {
    case Response::VR:
    case Response::Current: {
        f.lowSlope = 20;
        f.highSlope = -20;
        if (kind == CircuitKind::DrivenLc)
            return f; // without R the current has no finite peak, and so no corners
        const double half = inverseQ / 2;
        const double root = std::sqrt(1 + half * half);
        f.corners = {toHz(omega0 * (root - half)), toHz(omega0 * (root + half))};
        f.bandwidth = toHz(p.R / p.L);
        f.peak = point(kind, p, response, omega0);
        return f;
    }
    case Response::VC:
    case Response::VL: {
        const bool capacitor = response == Response::VC;
        f.lowSlope = capacitor ? 0 : 40;
        f.highSlope = capacitor ? -40 : 0;
        const double b = 2 - inverseQ * inverseQ;
        const double u = (b + std::sqrt(b * b + 4)) / 2;
        f.corners = {toHz(capacitor ? omega0 * std::sqrt(u) : omega0 / std::sqrt(u))};
        const double shift = 1 - inverseQ * inverseQ / 2; // 1 − 1/(2Q²)
        if (kind == CircuitKind::DrivenRlc && shift > 0) {
            const double omegaPeak =
                capacitor ? omega0 * std::sqrt(shift) : omega0 / std::sqrt(shift);
            f.peak = point(kind, p, response, omegaPeak);
        }
        return f;
    }
    }
    return f;
}

} // namespace kel::solutions
