// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

namespace kel::display
{

// Places a window's controls at positions given in twips (1/1440 inch; 15 twips to a pixel
// at 96 dots per inch) and scales the whole arrangement with the window: when the container
// grows beyond its designed size, positions, sizes and fonts grow by one common factor.
class TwipLayout : public QObject
{
    Q_OBJECT
public:
    TwipLayout(QWidget *container, QSize designTwips);

    // Places `widget` (a child of the container) at left, top with the given size in twips.
    // Its font size at this moment is the one used at the designed size.
    void place(QWidget *widget, int left, int top, int width, int height);

    // The designed size of the container in pixels at its screen's logical resolution.
    QSize designPixels() const;
    // Pixels per twip at the designed size.
    double pixelsPerTwip() const;
    // The current enlargement over the designed size (1 at the designed size).
    double factor() const { return m_factor; }

    // Re-applies the arrangement for the container's current size.
    void apply();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Placement {
        QWidget *widget;
        QRect twips;
        double pointSize;
    };
    void applyTo(const Placement &placement, double pixelsPerTwip) const;

    QWidget *m_container;
    QSize m_designTwips;
    std::vector<Placement> m_placements;
    double m_factor = 1.0;
};

} // namespace kel::display
