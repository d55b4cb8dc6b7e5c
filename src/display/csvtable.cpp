// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvtable.h"

#include "solutions/numbertext.h"

#include <cmath>

namespace kel::display
{

std::string CsvTable::text() const
{
    std::string out;
    for (std::size_t c = 0; c < m_header.size(); ++c) {
        if (c)
            out += ',';
        out += m_header[c];
    }
    out += "\r\n";
    for (const auto &row : m_rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c)
                out += ',';
            if (std::isfinite(row[c]))
                out += solutions::shortText(row[c], 17);
        }
        out += "\r\n";
    }
    return out;
}

} // namespace kel::display
