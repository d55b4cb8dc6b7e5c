// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/columnenvelope.h"

#include <QWidget>

#include <vector>

namespace kel::measurement
{

class MeasurementSession;

// The samples of the session's channel as points (one vertical stroke per pixel column from
// the column's smallest to its largest sample), the model curve over them, the fit window's
// edges, and the residuals of the window in a strip below, numbered by the program's axes
// layer (display/pictureaxes.h): t (s) along the bottom, the quantity and the residuals each
// in its band along the left edge. Dragging across the graph chooses
// a new fit window; the keyboard does the same through the window's From and To boxes.
class RecordingGraph : public QWidget
{
    Q_OBJECT

public:
    explicit RecordingGraph(const MeasurementSession &session, QWidget *parent = nullptr);

    // The session changed: the value range is read again and the graph redrawn.
    void follow();
    // View → Axis Numbers.
    void setAxesShown(bool shown);
    bool axesShown() const { return m_axesShown; }

    QSize sizeHint() const override { return {640, 420}; }
    QSize minimumSizeHint() const override { return {240, 180}; }

signals:
    // A window dragged on the graph, s.
    void windowDragged(double from, double to);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QRect plotArea() const;
    QRect residualArea() const;
    double timeAt(int x) const;
    int xAt(double t) const;

    const MeasurementSession &m_session;
    double m_t0 = 0, m_t1 = 1, m_low = -1, m_high = 1;
    int m_dragFrom = -1, m_dragTo = -1;
    bool m_axesShown = true;
    // The envelopes of the samples and of the residuals, kept from one repaint to the next
    // (an expose, a drag) until the session changes or the graph's width does.
    std::vector<ColumnRange> m_envelope, m_residualEnvelope;
    int m_envelopeWidth = -1;
    double m_largestResidual = 1;
};

} // namespace kel::measurement
