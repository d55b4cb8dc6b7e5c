// SPDX-License-Identifier: GPL-3.0-or-later
#include "parametertests.h"

#include <array>

namespace kel::lab
{

namespace
{

using solutions::Parameter;
using solutions::parameterValue;
using Rule = ParameterTest::Rule;

constexpr std::array<Parameter, 2> kCR{Parameter::C, Parameter::R};
constexpr std::array<Parameter, 2> kRC{Parameter::R, Parameter::C};
constexpr std::array<Parameter, 2> kRL{Parameter::R, Parameter::L};
constexpr std::array<Parameter, 2> kLR{Parameter::L, Parameter::R};
constexpr std::array<Parameter, 2> kLC{Parameter::L, Parameter::C};
constexpr std::array<Parameter, 1> kL{Parameter::L};
constexpr std::array<Parameter, 3> kRLC{Parameter::R, Parameter::L, Parameter::C};

const std::array<ParameterTest, 8> kPlotTests{{
    {Rule::AnyZero, kCR},      // 1 RC
    {Rule::AnyZero, kRL},      // 2 RL
    {Rule::AnyZero, kLC},      // 3 LC
    {Rule::AnyZero, kLC},      // 4 RLC: R = 0 is an undamped oscillation, still valid
    {Rule::AnyZero, kLC},      // 5 LC, AC
    {Rule::AnyZero, kCR},      // 6 RC, AC
    {Rule::AnyZero, kRL},      // 7 RL, AC
    {Rule::ProductZero, kRLC}, // 8 RLC, AC
}};

const std::array<ParameterTest, 8> kReadoutTests{{
    {Rule::AnyZero, kRC},
    {Rule::AnyZero, kLR},
    {Rule::AnyZero, kLC},
    {Rule::AnyZero, kLC},
    {Rule::AnyZero, kLC},
    {Rule::AnyZero, kRC},
    {Rule::AnyZero, kL},
    {Rule::ProductZero, kRLC},
}};

} // namespace

const ParameterTest *plotTest(int circuitKind)
{
    if (circuitKind < 1 || circuitKind > 8)
        return nullptr;
    return &kPlotTests[static_cast<std::size_t>(circuitKind - 1)];
}

const ParameterTest *readoutTest(int circuitKind)
{
    if (circuitKind < 1 || circuitKind > 8)
        return nullptr;
    return &kReadoutTests[static_cast<std::size_t>(circuitKind - 1)];
}

bool rejects(const ParameterTest &test, const solutions::CircuitParameters &values)
{
    if (test.rule == Rule::ProductZero) {
        double product = 1;
        bool first = true;
        for (Parameter p : test.parameters) {
            product = first ? parameterValue(values, p) : product * parameterValue(values, p);
            first = false;
        }
        return product == 0;
    }
    for (Parameter p : test.parameters)
        if (parameterValue(values, p) == 0)
            return true;
    return false;
}

} // namespace kel::lab
