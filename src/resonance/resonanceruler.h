// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resonancecurve.h"

#include <QWidget>

namespace kel::resonance
{

// The decade labels under the resonance picture ("10 Hz", "100 Hz", "1 kHz"), each centred
// under its decade line; with too little room for all, every second or fifth one.
class ResonanceRuler : public QWidget
{
    Q_OBJECT
public:
    explicit ResonanceRuler(QWidget *parent = nullptr);

    // The blank left of the axis's first decade and right of its last, as a fraction of the
    // axis's length, in the picture above and here alike, so that the frame shows whole.
    static constexpr double kSideMargin = 0.01;

    void setAxis(const FrequencyAxis &axis);
    const FrequencyAxis &axis() const { return m_axis; }
    // The labels shown at the present width, left to right.
    QStringList labels() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int labelStep() const;
    double pixelsPerDecade() const;

    FrequencyAxis m_axis;
};

} // namespace kel::resonance
