// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuitmodel.h"

#include <cmath>
#include <numbers>

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
    m.P = amplitude;
    return m;
}

// K·cos(w·t) + S·sin(w·t).
template <typename T> Mode<T> sinusoid(const T &w, const T &K, const T &S)
{
    Mode<T> m;
    m.w = w;
    m.P = K;
    m.Q = S;
    return m;
}

template <typename T> Signal<T> derivative(const Signal<T> &s)
{
    // d/dt of e^(a·t)·((P + P1·t)·cos + (Q + Q1·t)·sin), term by term.
    Signal<T> d;
    d.count = s.count;
    for (int k = 0; k < s.count; ++k) {
        const Mode<T> &m = s.modes[static_cast<std::size_t>(k)];
        Mode<T> &r = d.modes[static_cast<std::size_t>(k)];
        r.a = m.a;
        r.w = m.w;
        r.P = m.a * m.P + m.P1 + m.w * m.Q;
        r.P1 = m.a * m.P1 + m.w * m.Q1;
        r.Q = m.a * m.Q + m.Q1 - m.w * m.P;
        r.Q1 = m.a * m.Q1 - m.w * m.P1;
    }
    return d;
}

template <typename T> Signal<T> scaled(Signal<T> s, const T &factor)
{
    s.constant = s.constant * factor;
    for (int k = 0; k < s.count; ++k) {
        Mode<T> &m = s.modes[static_cast<std::size_t>(k)];
        m.P = m.P * factor;
        m.Q = m.Q * factor;
        m.P1 = m.P1 * factor;
        m.Q1 = m.Q1 * factor;
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
    const T M = wrc * wrc + constant<T>(1);
    const T S = (v0 * C) / M;
    const T K = (R * ((-v0 * w0) * (C * C))) / M;
    add(s, exponential(rate, q0 - K));
    add(s, sinusoid(w0, K, S));
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
    const T Lw = L * w0;
    const T M = R * R + Lw * Lw;
    const T S = (v0 * R) / M;
    const T K = (L * (-v0 * w0)) / M;
    add(s, exponential(rate, i0 - K));
    add(s, sinusoid(w0, K, S));
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
        const T P = -v0 / ((w0 + w0) * L);
        Mode<T> m = sinusoid(w0, q0, (i0 - P) / w0);
        m.P1 = P;
        add(s, m);
        return s;
    }
    const T P = (v0 / (omega * omega - w0 * w0)) / L;
    add(s, sinusoid(omega, q0, (i0 - w0 * P) / omega));
    add(s, sinusoid(w0, constant<T>(0), P));
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
    // The transient starts from Q (charge) and J (current) about the steady part.
    T Q, J;
    if (!driven) {
        s.constant = C * v0;
        Q = q0 - C * v0;
        J = i0;
    } else {
        const T X = constant<T>(1) / C - (L * w0) * w0;
        const T Rw = R * w0;
        const T M = Rw * Rw + X * X;
        const T K = (R * (w0 * (-v0))) / M;
        const T S = (v0 * X) / M;
        Q = q0 - K;
        J = i0 - w0 * S;
        add(s, sinusoid(w0, K, S));
    }
    if (valueOf(D) > 0) {
        const T root = squareRoot(D) / twoL;
        const T s1 = root + a, s2 = a - root;
        add(s, exponential(s1, (s2 * Q - J) / (s2 - s1)));
        add(s, exponential(s2, (J - s1 * Q) / (s2 - s1)));
    } else if (valueOf(D) == 0) {
        Mode<T> m = exponential(a, Q);
        m.P1 = J - a * Q;
        add(s, m);
    } else {
        const T wd = squareRoot(-D) / twoL;
        Mode<T> m = sinusoid(wd, Q, (J - a * Q) / wd);
        m.a = a;
        add(s, m);
    }
    return s;
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
        y += e * ((m.P + m.P1 * t) * c + (m.Q + m.Q1 * t) * s);
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
    for (int index = 0; index < signal.count; ++index) {
        const Mode<Dual> &m = signal.modes[static_cast<std::size_t>(index)];
        const double a = m.a.v, w = m.w.v;
        const double P = m.P.v, Q = m.Q.v, P1 = m.P1.v, Q1 = m.Q1.v;
        for (std::size_t k = 0; k < n; ++k) {
            const double tk = t[k];
            const double e = a == 0 ? 1 : std::exp(a * tk);
            const double c = w == 0 ? 1 : std::cos(w * tk);
            const double s = w == 0 ? 0 : std::sin(w * tk);
            const double ec = e * c, es = e * s;
            const double cosAmplitude = P + P1 * tk, sinAmplitude = Q + Q1 * tk;
            const double y = ec * cosAmplitude + es * sinAmplitude;
            out[k] += y;
            if (!jacobian)
                continue;
            // ∂y/∂a = t·y, ∂y/∂w = t·e·(sinAmplitude·cos − cosAmplitude·sin).
            const double byA = tk * y, byW = tk * (es * -cosAmplitude + ec * sinAmplitude);
            const double tec = tk * ec, tes = tk * es;
            for (std::size_t j = 0; j < columns; ++j)
                jacobian[j * n + k] += byA * m.a.d[j] + byW * m.w.d[j] + ec * m.P.d[j] +
                                       es * m.Q.d[j] + tec * m.P1.d[j] + tes * m.Q1.d[j];
        }
    }
}

} // namespace kel::measurement
