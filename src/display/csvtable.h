// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kel::display
{

// Sampled data as comma-separated text: a header row of column names with their SI units,
// then one row per sample with every value in full double precision (17 significant
// digits, so that it reads back to the same double). A non-finite value is an empty field.
class CsvTable
{
public:
    explicit CsvTable(std::vector<std::string> header) : m_header(std::move(header)) {}

    void addRow(std::vector<double> values) { m_rows.push_back(std::move(values)); }
    std::size_t rowCount() const { return m_rows.size(); }
    const std::vector<std::string> &header() const { return m_header; }

    std::string text() const;

private:
    std::vector<std::string> m_header;
    std::vector<std::vector<double>> m_rows;
};

} // namespace kel::display
