// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuitmodel.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace kel::measurement
{

Dual operator+(const Dual &a, const Dual &b)
{
    Dual r{a.v + b.v, {}};
    for (std::size_t j = 0; j < r.d.size(); ++j)
        r.d[j] = a.d[j] + b.d[j];
    return r;
}

Dual operator-(const Dual &a, const Dual &b)
{
    Dual r{a.v - b.v, {}};
    for (std::size_t j = 0; j < r.d.size(); ++j)
        r.d[j] = a.d[j] - b.d[j];
    return r;
}

Dual operator-(const Dual &a)
{
    Dual r{-a.v, {}};
    for (std::size_t j = 0; j < r.d.size(); ++j)
        r.d[j] = -a.d[j];
    return r;
}

Dual operator*(const Dual &a, const Dual &b)
{
    Dual r{a.v * b.v, {}};
    for (std::size_t j = 0; j < r.d.size(); ++j)
        r.d[j] = a.d[j] * b.v + a.v * b.d[j];
    return r;
}

Dual operator/(const Dual &a, const Dual &b)
{
    const double q = a.v / b.v;
    Dual r{q, {}};
    for (std::size_t j = 0; j < r.d.size(); ++j)
        r.d[j] = (a.d[j] - q * b.d[j]) / b.v;
    return r;
}

Dual sqrt(const Dual &a)
{
    const double s = std::sqrt(a.v);
    Dual r{s, {}};
    for (std::size_t j = 0; j < r.d.size(); ++j)
        r.d[j] = a.d[j] / (2 * s);
    return r;
}

namespace
{

double valueOf(double x)
{
    return x;
}

double valueOf(const Dual &x)
{
    return x.v;
}

double squareRoot(double x)
{
    return std::sqrt(x);
}

Dual squareRoot(const Dual &x)
{
    return sqrt(x);
}

template <typename T> T constant(double c)
{
    return T{c};
}

template <typename T> void add(Signal<T> &s, const Mode<T> &mode)
{
    s.modes[static_cast<std::size_t>(s.count++)] = mode;
}

template <typename T> Mode<T> exponential(const T &rate, const T &amplitude)
{
    Mode<T> m;
    m.a = rate;
    m.cosine = amplitude;
    return m;
}

// cosineAmplitude·cos(w·t) + sineAmplitude·sin(w·t).
template <typename T> Mode<T> sinusoid(const T &w, const T &cosineAmplitude, const T &sineAmplitude)
{
    Mode<T> m;
    m.w = w;
    m.cosine = cosineAmplitude;
    m.sine = sineAmplitude;
    return m;
}

template <typename T> Signal<T> derivative(const Signal<T> &s)
{
    // d/dt of e^(a·t)·((cosine + cosineRamp·t)·cos + (sine + sineRamp·t)·sin), term by term.
    Signal<T> d;
    d.count = s.count;
    for (int k = 0; k < s.count; ++k) {
        const Mode<T> &m = s.modes[static_cast<std::size_t>(k)];
        Mode<T> &r = d.modes[static_cast<std::size_t>(k)];
        r.a = m.a;
        r.w = m.w;
        r.cosine = m.a * m.cosine + m.cosineRamp + m.w * m.sine;
        r.cosineRamp = m.a * m.cosineRamp + m.w * m.sineRamp;
        r.sine = m.a * m.sine + m.sineRamp - m.w * m.cosine;
        r.sineRamp = m.a * m.sineRamp - m.w * m.cosineRamp;
    }
    return d;
}

template <typename T> Signal<T> scaled(Signal<T> s, const T &factor)
{
    s.constant = s.constant * factor;
    for (int k = 0; k < s.count; ++k) {
        Mode<T> &m = s.modes[static_cast<std::size_t>(k)];
        m.cosine = m.cosine * factor;
        m.sine = m.sine * factor;
        m.cosineRamp = m.cosineRamp * factor;
        m.sineRamp = m.sineRamp * factor;
    }
    return s;
}

// The charge of the RC circuit, kinds 1 (v0 constant or 0) and 6.
template <typename T> Signal<T> rcCharge(const ParameterValues<T> &p, const T &w0, bool driven)
{
    const T &R = p[indexOf(FitParameter::R)], &C = p[indexOf(FitParameter::C)];
    const T &v0 = p[indexOf(FitParameter::v0)], &q0 = p[indexOf(FitParameter::q0)];
    const T rate = -(constant<T>(1) / (R * C));
    Signal<T> s;
    if (!driven) {
        s.constant = C * v0;
        add(s, exponential(rate, q0 - v0 * C));
        return s;
    }
    const T wrc = w0 * (R * C);
    const T denominator = wrc * wrc + constant<T>(1);
    const T steadySin = (v0 * C) / denominator;
    const T steadyCos = (R * ((-v0 * w0) * (C * C))) / denominator;
    add(s, exponential(rate, q0 - steadyCos));
    add(s, sinusoid(w0, steadyCos, steadySin));
    return s;
}

// The current of the RL circuit, kinds 2 and 7.
template <typename T> Signal<T> rlCurrent(const ParameterValues<T> &p, const T &w0, bool driven)
{
    const T &R = p[indexOf(FitParameter::R)], &L = p[indexOf(FitParameter::L)];
    const T &v0 = p[indexOf(FitParameter::v0)], &i0 = p[indexOf(FitParameter::i0)];
    const T rate = -(R / L);
    Signal<T> s;
    if (!driven) {
        s.constant = v0 / R;
        add(s, exponential(rate, i0 - v0 / R));
        return s;
    }
    const T inductive = L * w0;
    const T denominator = R * R + inductive * inductive;
    const T steadySin = (v0 * R) / denominator;
    const T steadyCos = (L * (-v0 * w0)) / denominator;
    add(s, exponential(rate, i0 - steadyCos));
    add(s, sinusoid(w0, steadyCos, steadySin));
    return s;
}

// The charge of the LC circuit, kinds 3 and 5 (at resonance when ω equals w0 exactly).
template <typename T> Signal<T> lcCharge(const ParameterValues<T> &p, const T &w0, bool driven)
{
    const T &L = p[indexOf(FitParameter::L)], &C = p[indexOf(FitParameter::C)];
    const T &v0 = p[indexOf(FitParameter::v0)], &q0 = p[indexOf(FitParameter::q0)];
    const T &i0 = p[indexOf(FitParameter::i0)];
    const T omega = constant<T>(1) / squareRoot(L * C);
    Signal<T> s;
    if (!driven) {
        s.constant = C * v0;
        add(s, sinusoid(omega, q0 - C * v0, i0 / omega));
        return s;
    }
    if (valueOf(omega) == valueOf(w0)) {
        const T forced = -v0 / ((w0 + w0) * L);
        Mode<T> m = sinusoid(w0, q0, (i0 - forced) / w0);
        m.cosineRamp = forced;
        add(s, m);
        return s;
    }
    const T forced = (v0 / (omega * omega - w0 * w0)) / L;
    add(s, sinusoid(omega, q0, (i0 - w0 * forced) / omega));
    add(s, sinusoid(w0, constant<T>(0), forced));
    return s;
}

// The charge of the RLC circuit, kinds 4 and 8, by the damping test on D = R² − 4L/C.
template <typename T> Signal<T> rlcCharge(const ParameterValues<T> &p, const T &w0, bool driven)
{
    const T &R = p[indexOf(FitParameter::R)], &L = p[indexOf(FitParameter::L)];
    const T &C = p[indexOf(FitParameter::C)], &v0 = p[indexOf(FitParameter::v0)];
    const T &q0 = p[indexOf(FitParameter::q0)], &i0 = p[indexOf(FitParameter::i0)];
    const T twoL = L + L;
    const T a = -R / twoL;
    const T D = R * R - (L * constant<T>(4)) / C;
    Signal<T> s;
    // The transient starts from the charge and current left about the steady part.
    T restCharge, restCurrent;
    if (!driven) {
        s.constant = C * v0;
        restCharge = q0 - C * v0;
        restCurrent = i0;
    } else {
        const T reactance = constant<T>(1) / C - (L * w0) * w0;
        const T resistive = R * w0;
        const T denominator = resistive * resistive + reactance * reactance;
        const T steadyCos = (R * (w0 * (-v0))) / denominator;
        const T steadySin = (v0 * reactance) / denominator;
        restCharge = q0 - steadyCos;
        restCurrent = i0 - w0 * steadySin;
        add(s, sinusoid(w0, steadyCos, steadySin));
    }
    if (valueOf(D) > 0) {
        const T root = squareRoot(D) / twoL;
        const T s1 = root + a, s2 = a - root;
        add(s, exponential(s1, (s2 * restCharge - restCurrent) / (s2 - s1)));
        add(s, exponential(s2, (restCurrent - s1 * restCharge) / (s2 - s1)));
    } else if (valueOf(D) == 0) {
        Mode<T> m = exponential(a, restCharge);
        m.cosineRamp = restCurrent - a * restCharge;
        add(s, m);
    } else {
        const T wd = squareRoot(-D) / twoL;
        Mode<T> m = sinusoid(wd, restCharge, (restCurrent - a * restCharge) / wd);
        m.a = a;
        add(s, m);
    }
    return s;
}

// e^(a·t)·cos(w·t) and e^(a·t)·sin(w·t) at each time. Bench recordings are sampled evenly, so
// z = e^((a + iw)·t) advances by one complex product per sample, anchored afresh from exp,
// cos and sin every kAnchorEvery samples (rounding then stays below 1e-14 relative) and
// corrected to second order for a time a little off the even grid; a time further off is
// computed directly.
void growthAndPhase(double a, double w, std::span<const double> t, double *ec, double *es)
{
    constexpr std::size_t kAnchorEvery = 128;
    const std::size_t n = t.size();
    const double step = n > 1 ? (t[n - 1] - t[0]) / static_cast<double>(n - 1) : 0;
    const std::complex<double> lambda(a, w);
    const std::complex<double> advance = std::exp(lambda * step);
    const auto direct = [&](std::size_t k) {
        const double e = a == 0 ? 1 : std::exp(a * t[k]);
        ec[k] = w == 0 ? e : e * std::cos(w * t[k]);
        es[k] = w == 0 ? 0 : e * std::sin(w * t[k]);
    };
    for (std::size_t anchor = 0; anchor < n; anchor += kAnchorEvery) {
        direct(anchor);
        std::complex<double> z(ec[anchor], es[anchor]);
        const std::size_t end = std::min(n, anchor + kAnchorEvery);
        for (std::size_t k = anchor + 1; k < end; ++k) {
            z *= advance;
            const double off = t[k] - (t[anchor] + static_cast<double>(k - anchor) * step);
            const std::complex<double> x = lambda * off;
            if (std::abs(x.real()) + std::abs(x.imag()) > 1e-5) {
                direct(k);
                continue;
            }
            const std::complex<double> value = z * (1.0 + x * (1.0 + 0.5 * x));
            ec[k] = value.real();
            es[k] = value.imag();
        }
    }
}

} // namespace

bool hasQuantity(FitCircuit circuit, Quantity quantity)
{
    switch (quantity) {
    case Quantity::CapacitorVoltage:
    case Quantity::Charge:
        return circuit != FitCircuit::RL;
    case Quantity::ResistorVoltage:
        return circuit != FitCircuit::LC;
    case Quantity::InductorVoltage:
        return circuit != FitCircuit::RC;
    case Quantity::Current:
        return true;
    }
    return false;
}

template <typename T>
std::optional<Signal<T>> signalOf(FitCircuit circuit, FitSource source, Quantity quantity,
                                  const ParameterValues<T> &values)
{
    if (!hasQuantity(circuit, quantity))
        return std::nullopt;
    ParameterValues<T> p = values;
    if (source == FitSource::None)
        p[indexOf(FitParameter::v0)] = constant<T>(0);
    const bool driven = source == FitSource::Alternating;
    // w0 = 2π·f0.
    const T w0 =
        driven ? p[indexOf(FitParameter::f0)] * constant<T>(2 * std::numbers::pi) : constant<T>(0);
    if (circuit == FitCircuit::RL) {
        const Signal<T> i = rlCurrent(p, w0, driven);
        if (quantity == Quantity::Current)
            return i;
        if (quantity == Quantity::ResistorVoltage)
            return scaled(i, p[indexOf(FitParameter::R)]);
        return scaled(derivative(i), p[indexOf(FitParameter::L)]);
    }
    const Signal<T> q = circuit == FitCircuit::RC   ? rcCharge(p, w0, driven)
                        : circuit == FitCircuit::LC ? lcCharge(p, w0, driven)
                                                    : rlcCharge(p, w0, driven);
    switch (quantity) {
    case Quantity::Charge:
        return q;
    case Quantity::CapacitorVoltage:
        return scaled(q, constant<T>(1) / p[indexOf(FitParameter::C)]);
    case Quantity::Current:
        return derivative(q);
    case Quantity::ResistorVoltage:
        return scaled(derivative(q), p[indexOf(FitParameter::R)]);
    case Quantity::InductorVoltage:
        return scaled(derivative(derivative(q)), p[indexOf(FitParameter::L)]);
    }
    return std::nullopt;
}

template std::optional<Signal<double>> signalOf(FitCircuit, FitSource, Quantity,
                                                const ParameterValues<double> &);
template std::optional<Signal<Dual>> signalOf(FitCircuit, FitSource, Quantity,
                                              const ParameterValues<Dual> &);

double valueAt(const Signal<double> &signal, double t)
{
    double y = signal.constant;
    for (int k = 0; k < signal.count; ++k) {
        const Mode<double> &m = signal.modes[static_cast<std::size_t>(k)];
        const double e = m.a == 0 ? 1 : std::exp(m.a * t);
        const double c = m.w == 0 ? 1 : std::cos(m.w * t);
        const double s = m.w == 0 ? 0 : std::sin(m.w * t);
        y += e * ((m.cosine + m.cosineRamp * t) * c + (m.sine + m.sineRamp * t) * s);
    }
    return y;
}

void evaluate(const Signal<Dual> &signal, std::span<const double> t, std::span<double> out,
              double *jacobian, std::size_t columns)
{
    const std::size_t n = t.size();
    for (std::size_t k = 0; k < n; ++k)
        out[k] = signal.constant.v;
    if (jacobian) {
        for (std::size_t j = 0; j < columns; ++j)
            for (std::size_t k = 0; k < n; ++k)
                jacobian[j * n + k] = signal.constant.d[j];
    }
    std::vector<double> growth(2 * n);
    for (int index = 0; index < signal.count; ++index) {
        const Mode<Dual> &m = signal.modes[static_cast<std::size_t>(index)];
        const double c0 = m.cosine.v, s0 = m.sine.v, c1 = m.cosineRamp.v, s1 = m.sineRamp.v;
        growthAndPhase(m.a.v, m.w.v, t, growth.data(), growth.data() + n);
        for (std::size_t k = 0; k < n; ++k) {
            const double tk = t[k];
            const double ec = growth[k], es = growth[n + k];
            const double cosAmplitude = c0 + c1 * tk, sinAmplitude = s0 + s1 * tk;
            const double y = ec * cosAmplitude + es * sinAmplitude;
            out[k] += y;
            if (!jacobian)
                continue;
            // ∂y/∂a = t·y, ∂y/∂w = t·e·(sinAmplitude·cos − cosAmplitude·sin).
            const double byA = tk * y, byW = tk * (es * -cosAmplitude + ec * sinAmplitude);
            const double tec = tk * ec, tes = tk * es;
            for (std::size_t j = 0; j < columns; ++j)
                jacobian[j * n + k] += byA * m.a.d[j] + byW * m.w.d[j] + ec * m.cosine.d[j] +
                                       es * m.sine.d[j] + tec * m.cosineRamp.d[j] +
                                       tes * m.sineRamp.d[j];
        }
    }
}

} // namespace kel::measurement
