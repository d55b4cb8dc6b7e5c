// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasorstatus.h"

#include "display/qstringtext.h"

#include <QCoreApplication>

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

QString shortNumber(double value)
{
    return display::shortNumberText(value);
}

} // namespace

QString problemNote(const SolveResult &result)
{
    switch (result.problem) {
    case Problem::NotANumber:
        return tr("%1 is not a number").arg(display::toQString(result.box));
    case Problem::ZeroFrequency:
        return tr("f must not be 0");
    case Problem::ZeroCycles:
        return tr("Number of Cycles must not be 0");
    case Problem::NegativeCycles:
        return tr("Number of Cycles must be greater than 0");
    case Problem::ZeroImpedance:
        return tr("Z = 0 \u03A9: the current would be infinite");
    case Problem::TooLarge:
        return tr("the values are too large to draw");
    case Problem::NothingToDraw:
        return tr("every amplitude is 0: nothing to draw");
    case Problem::BadInterval:
        return tr("Number of Cycles / f is too long or too short to draw");
    case Problem::None:
        break;
    }
    return {};
}

QString problemMessage(const SolveResult &result)
{
    switch (result.problem) {
    case Problem::NotANumber:
        return display::withDecimalCommaHint(
            tr("The text of %1 is not a number.").arg(display::toQString(result.box)),
            display::toQString(result.text));
    case Problem::ZeroFrequency:
        return tr("The frequency f must not be 0.");
    case Problem::ZeroCycles:
        return tr("The Number of Cycles must not be 0.");
    case Problem::NegativeCycles:
        return tr("The Number of Cycles must be greater than 0: a number of cycles of 0 or less "
                  "leaves no time to plot.");
    case Problem::ZeroImpedance:
        return tr("The impedance is 0 (R is 0 and the reactances of L and C cancel), so the "
                  "current would be infinite. Change R, C, L or f.");
    case Problem::TooLarge:
        return tr("The values of R, C, L, Vmax and f give voltages too large to draw.");
    case Problem::NothingToDraw:
        return tr("The largest voltage amplitude is 0 (VRmax, VCmax, VLmax and Vmax are all 0 or "
                  "less), so there is nothing to draw. Enter a positive Vmax.");
    case Problem::BadInterval:
        return tr("The plotted interval, Number of Cycles / f, is too long or too short to draw.");
    case Problem::None:
        break;
    }
    return {};
}

QString circuitStatusText(const ParameterTexts &texts)
{
    const SolveResult result = solveAmplitudes(texts);
    if (!result.solution)
        return problemNote(result);
    const Solution &s = *result.solution;
    const double degrees = s.phi * 180.0 / std::numbers::pi;
    return tr("\u03C9 = %1 rad/s, Z = %2 \u03A9, \u03C6 = %3\u00B0, I0 = %4 A")
        .arg(shortNumber(s.omega), shortNumber(s.Z), shortNumber(degrees), shortNumber(s.I0));
}

QString pointerStatusText(const Point &reading)
{
    if (!std::isfinite(reading.x) || !std::isfinite(reading.y))
        return {};
    return tr("t = %1 s, v = %2 V").arg(shortNumber(reading.x), shortNumber(reading.y));
}

} // namespace kel::phasor
