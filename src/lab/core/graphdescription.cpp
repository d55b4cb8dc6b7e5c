// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphdescription.h"

#include "solutions/numbertext.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace kel::lab
{

namespace
{

struct GraphDescription {
    Q_DECLARE_TR_FUNCTIONS(GraphDescription)
};

QString number(double value)
{
    return QString::fromStdString(solutions::shortText(value)).replace('-', QChar(0x2212));
}

QString curveName(Curve curve)
{
    switch (curve) {
    case Curve::Charge:
        return GraphDescription::tr("charge");
    case Curve::Current:
        return GraphDescription::tr("current");
    case Curve::Voltage:
        return GraphDescription::tr("source voltage");
    }
    return {};
}

QString unitOf(Curve curve)
{
    switch (curve) {
    case Curve::Charge:
        return QStringLiteral("C");
    case Curve::Current:
        return QStringLiteral("A");
    case Curve::Voltage:
        return QStringLiteral("V");
    }
    return {};
}

QString colourName(int colour)
{
    return colour == 1 ? GraphDescription::tr("blue") : GraphDescription::tr("red");
}

QString circuitName(CircuitKind kind)
{
    switch (kind) {
    case CircuitKind::Rc:
    case CircuitKind::DrivenRc:
        return GraphDescription::tr("RC circuit");
    case CircuitKind::Rl:
    case CircuitKind::DrivenRl:
        return GraphDescription::tr("RL circuit");
    case CircuitKind::Lc:
    case CircuitKind::DrivenLc:
        return GraphDescription::tr("LC circuit");
    case CircuitKind::Rlc:
    case CircuitKind::DrivenRlc:
        return GraphDescription::tr("RLC circuit");
    case CircuitKind::None:
        break;
    }
    return GraphDescription::tr("No circuit");
}

} // namespace

const CurveLook &lookOf(Curve curve)
{
    return kCurveLooks[static_cast<std::size_t>(curve)];
}

const CurveSamples &samplesOf(const PlotRecord &plot, Curve curve)
{
    switch (curve) {
    case Curve::Charge:
        return plot.charge;
    case Curve::Current:
        return plot.current;
    case Curve::Voltage:
        break;
    }
    return plot.voltage;
}

std::vector<Curve> curvesOn(const CurveSelection &drawn)
{
    std::vector<Curve> curves;
    if (drawn.charge)
        curves.push_back(Curve::Charge);
    if (drawn.current)
        curves.push_back(Curve::Current);
    if (drawn.voltage)
        curves.push_back(Curve::Voltage);
    return curves;
}

QString legendName(Curve curve)
{
    switch (curve) {
    case Curve::Charge:
        return GraphDescription::tr("Charge q");
    case Curve::Current:
        return GraphDescription::tr("Current i");
    case Curve::Voltage:
        return GraphDescription::tr("Source voltage");
    }
    return {};
}

std::optional<double> valueAt(const CurveSamples &curve, double t)
{
    const auto &s = curve.samples;
    if (s.empty() || !std::isfinite(t))
        return std::nullopt;
    const bool rising = s.back().t >= s.front().t;
    const auto before = [rising](const CurveSamples::Sample &a, double x) {
        return rising ? a.t < x : a.t > x;
    };
    auto after = std::lower_bound(s.begin(), s.end(), t, before);
    if (after == s.end())
        return std::nullopt;
    if (after->t == t)
        return std::isfinite(after->value) ? std::optional(after->value) : std::nullopt;
    if (after == s.begin())
        return std::nullopt;
    const auto &a = *(after - 1);
    const auto &b = *after;
    const double v = a.value + (b.value - a.value) * (t - a.t) / (b.t - a.t);
    return std::isfinite(v) ? std::optional(v) : std::nullopt;
}

QString graphDescription(const LabSession &session, const GraphScale &shown,
                         std::optional<double> cursorT)
{
    QStringList parts;
    parts << circuitName(session.circuitKind()) + QLatin1Char('.');
    const std::vector<Curve> curves = curvesOn(session.curvesOnGraph());
    if (curves.empty()) {
        parts << GraphDescription::tr("No curves plotted.");
    } else {
        QStringList named;
        for (Curve c : curves)
            named << GraphDescription::tr("%1 (%2, %3)")
                         .arg(curveName(c), colourName(lookOf(c).colour),
                              lookOf(c).dashed ? GraphDescription::tr("dashed")
                                               : GraphDescription::tr("solid"));
        parts << GraphDescription::tr("Curves: %1.").arg(named.join(QStringLiteral(", ")));
    }
    parts << GraphDescription::tr("Time from %1 to %2 s, values from %3 to %4.")
                 .arg(number(shown.x1), number(shown.x2), number(std::min(shown.y1, shown.y2)),
                      number(std::max(shown.y1, shown.y2)));
    if (!session.history().empty())
        parts << GraphDescription::tr("Plots drawn: %1.")
                     .arg(QString::fromStdString(
                         solutions::integerText(static_cast<long long>(session.history().size()))));
    if (cursorT) {
        QStringList values;
        for (Curve c : curves)
            if (const auto v = valueAt(samplesOf(session.lastPlot(), c), *cursorT))
                values << GraphDescription::tr("%1 %2 %3").arg(curveName(c), number(*v), unitOf(c));
        parts << (values.empty() ? GraphDescription::tr("Cursor at t = %1 s.").arg(number(*cursorT))
                                 : GraphDescription::tr("Cursor at t = %1 s: %2.")
                                       .arg(number(*cursorT), values.join(QStringLiteral(", "))));
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace kel::lab
