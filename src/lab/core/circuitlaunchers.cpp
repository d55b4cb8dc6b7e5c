// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuitlaunchers.h"

#include "display/windowinstance.h"
#include "lab/circuitconfiguration.h"
#include "lab/labwindow.h"

#include <array>

namespace kel::shell
{

namespace
{

using lab::CircuitConfiguration;
using lab::ControlGroup;
using lab::FrameKind;
using lab::groups;
using lab::SourceButton;
using lab::SourceKind;
using T = lab::TextBox;
using G = ControlGroup;

struct Launcher {
    int commandNumber;
    CircuitConfiguration configuration;
};

// The twelve circuit buttons of the main menu and the configuration each one opens.
const std::array<Launcher, 12> &launchers()
{
    static const std::array<Launcher, 12> table{{
        {1,
         {1,
          SourceKind::None,
          "No EMF ",
          {{T::v0, "0"}, {T::f0, "100"}, {T::q0, "10"}, {T::C, "10"}, {T::R, "1"}},
          groups({G::Resistance, G::Capacitance, G::InitialCharge, G::ChargeReadout, G::ChargeGraph,
                  G::CurrentGraph}),
          SourceButton::None,
          FrameKind::Fixed}},
        {3,
         {2,
          SourceKind::None,
          "No EMF ",
          {{T::v0, "0"}, {T::i0, "5"}, {T::R, "1"}, {T::L, "10"}},
          groups({G::Resistance, G::Inductance, G::InitialCurrent, G::CurrentGraph}),
          SourceButton::None,
          FrameKind::Fixed}},
        {4,
         {3,
          SourceKind::None,
          "No EMF ",
          {{T::v0, "0"}, {T::f0, "100"}, {T::q0, "10"}, {T::i0, "0"}, {T::C, "10"}, {T::L, "10"}},
          groups({G::Capacitance, G::Inductance, G::InitialCharge, G::InitialCurrent,
                  G::ChargeReadout, G::ChargeGraph, G::CurrentGraph}),
          SourceButton::NoV,
          FrameKind::CurrentScale}},
        {5,
         {4,
          SourceKind::None,
          "No EMF",
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
         {1,
          SourceKind::Constant,
          "Constant EMF ",
          {{T::f0, "100"}, {T::v0, "1"}, {T::q0, "1"}, {T::C, "10"}, {T::R, "1"}},
          groups({G::Resistance, G::Capacitance, G::Amplitude, G::InitialCharge, G::ChargeReadout,
                  G::ChargeGraph, G::CurrentGraph}),
          SourceButton::None,
          FrameKind::Fixed}},
        {7,
         {2,
          SourceKind::Constant,
          "Constant EMF ",
          {{T::f0, "100"}, {T::v0, "1"}, {T::i0, "5"}, {T::R, "1"}, {T::L, "10"}},
          groups({G::Resistance, G::Inductance, G::Amplitude, G::InitialCurrent, G::CurrentGraph}),
          SourceButton::None,
          FrameKind::Fixed}},
        {8,
         {3,
          SourceKind::Constant,
          "Constant EMF ",
          {{T::f0, "100"}, {T::v0, "1"}, {T::q0, "1"}, {T::i0, "0"}, {T::C, "10"}, {T::L, "10"}},
          groups({G::Capacitance, G::Inductance, G::Amplitude, G::InitialCharge, G::InitialCurrent,
                  G::ChargeReadout, G::ChargeGraph, G::CurrentGraph}),
          SourceButton::DC,
          FrameKind::CurrentScale}},
        {9,
         {4,
          SourceKind::Constant,
          "Constant EMF",
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
         {6,
          SourceKind::Alternating,
          "Alternating EMF",
          {{T::f0, "100"}, {T::v0, "10"}, {T::q0, "10"}, {T::C, "10"}, {T::R, "1"}},
          groups({G::Resistance, G::Capacitance, G::Amplitude, G::Frequency, G::InitialCharge,
                  G::ChargeReadout, G::ChargeGraph, G::CurrentGraph, G::SourceGraph}),
          SourceButton::None,
          FrameKind::Fixed}},
        {11,
         {7,
          SourceKind::Alternating,
          "Alternating EMF",
          {{T::f0, "100"}, {T::v0, "5"}, {T::i0, "10"}, {T::R, "1"}, {T::L, "10"}},
          groups({G::Resistance, G::Inductance, G::Amplitude, G::Frequency, G::InitialCurrent,
                  G::CurrentGraph, G::SourceGraph}),
          SourceButton::None,
          FrameKind::Fixed}},
        {12,
         {5,
          SourceKind::Alternating,
          "Alternating EMF",
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
         {8,
          SourceKind::Alternating,
          "Alternating EMF",
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

void launchCircuit(int commandNumber)
{
    for (const Launcher &l : launchers()) {
        if (l.commandNumber == commandNumber) {
            display::WindowInstance<lab::LabWindow>::get().applyConfiguration(l.configuration);
            return;
        }
    }
}

} // namespace kel::shell
