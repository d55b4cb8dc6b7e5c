// SPDX-License-Identifier: GPL-3.0-or-later
#include "energydrawing.h"

#include "energysession.h"

#include "display/picturearea.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>

namespace kel::energy
{

namespace
{

double valueOf(const solutions::EnergySample &s, EnergyCurve curve)
{
    switch (curve) {
    case EnergyCurve::Capacitor:
        return s.capacitor;
    case EnergyCurve::Inductor:
        return s.inductor;
    case EnergyCurve::Resistor:
        return s.resistor;
    case EnergyCurve::Source:
        return s.source;
    case EnergyCurve::Balance:
        return s.balance();
    }
    return 0;
}

constexpr std::array kCurves{EnergyCurve::Capacitor, EnergyCurve::Inductor, EnergyCurve::Resistor,
                             EnergyCurve::Source, EnergyCurve::Balance};

QString legendText(EnergyCurve curve)
{
    switch (curve) {
    case EnergyCurve::Capacitor:
        return QCoreApplication::translate("kel::energy::EnergyWindow", "W_C capacitor");
    case EnergyCurve::Inductor:
        return QCoreApplication::translate("kel::energy::EnergyWindow", "W_L inductor");
    case EnergyCurve::Resistor:
        return QCoreApplication::translate("kel::energy::EnergyWindow", "W_R heat in resistor");
    case EnergyCurve::Source:
        return QCoreApplication::translate("kel::energy::EnergyWindow", "W_S work of source");
    case EnergyCurve::Balance:
        return QCoreApplication::translate("kel::energy::EnergyWindow",
                                           "W_C + W_L + W_R \u2212 W_S");
    }
    return {};
}

} // namespace

QColor energyColour(EnergyCurve curve)
{
    switch (curve) {
    case EnergyCurve::Capacitor:
        return {0, 0, 200};
    case EnergyCurve::Inductor:
        return {200, 0, 0};
    case EnergyCurve::Resistor:
        return {190, 110, 0};
    case EnergyCurve::Source:
        return {0, 140, 0};
    case EnergyCurve::Balance:
        return {90, 90, 90};
    }
    return Qt::black;
}

void drawEnergy(display::PictureArea &area, const EnergySession &session)
{
    area.clear();
    const auto &curve = session.curve();
    if (curve.empty()) {
        area.setLegend({});
        return;
    }
    double low = 0, high = 0;
    for (const solutions::EnergySample &s : curve)
        for (EnergyCurve c : kCurves) {
            low = std::min(low, valueOf(s, c));
            high = std::max(high, valueOf(s, c));
        }
    if (high - low <= 0)
        high = low + 1;
    const double margin = (high - low) * 0.06;
    area.setScale(static_cast<float>(session.startTime()), static_cast<float>(high + margin),
                  static_cast<float>(session.endTime()), static_cast<float>(low - margin));
    area.line(static_cast<float>(session.startTime()), 0, static_cast<float>(session.endTime()), 0);
    std::vector<display::LegendEntry> legend;
    for (EnergyCurve c : kCurves) {
        const QColor colour = energyColour(c);
        area.setDashed(c == EnergyCurve::Balance);
        const solutions::EnergySample &first = curve.front();
        area.setPoint(static_cast<float>(first.t), static_cast<float>(valueOf(first, c)), colour);
        for (std::size_t k = 1; k < curve.size(); ++k)
            area.lineTo(static_cast<float>(curve[k].t), static_cast<float>(valueOf(curve[k], c)),
                        colour);
        legend.push_back({legendText(c), colour, c == EnergyCurve::Balance});
    }
    area.setDashed(false);
    area.setLegend(std::move(legend));
}

} // namespace kel::energy
