// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kel::testing
{

// |actual − expected| <= rel · max(|expected|, scale): relative to the value, or to `scale`
// (the size of the terms it came from) where the value itself is near zero.
inline ::testing::AssertionResult closeTo(double actual, double expected, double scale = 0,
                                          double rel = 1e-12)
{
    const double bound = rel * std::max(std::abs(expected), std::abs(scale));
    if (std::abs(actual - expected) <= bound)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not within " << bound << " of "
                                         << expected << " (scale " << scale << ")";
}

} // namespace kel::testing
