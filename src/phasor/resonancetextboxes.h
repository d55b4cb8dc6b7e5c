// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resonancesource.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QLineEdit;
class QWidget;

namespace kel::display
{
class Dialogs;
} // namespace kel::display

namespace kel::phasor
{

class ResonanceWindow;

// A resonance source made of a window's text boxes `v0`, `R`, `L`, `C` and `f0`: it reads
// them, writes `f0` and then calls `redraw`, and signals every change of their texts.
class ResonanceTextBoxes final : public QObject, public ResonanceSource
{
    Q_OBJECT
public:
    ResonanceTextBoxes(QWidget *host, std::function<void()> redraw, QObject *parent = nullptr);

    QString parameterText(const QString &name) const override;
    void setSourceFrequency(const QString &text) override;

signals:
    void textsChanged();

private:
    QLineEdit *box(const QString &name) const;

    QPointer<QWidget> m_host;
    std::function<void()> m_redraw;
};

// Shows the resonance curve of `host`'s parameter boxes, creating it on the first call: a
// window of its own owned by `host`, following the boxes as they change; a click on its
// curve writes `f0` and calls `redrawHost`. Returns the window.
ResonanceWindow *showResonanceCurve(QWidget *host, display::Dialogs &dialogs,
                                    std::function<void()> redrawHost);

} // namespace kel::phasor
