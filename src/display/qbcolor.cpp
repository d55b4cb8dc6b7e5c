// SPDX-License-Identifier: GPL-3.0-or-later
#include "qbcolor.h"

#include <array>

namespace kel::display
{

QColor QBColor(int n)
{
    static constexpr std::array<QRgb, 16> kPalette{
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    if (n < 0 || n >= static_cast<int>(kPalette.size()))
        return QColor(kPalette[0]);
    return QColor(kPalette[static_cast<std::size_t>(n)]);
}

} // namespace kel::display
