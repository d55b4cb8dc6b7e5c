// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuitlaunchers.h"

#include <QtGlobal>

#include <array>

namespace kel::lab
{

namespace
{

using T = TextBox;
using G = ControlGroup;
using K = CircuitKind;

const std::array<CircuitLauncher, 12> &launchers()
{
    static const std::array<CircuitLauncher, 12> table{{
        {1,
         {K::Rc,
          SourceKind::None,
          QT_TRANSLATE_NOOP("CircuitLaunchers", "No EMF "),
          {{T::v0, "0"}, {T::f0, "100"}, {T::q0, "10"}, {T::C, "10"}, {T::R, "1"}},
          groups({G::Resistance, G::Capacitance, G::InitialCharge, G::ChargeReadout, G::ChargeGraph,
                  G::CurrentGraph}),
          SourceButton::None,
          FrameKind::Fixed}},
        {3,
         {K::Rl,
          SourceKind::None,
          QT_TRANSLATE_NOOP("CircuitLaunchers", "No EMF "),
          {{T::v0, "0"}, {T::i0, "5"}, {T::R, "1"}, {T::L, "10"}},
          groups({G::Resistance, G::Inductance, G::InitialCurrent, G::CurrentGraph}),
          SourceButton::None,
          FrameKind::Fixed}},
        {4,
         {K::Lc,
          SourceKind::None,
          QT_TRANSLATE_NOOP("CircuitLaunchers", "No EMF "),
          {{T::v0, "0"}, {T::f0, "100"}, {T::q0, "10"}, {T::i0, "0"}, {T::C, "10"}, {T::L, "10"}},
          groups({G::Capacitance, G::Inductance, G::InitialCharge, G::InitialCurrent,
                  G::ChargeReadout, G::ChargeGraph, G::CurrentGraph}),
          SourceButton::NoV,
          FrameKind::CurrentScale}},
        {5,
         {K::Rlc,
          SourceKind::None,
          QT_TRANSLATE_NOOP("CircuitLaunchers", "No EMF"),
          {{T::v0, "0"},
           {T::f0, "100"},
           {T::q0, "10"},
           {T::i0, "0"},
           {T::C, "10"},
           {T::R, "1"},
           {T::L, "10"}},
          groups({G::Resistance, G::Capacitance, G::Inductance, G::InitialCharge, G::InitialCurrent,
                  G::ChargeReadout, G::ChargeGraph, G::CurrentGraph}),
          SourceButton::NoV,
          FrameKind::CurrentScale}},
        {6,
         {K::Rc,
          SourceKind::Constant,
          QT_TRANSLATE_NOOP("CircuitLaunchers", "Constant EMF "),
          {{T::f0, "100"}, {T::v0, "1"}, {T::q0, "1"}, {T::C, "10"}, {T::R, "1"}},
          groups({G::Resistance, G::Capacitance, G::Amplitude, G::InitialCharge, G::ChargeReadout,
                  G::ChargeGraph, G::CurrentGraph}),
          SourceButton::None,
          FrameKind::Fixed}},
        {7,
         {K::Rl,
          SourceKind::Constant,
          QT_TRANSLATE_NOOP("CircuitLaunchers", "Constant EMF "),
          {{T::f0, "100"}, {T::v0, "1"}, {T::i0, "5"}, {T::R, "1"}, {T::L, "10"}},
          groups({G::Resistance, G::Inductance, G::Amplitude, G::InitialCurrent, G::CurrentGraph}),
          SourceButton::None,
          FrameKind::Fixed}},
        {8,
         {K::Lc,
          SourceKind::Constant,
          QT_TRANSLATE_NOOP("CircuitLaunchers", "Constant EMF "),
          {{T::f0, "100"}, {T::v0, "1"}, {T::q0, "1"}, {T::i0, "0"}, {T::C, "10"}, {T::L, "10"}},
          groups({G::Capacitance, G::Inductance, G::Amplitude, G::InitialCharge, G::InitialCurrent,
                  G::ChargeReadout, G::ChargeGraph, G::CurrentGraph}),
          SourceButton::DC,
          FrameKind::CurrentScale}},
        {9,
         {K::Rlc,
          SourceKind::Constant,
          QT_TRANSLATE_NOOP("CircuitLaunchers", "Constant EMF"),
          {{T::f0, "100"},
           {T::v0, "1"},
           {T::q0, "1"},
           {T::i0, "0"},
           {T::C, "10"},
           {T::R, "1"},
           {T::L, "10"}},
          groups({G::Resistance, G::Capacitance, G::Inductance, G::Amplitude, G::InitialCharge,
                  G::InitialCurrent, G::ChargeReadout, G::ChargeGraph, G::CurrentGraph}),
          SourceButton::DC,
          FrameKind::CurrentScale}},
        {10,
         {K::DrivenRc,
          SourceKind::Alternating,
          QT_TRANSLATE_NOOP("CircuitLaunchers", "Alternating EMF"),
          {{T::f0, "100"}, {T::v0, "10"}, {T::q0, "10"}, {T::C, "10"}, {T::R, "1"}},
          groups({G::Resistance, G::Capacitance, G::Amplitude, G::Frequency, G::InitialCharge,
                  G::ChargeReadout, G::ChargeGraph, G::CurrentGraph, G::SourceGraph}),
          SourceButton::None,
          FrameKind::Fixed}},
        {11,
         {K::DrivenRl,
          SourceKind::Alternating,
          QT_TRANSLATE_NOOP("CircuitLaunchers", "Alternating EMF"),
          {{T::f0, "100"}, {T::v0, "5"}, {T::i0, "10"}, {T::R, "1"}, {T::L, "10"}},
          groups({G::Resistance, G::Inductance, G::Amplitude, G::Frequency, G::InitialCurrent,
                  G::CurrentGraph, G::SourceGraph}),
          SourceButton::None,
          FrameKind::Fixed}},
        {12,
         {K::DrivenLc,
          SourceKind::Alternating,
          QT_TRANSLATE_NOOP("CircuitLaunchers", "Alternating EMF"),
          {{T::f0, "100"},
           {T::v0, "5"},
           {T::q0, "10"},
           {T::i0, "0"},
           {T::C, "10"},
           {T::R, "1"},
           {T::L, "10"}},
          groups({G::Capacitance, G::Inductance, G::Amplitude, G::Frequency, G::InitialCharge,
                  G::InitialCurrent, G::ChargeReadout, G::ChargeGraph, G::CurrentGraph,
                  G::SourceGraph}),
          SourceButton::AC,
          FrameKind::CurrentScale}},
        {13,
         {K::DrivenRlc,
          SourceKind::Alternating,
          QT_TRANSLATE_NOOP("CircuitLaunchers", "Alternating EMF"),
          {{T::f0, "100"},
           {T::v0, "5"},
           {T::q0, "10"},
           {T::i0, "0"},
           {T::C, "0.1"},
           {T::R, "1"},
           {T::L, "10"}},
          groups({G::Resistance, G::Capacitance, G::Inductance, G::Amplitude, G::Frequency,
                  G::InitialCharge, G::InitialCurrent, G::ChargeReadout, G::ChargeGraph,
                  G::CurrentGraph, G::SourceGraph}),
          SourceButton::None,
          FrameKind::Fixed}},
    }};
    return table;
}

} // namespace

std::span<const CircuitLauncher> circuitLaunchers()
{
    return launchers();
}

const CircuitConfiguration *launcherConfiguration(int commandNumber)
{
    for (const CircuitLauncher &l : launchers())
        if (l.commandNumber == commandNumber)
            return &l.configuration;
    return nullptr;
}

} // namespace kel::lab
