// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Colour contrast as WCAG 2.1 defines it, free of Qt: text needs 4.5:1 against its
// background (1.4.3), lines and other graphics that carry meaning 3:1 (1.4.11).

namespace kel::testing
{

// An sRGB colour, each channel 0..255.
struct Rgb {
    int red = 0, green = 0, blue = 0;
};

inline constexpr double kTextContrast = 4.5;
inline constexpr double kGraphicContrast = 3.0;

// 0 for black to 1 for white: 0.2126 R + 0.7152 G + 0.0722 B of the linearised channels.
double relativeLuminance(Rgb colour);
// (L1 + 0.05) / (L2 + 0.05), the lighter over the darker: 1 to 21, the same either way round.
double contrastRatio(Rgb a, Rgb b);

} // namespace kel::testing
