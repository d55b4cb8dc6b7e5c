// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace kel::measurement
{

// A unit as a recording's header writes it: what it measures and the factor to its SI unit
// ("ms" is a time with factor 1e-3, "mA" a current with 1e-3).
enum class UnitKind { Time, Voltage, Current, Charge };
struct Unit {
    UnitKind kind = UnitKind::Time;
    double factor = 1;
};

// A unit written alone: a symbol with an optional prefix n, µ (or u), m or k ("s", "mV",
// "µA", "nC") or a word ("second", "Volt", "Ampere", "coulomb", singular or plural, any case).
std::optional<Unit> unitOf(std::string_view text);

// The unit inside a column name: in brackets or parentheses at its end ("t (ms)", "U [V]"),
// after its last slash ("i/mA"), or the whole name when it is a unit word ("Second", "Volt";
// a bare symbol such as "A" stays a name, as channels are often called A and B).
std::optional<Unit> unitInName(std::string_view name);

// "V", "A", "C" for values, "s" for time.
std::string_view symbolOf(UnitKind kind);

// A header field without the blanks, tabs and quotes around it.
std::string_view trimmed(std::string_view text);

} // namespace kel::measurement
