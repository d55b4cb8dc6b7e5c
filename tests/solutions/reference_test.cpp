// SPDX-License-Identifier: GPL-3.0-or-later
// Every solution function against a 40-digit solution of the circuit equation computed
// without the closed forms (tools/make_reference.py): resonance approached and reached,
// critical damping from both sides, widely separated rates, tiny resistances and magnitudes
// far from 1. The error is judged against the size of the terms: the sum of the magnitudes of
// the parts due to q0, to i0 and to the source.
#include "solutions/circuitsolutions.h"
#include "solutions/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kel::testing
{
namespace
{

using namespace solutions;

constexpr double kTolerance = 1e-9;

struct ReferenceRow {
    std::string name;
    int kind = 0;
    std::string time;
    std::vector<std::string> texts; // R, L, C, v0, w0, q0, i0
    std::string charge, chargeScale, current, currentScale;
};

std::vector<ReferenceRow> readReference()
{
    std::vector<ReferenceRow> rows;
    std::ifstream in(KEL_REFERENCE_FILE);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        ReferenceRow row;
        std::string kind;
        fields >> row.name >> kind >> row.time;
        row.kind = static_cast<int>(toNumber(kind).value_or(0));
        row.texts.resize(7);
        for (std::string &text : row.texts)
            fields >> text;
        fields >> row.charge >> row.chargeScale >> row.current >> row.currentScale;
        rows.push_back(row);
    }
    return rows;
}

double number(const std::string &text)
{
    const auto value = toNumber(text);
    EXPECT_TRUE(value.has_value()) << text;
    return value.value_or(NAN);
}

// |computed − reference| over the size of the terms; at t = 0 a size can be 0 (no source, a
// zero initial value), and then the value must be exactly 0.
double relativeError(double computed, const std::string &reference, const std::string &scale)
{
    const double size = number(scale);
    if (size == 0)
        return computed == 0 ? 0 : INFINITY;
    return std::abs(computed - number(reference)) / size;
}

TEST(Reference, EverySolutionAgreesWithTheHighPrecisionSolutionOfTheEquation)
{
    const std::vector<ReferenceRow> rows = readReference();
    ASSERT_GT(rows.size(), 300u) << KEL_REFERENCE_FILE;
    double worst = 0, worstLater = 0;
    std::string worstRow, worstLaterRow;
    for (const ReferenceRow &row : rows) {
        const CaseRow *functions = caseFor(row.kind);
        ASSERT_NE(functions, nullptr) << row.name;
        const ReadResult read =
            readParameters([&row](Parameter p) { return row.texts[static_cast<std::size_t>(p)]; },
                           functions->reads);
        ASSERT_TRUE(read.parameters) << row.name;
        const double t = number(row.time);
        const auto check = [&](const char *what, double computed, const std::string &reference,
                               const std::string &scale) {
            const double error = relativeError(computed, reference, scale);
            EXPECT_LE(error, kTolerance) << row.name << " " << what << "(" << row.time
                                         << ") = " << computed << ", reference " << reference;
            const std::string where = row.name + " " + what + "(" + row.time + ")";
            if (!(error <= worst)) {
                worst = error;
                worstRow = where;
            }
            if (t != 0 && !(error <= worstLater)) {
                worstLater = error;
                worstLaterRow = where;
            }
        };
        if (functions->charge)
            check("q", functions->charge(*read.parameters, t), row.charge, row.chargeScale);
        check("i", functions->current(*read.parameters, t), row.current, row.currentScale);
    }
    std::cout << "Worst relative error " << worst << " at " << worstRow << "; after t = 0 "
              << worstLater << " at " << worstLaterRow << "\n";
    RecordProperty("worst", worstRow);
}

} // namespace
} // namespace kel::testing
