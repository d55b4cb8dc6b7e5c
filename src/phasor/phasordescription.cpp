// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasordescription.h"

#include "display/qstringtext.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <numbers>

namespace kel::phasor
{

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("PhasorsWindow", text);
}

QString number(double value)
{
    return display::shortNumberText(value);
}

// To a tenth of a degree, in (-180, 180]: the drawing's rounding makes no "1e-05°" of a
// phasor on the axis, nor "-180°" of one pointing left.
double tenthsOfDegree(double radians)
{
    double degrees = std::round(radians * 1800.0 / std::numbers::pi) / 10.0;
    if (degrees <= -180.0)
        degrees += 360.0;
    return degrees == 0.0 ? 0.0 : degrees;
}

} // namespace

QString voltageName(Voltage v)
{
    switch (v) {
    case Voltage::Resistor:
        return tr("VR");
    case Voltage::Capacitor:
        return tr("VC");
    case Voltage::Inductor:
        return tr("VL");
    case Voltage::Source:
        return tr("V total");
    }
    return {};
}

// The curves' palette colours (see colourIndex), named as a reader would see them.
QString colourName(Voltage v)
{
    switch (v) {
    case Voltage::Resistor:
        return tr("blue");
    case Voltage::Capacitor:
        return tr("green");
    case Voltage::Inductor:
        return tr("red");
    case Voltage::Source:
        return tr("black");
    }
    return {};
}

QString keyDescription(Voltage v)
{
    return tr("%1 is drawn in %2").arg(voltageName(v), colourName(v));
}

QString timePlotDescription(const PhasorScene &scene, std::optional<double> marker)
{
    const Solution &s = scene.solution();
    QStringList curves;
    for (Voltage v : kVoltages)
        if (scene.shown()[static_cast<std::size_t>(v)])
            curves << tr("%1 in %2").arg(voltageName(v), colourName(v));
    QString text =
        tr("Voltage against time from %1 to %2 s, %3 to %4 V: %5.")
            .arg(number(s.time.tMin), number(s.time.tMax), number(-s.PlotMax), number(s.PlotMax),
                 curves.isEmpty() ? tr("no voltage shown") : curves.join(tr(", ")));
    if (marker)
        text += QLatin1Char(' ') + tr("Marker at t2 = %1 s.").arg(number(*marker));
    return text;
}

QString emptyTimePlotDescription()
{
    return tr("Voltage against time: empty. Choose Plot to draw.");
}

QString phasorDiagramDescription(const PhasorScene &scene, double t2)
{
    QStringList phasors;
    for (Voltage v : kVoltages) {
        const Point tip = phasorTip(scene.solution(), v, t2);
        phasors << tr("%1 %2 V at %3\u00B0")
                       .arg(voltageName(v), number(std::hypot(tip.x, tip.y)),
                            number(tenthsOfDegree(std::atan2(tip.y, tip.x))));
    }
    return tr("Phasors at t = %1 s: %2.").arg(number(t2), phasors.join(tr(", ")));
}

QString emptyDiagramDescription()
{
    return tr("Phasor diagram: empty. Choose Plot to draw.");
}

} // namespace kel::phasor
