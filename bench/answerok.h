// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/dialogs.h"

namespace kel::bench
{

// Answers every box at once; the benchmarks give no reason for one.
class AnswerOk final : public display::Dialogs
{
public:
    display::MessageAnswer message(const QString &, const QString &,
                                   display::MessageButtons) override
    {
        return display::MessageAnswer::Ok;
    }
    QString input(const QString &, const QString &, const QString &d) override { return d; }
    QString saveFile(const QString &, const QString &, const QString &) override { return {}; }
};

} // namespace kel::bench
