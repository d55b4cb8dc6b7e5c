// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitproblem.h"

namespace kel::measurement
{

namespace
{

using P = FitParameter;
constexpr std::array<P, 3> kRc{P::R, P::C, P::q0};
constexpr std::array<P, 4> kRcDc{P::R, P::C, P::v0, P::q0};
constexpr std::array<P, 5> kRcAc{P::R, P::C, P::v0, P::f0, P::q0};
constexpr std::array<P, 3> kRl{P::R, P::L, P::i0};
constexpr std::array<P, 4> kRlDc{P::R, P::L, P::v0, P::i0};
constexpr std::array<P, 5> kRlAc{P::R, P::L, P::v0, P::f0, P::i0};
constexpr std::array<P, 4> kLc{P::L, P::C, P::q0, P::i0};
constexpr std::array<P, 5> kLcDc{P::L, P::C, P::v0, P::q0, P::i0};
constexpr std::array<P, 6> kLcAc{P::L, P::C, P::v0, P::f0, P::q0, P::i0};
constexpr std::array<P, 5> kRlc{P::R, P::L, P::C, P::q0, P::i0};
constexpr std::array<P, 6> kRlcDc{P::R, P::L, P::C, P::v0, P::q0, P::i0};
constexpr std::array<P, 7> kRlcAc{P::R, P::L, P::C, P::v0, P::f0, P::q0, P::i0};

struct Named {
    std::string_view name;
    FitCircuit circuit;
    FitSource source;
};
constexpr std::array<Named, 12> kCircuitNames{{
    {"rc", FitCircuit::RC, FitSource::None},
    {"rc-dc", FitCircuit::RC, FitSource::Constant},
    {"rc-ac", FitCircuit::RC, FitSource::Alternating},
    {"rl", FitCircuit::RL, FitSource::None},
    {"rl-dc", FitCircuit::RL, FitSource::Constant},
    {"rl-ac", FitCircuit::RL, FitSource::Alternating},
    {"lc", FitCircuit::LC, FitSource::None},
    {"lc-dc", FitCircuit::LC, FitSource::Constant},
    {"lc-ac", FitCircuit::LC, FitSource::Alternating},
    {"rlc", FitCircuit::RLC, FitSource::None},
    {"rlc-dc", FitCircuit::RLC, FitSource::Constant},
    {"rlc-ac", FitCircuit::RLC, FitSource::Alternating},
}};

constexpr std::array<std::string_view, 5> kQuantityNames{"vC", "vR", "vL", "i", "q"};
constexpr std::array<std::string_view, kFitParameterCount> kParameterNames{"R",  "L",  "C", "v0",
                                                                           "f0", "q0", "i0"};

} // namespace

std::span<const FitParameter> parametersOf(FitCircuit circuit, FitSource source)
{
    const auto pick = [source](std::span<const P> none, std::span<const P> dc,
                               std::span<const P> ac) {
        return source == FitSource::None ? none : source == FitSource::Constant ? dc : ac;
    };
    switch (circuit) {
    case FitCircuit::RC:
        return pick(kRc, kRcDc, kRcAc);
    case FitCircuit::RL:
        return pick(kRl, kRlDc, kRlAc);
    case FitCircuit::LC:
        return pick(kLc, kLcDc, kLcAc);
    case FitCircuit::RLC:
        return pick(kRlc, kRlcDc, kRlcAc);
    }
    return {};
}

std::optional<CircuitName> circuitNamed(std::string_view name)
{
    for (const Named &row : kCircuitNames)
        if (row.name == name)
            return CircuitName{row.circuit, row.source};
    return std::nullopt;
}

std::string_view circuitName(FitCircuit circuit, FitSource source)
{
    for (const Named &row : kCircuitNames)
        if (row.circuit == circuit && row.source == source)
            return row.name;
    return {};
}

std::optional<Quantity> quantityNamed(std::string_view name)
{
    for (std::size_t k = 0; k < kQuantityNames.size(); ++k)
        if (kQuantityNames[k] == name)
            return static_cast<Quantity>(k);
    return std::nullopt;
}

std::string_view quantityName(Quantity quantity)
{
    return kQuantityNames[static_cast<std::size_t>(quantity)];
}

std::optional<FitParameter> parameterNamed(std::string_view name)
{
    for (std::size_t k = 0; k < kParameterNames.size(); ++k)
        if (kParameterNames[k] == name)
            return static_cast<FitParameter>(k);
    return std::nullopt;
}

std::string_view parameterName(FitParameter parameter)
{
    return kParameterNames[indexOf(parameter)];
}

std::string_view parameterUnit(FitParameter parameter)
{
    switch (parameter) {
    case FitParameter::R:
        return "\u03a9";
    case FitParameter::L:
        return "H";
    case FitParameter::C:
        return "F";
    case FitParameter::q0:
        return "C";
    case FitParameter::v0:
        return "V";
    case FitParameter::f0:
        return "Hz";
    case FitParameter::i0:
        return "A";
    }
    return {};
}

} // namespace kel::measurement
