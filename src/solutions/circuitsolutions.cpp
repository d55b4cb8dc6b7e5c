// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuitsolutions.h"

#include "circuitcases.h"
#include "numbertext.h"

#include <array>
#include <cmath>
#include <utility>

namespace kel::solutions
{

namespace
{

using P = Parameter;
constexpr std::array<P, 4> kRcReads{P::v0, P::C, P::q0, P::R};
constexpr std::array<P, 4> kRlReads{P::i0, P::v0, P::R, P::L};
constexpr std::array<P, 5> kLcReads{P::L, P::C, P::q0, P::v0, P::i0};
constexpr std::array<P, 6> kRlcReads{P::R, P::L, P::C, P::q0, P::v0, P::i0};
constexpr std::array<P, 6> kDrivenLcReads{P::L, P::C, P::w0, P::v0, P::q0, P::i0};
constexpr std::array<P, 5> kDrivenRcReads{P::v0, P::C, P::w0, P::R, P::q0};
constexpr std::array<P, 5> kDrivenRlReads{P::v0, P::R, P::L, P::w0, P::i0};
constexpr std::array<P, 7> kDrivenRlcReads{P::R, P::L, P::C, P::w0, P::v0, P::q0, P::i0};

const std::array<CaseRow, 8> kCaseTable{{
    {q1, i1, kRcReads},
    {nullptr, i2, kRlReads},
    {q3, i3, kLcReads},
    {q4, i4, kRlcReads},
    {q5, i5, kDrivenLcReads},
    {q6, i6, kDrivenRcReads},
    {nullptr, i7, kDrivenRlReads},
    {q8, i8, kDrivenRlcReads},
}};

} // namespace

std::string_view boxName(Parameter parameter)
{
    switch (parameter) {
    case P::R:
        return "R";
    case P::L:
        return "L";
    case P::C:
        return "C";
    case P::v0:
        return "v0";
    case P::w0:
        return "w0";
    case P::q0:
        return "q0";
    case P::i0:
        return "i0";
    }
    return "?";
}

double parameterValue(const CircuitParameters &p, Parameter parameter)
{
    switch (parameter) {
    case P::R:
        return p.R;
    case P::L:
        return p.L;
    case P::C:
        return p.C;
    case P::v0:
        return p.v0;
    case P::w0:
        return p.w0;
    case P::q0:
        return p.q0;
    case P::i0:
        return p.i0;
    }
    return 0;
}

double VS(const CircuitParameters &p, double t)
{
    return p.v0 * std::sin(p.w0 * t);
}

const CaseRow *caseFor(int circuitKind)
{
    if (circuitKind < 1 || circuitKind > static_cast<int>(kCaseTable.size()))
        return nullptr;
    return &kCaseTable[static_cast<std::size_t>(circuitKind - 1)];
}

namespace
{
constexpr std::array<Parameter, 7> kAllParameters{P::R, P::L, P::C, P::v0, P::w0, P::q0, P::i0};

std::size_t slot(Parameter parameter)
{
    return static_cast<std::size_t>(parameter);
}

void store(CircuitParameters &p, Parameter parameter, double value, const std::string &w0Text)
{
    switch (parameter) {
    case P::R:
        p.R = value;
        break;
    case P::L:
        p.L = value;
        break;
    case P::C:
        p.C = value;
        break;
    case P::v0:
        p.v0 = value;
        break;
    case P::w0:
        p.w0 = value;
        p.w0Text = w0Text;
        break;
    case P::q0:
        p.q0 = value;
        break;
    case P::i0:
        p.i0 = value;
        break;
    }
}
} // namespace

ReadResult readParameters(const std::function<std::string(Parameter)> &textOf,
                          std::span<const Parameter> which)
{
    CircuitParameters p;
    for (const Parameter parameter : which) {
        if (!textOf)
            return {std::nullopt, parameter};
        const std::string text = textOf(parameter);
        const auto value = toNumber(text);
        if (!value)
            return {std::nullopt, parameter};
        store(p, parameter, *value, text);
    }
    return {std::move(p), std::nullopt};
}

ParsedParameters::ParsedParameters(const std::function<std::string(Parameter)> &textOf)
{
    for (const Parameter parameter : kAllParameters) {
        const std::string text = textOf(parameter);
        m_values[slot(parameter)] = toNumber(text);
        if (parameter == P::w0)
            m_w0Text = text;
    }
}

ReadResult ParsedParameters::read(std::span<const Parameter> which) const
{
    CircuitParameters p;
    for (const Parameter parameter : which) {
        const auto value = m_values[slot(parameter)];
        if (!value)
            return {std::nullopt, parameter};
        store(p, parameter, *value, m_w0Text);
    }
    return {std::move(p), std::nullopt};
}

} // namespace kel::solutions
