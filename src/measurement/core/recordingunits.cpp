// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingunits.h"

#include <array>
#include <cctype>
#include <utility>

namespace kel::measurement
{
namespace
{

bool sameWord(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        // ASCII only: a Turkish locale must not turn "i" into a dotted capital.
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::optional<Unit> unitWord(std::string_view text)
{
    static constexpr std::array<std::pair<std::string_view, UnitKind>, 12> kWords{{
        {"second", UnitKind::Time},
        {"seconds", UnitKind::Time},
        {"sec", UnitKind::Time},
        {"volt", UnitKind::Voltage},
        {"volts", UnitKind::Voltage},
        {"ampere", UnitKind::Current},
        {"amperes", UnitKind::Current},
        {"amp", UnitKind::Current},
        {"amps", UnitKind::Current},
        {"coulomb", UnitKind::Charge},
        {"coulombs", UnitKind::Charge},
        {"voltage", UnitKind::Voltage},
    }};
    for (const auto &[word, kind] : kWords)
        if (sameWord(text, word))
            return Unit{kind, 1};
    return std::nullopt;
}

} // namespace

std::optional<Unit> unitOf(std::string_view text)
{
    text = trimmed(text);
    if (text.empty())
        return std::nullopt;
    if (auto word = unitWord(text))
        return word;
    double factor = 1;
    if (text.size() > 1) {
        if (text.starts_with("\xC2\xB5") || text.starts_with("\xCE\xBC")) { // micro, mu
            factor = 1e-6;
            text.remove_prefix(2);
        } else if (text.front() == 'u') {
            factor = 1e-6;
            text.remove_prefix(1);
        } else if (text.front() == 'n') {
            factor = 1e-9;
            text.remove_prefix(1);
        } else if (text.front() == 'm') {
            factor = 1e-3;
            text.remove_prefix(1);
        } else if (text.front() == 'k') {
            factor = 1e3;
            text.remove_prefix(1);
        }
    }
    if (text.size() != 1)
        return std::nullopt;
    switch (text.front()) {
    case 's':
        return Unit{UnitKind::Time, factor};
    case 'V':
    case 'v':
        return Unit{UnitKind::Voltage, factor};
    case 'A':
        return Unit{UnitKind::Current, factor};
    case 'C':
        return Unit{UnitKind::Charge, factor};
    default:
        return std::nullopt;
    }
}

std::optional<Unit> unitInName(std::string_view name)
{
    name = trimmed(name);
    if (name.size() >= 3 && (name.back() == ')' || name.back() == ']')) {
        const char open = name.back() == ')' ? '(' : '[';
        const auto at = name.rfind(open);
        if (at != std::string_view::npos)
            return unitOf(name.substr(at + 1, name.size() - at - 2));
    }
    if (const auto slash = name.rfind('/'); slash != std::string_view::npos && slash > 0)
        return unitOf(name.substr(slash + 1));
    return unitWord(name);
}

std::string_view symbolOf(UnitKind kind)
{
    switch (kind) {
    case UnitKind::Time:
        return "s";
    case UnitKind::Voltage:
        return "V";
    case UnitKind::Current:
        return "A";
    case UnitKind::Charge:
        return "C";
    }
    return "";
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '"'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '"'))
        text.remove_suffix(1);
    return text;
}

} // namespace kel::measurement
